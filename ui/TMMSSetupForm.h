#pragma once

#include "settings/MmsSettings.h"
#include "ui/SendingSetupForm.h"

#include <array>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;

// The MMS settings dialog: what to send and how often, the daily report, the operator
// (from the catalogue in Auto mode, its six connection texts typed in Manual mode), the
// recipients, and Generate writing MMSSETUP.dat into the save folder. Each show starts
// again from the defaults; only the save folder is kept.
class TMMSSetupForm : public SendingSetupForm {
    Q_OBJECT
public:
    explicit TMMSSetupForm(QWidget *parent = nullptr);

private:
    void CreateControls();
    void ApplyTexts();
    void ApplyMode(mms::ConnectionMode mode) override;
    QList<QLineEdit *> ConnectionFields() const;
    QList<QLineEdit *> RecipientFields() const;
    mms::MmsSettings SettingsFromControls() const;

    // Event handlers
    void FormShow() override;
    void ComboBox_CountryChange() override;
    void Button_GenerateClick() override;

    QGroupBox *GroupBox_MMS = nullptr;

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
};
