#pragma once

#include "SettingsDialog.h"
#include "EmailSettings.h"
#include "MessageSetupParts.h"


#include <array>

class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;

// The e-mail settings dialog: what to send and how often, the daily report, the operator
// (from the catalogue in Auto mode, its GPRS texts typed in Manual mode), the SMTP
// server and port (filled from the catalogue's presets when an operator has one), the
// sender, the recipients, and Generate writing SMTPSETUP.dat into the save folder. Each
// show starts again from the defaults; only the save folder is kept.
class TSMTPSetupForm : public SettingsDialog {
    Q_OBJECT
public:
    explicit TSMTPSetupForm(QWidget *parent = nullptr);

    // The save folder, which the save-location dialog fills.
    QLineEdit *SavePathEdit() const { return m_saveRow.Edit_SavePath; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateControls();
    void ConnectHandlers();
    void ApplyTexts();
    void ApplyMode(ConnectionMode mode);
    void ApplySmtpPreset();
    QList<QLineEdit *> GprsFields() const;
    QList<QLineEdit *> SenderFields() const;
    QList<QLineEdit *> RecipientFields() const;
    EmailSettings SettingsFromControls() const;

    // Event handlers
    void FormCreate();
    void FormShow() override;
    void ComboBox_MMSModeChange();
    void ComboBox_CountryChange();
    void ComboBox_OperatorChange();
    void ComboBox_DailyReport_OnOffChange();
    bool Edit_MMSNumberPerDayKeyPress(const QKeyEvent *event);
    void Edit_MMSNumberPerDayExit();
    bool ComboBox_MMSModeKeyPress(const QKeyEvent *event);
    void Button_SelectClick();
    void Button_GenerateClick();

    QGroupBox *GroupBox_SMTP = nullptr;
    SendingControls m_sending;

    QGroupBox *GroupBox_GprsSetting = nullptr;
    QLabel *Label_APN = nullptr;
    QLineEdit *Edit_APN = nullptr;
    QLabel *Label_Account = nullptr;
    QLineEdit *Edit_Account = nullptr;
    QLabel *Label_AccountPassword = nullptr;
    QLineEdit *Edit_AccountPassword = nullptr;

    QGroupBox *GroupBox_Sender = nullptr;
    QLabel *Label_SmtpServer = nullptr;
    QLineEdit *Edit_SmtpServer = nullptr;
    QLabel *Label_Port = nullptr;
    QLineEdit *Edit_Port = nullptr;
    QLabel *Label_SenderEmail = nullptr;
    QLineEdit *Edit_SenderEmail = nullptr;
    QLabel *Label_SenderPassword = nullptr;
    QLineEdit *MaskEdit_SenderPassword = nullptr;

    QGroupBox *GroupBox_Recipients = nullptr;
    std::array<QLabel *, 4> Label_Email = {};
    std::array<QLineEdit *, 4> Edit_Email = {};

    SaveRowControls m_saveRow;
};
