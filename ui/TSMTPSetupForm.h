#pragma once

#include "settings/EmailSettings.h"
#include "ui/SendingSetupForm.h"

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;

// The e-mail settings dialog: what to send and how often, the daily report, the operator
// (from the catalogue in Auto mode, its GPRS texts typed in Manual mode), the SMTP
// server and port (filled from the catalogue's presets when an operator has one), the
// sender, the recipients, and Generate writing SMTPSETUP.dat into the save folder. Each
// show starts again from the defaults; only the save folder is kept.
class TSMTPSetupForm : public SendingSetupForm {
    Q_OBJECT
public:
    explicit TSMTPSetupForm(QWidget *parent = nullptr);

private:
    void CreateControls();
    void ApplyTexts();
    void ApplyMode(mms::ConnectionMode mode) override;
    void ApplySmtpPreset();
    QList<QLineEdit *> GprsFields() const;
    QList<QLineEdit *> SenderFields() const;
    QList<QLineEdit *> RecipientFields() const;
    mms::EmailSettings SettingsFromControls() const;

    // Event handlers
    void FormShow() override;
    void ComboBox_CountryChange() override;
    void ComboBox_OperatorChange();
    void Button_GenerateClick() override;

    QGroupBox *GroupBox_SMTP = nullptr;

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
};
