#pragma once

#include "ui/MessageSetupParts.h"
#include "ui/SettingsDialog.h"

class QKeyEvent;
class QLineEdit;

// What the MMS and e-mail dialogs share: the upper rows (mode, status, number per day,
// daily report, country and operator), the bottom row, and the handlers of both.
class SendingSetupForm : public SettingsDialog {
    Q_OBJECT
public:
    QLineEdit *SavePathEdit() const override { return m_saveRow.Edit_SavePath; }

protected:
    using SettingsDialog::SettingsDialog;

    // Once the controls exist: connects the shared handlers, filters the keys of the
    // lists and the number field, and runs FormCreate.
    void FinishCreation();

    // Empties the connection texts and the recipients, and enables them for the mode.
    virtual void ApplyMode(mms::ConnectionMode mode) = 0;

    bool eventFilter(QObject *watched, QEvent *event) override;

    // Event handlers
    void FormCreate();
    void ComboBox_MMSModeChange();
    virtual void ComboBox_CountryChange() = 0;
    void ComboBox_DailyReport_OnOffChange();
    bool Edit_MMSNumberPerDayKeyPress(const QKeyEvent *event);
    void Edit_MMSNumberPerDayExit();
    bool ComboBox_MMSModeKeyPress(const QKeyEvent *event);
    virtual void Button_GenerateClick() = 0;

    SendingControls m_sending;
    SaveRowControls m_saveRow;
};
