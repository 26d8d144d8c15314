#pragma once

#include "SettingsDialog.h"
#include "MessageSetupParts.h"
#include "MmsSettings.h"


#include <array>

class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;

// The MMS settings dialog: what to send and how often, the daily report, the operator
// (from the catalogue in Auto mode, its six connection texts typed in Manual mode), the
// recipients, and Generate writing MMSSETUP.dat into the save folder. Each show starts
// again from the defaults; only the save folder is kept.
class TMMSSetupForm : public SettingsDialog {
    Q_OBJECT
public:
    explicit TMMSSetupForm(QWidget *parent = nullptr);

    // The save folder, which the save-location dialog fills and starts from.
    QLineEdit *SavePathEdit() const { return m_saveRow.Edit_SavePath; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateControls();
    void ConnectHandlers();
    void ApplyTexts();
    void ApplyMode(ConnectionMode mode);
    QList<QLineEdit *> ConnectionFields() const;
    QList<QLineEdit *> RecipientFields() const;
    MmsSettings SettingsFromControls() const;

    // Event handlers
    void FormCreate();
    void FormShow() override;
    void ComboBox_MMSModeChange();
    void ComboBox_CountryChange();
    void ComboBox_DailyReport_OnOffChange();
    bool Edit_MMSNumberPerDayKeyPress(const QKeyEvent *event);
    void Edit_MMSNumberPerDayExit();
    bool ComboBox_MMSModeKeyPress(const QKeyEvent *event);
    void Button_SelectClick();
    void Button_GenerateClick();

    QGroupBox *GroupBox_MMS = nullptr;
    SendingControls m_sending;

    QFrame *Panel_Connection = nullptr;
    QLabel *Label_URL = nullptr;
    QLineEdit *Edit_URL = nullptr;
    QLabel *Label_APN = nullptr;
    QLineEdit *Edit_APN = nullptr;
    QLabel *Label_GateWay = nullptr;
    QLineEdit *Edit_GateWay = nullptr;
    QLabel *Label_Port = nullptr;
    QLineEdit *Edit_Port = nullptr;
    QLabel *Label_Account = nullptr;
    QLineEdit *Edit_Account = nullptr;
    QLabel *Label_AccountPassword = nullptr;
    QLineEdit *Edit_AccountPassword = nullptr;
    std::array<QLabel *, 4> Label_Mobile = {};
    std::array<QLineEdit *, 4> Edit_Mobile = {};
    std::array<QLabel *, 4> Label_Email = {};
    std::array<QLineEdit *, 4> Edit_Email = {};

    SaveRowControls m_saveRow;
};
