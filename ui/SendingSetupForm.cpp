#include "ui/SendingSetupForm.h"

#include "ui/FormLook.h"
#include "ui/SharedValues.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

void SendingSetupForm::FinishCreation()
{
    // `activated` comes only from the user's pick, so selecting in code runs no handler.
    connect(m_sending.ComboBox_MMSMode, &QComboBox::activated, this, &SendingSetupForm::ComboBox_MMSModeChange);
    connect(m_sending.ComboBox_Country, &QComboBox::activated, this, &SendingSetupForm::ComboBox_CountryChange);
    connect(m_sending.ComboBox_DailyReport_OnOff, &QComboBox::activated, this,
            &SendingSetupForm::ComboBox_DailyReport_OnOffChange);
    connect(m_sending.Edit_MMSNumberPerDay, &QLineEdit::editingFinished, this,
            &SendingSetupForm::Edit_MMSNumberPerDayExit);
    connect(m_saveRow.Button_Select, &QPushButton::clicked, this, &SendingSetupForm::Button_SelectClick);
    connect(m_saveRow.Button_Generate, &QPushButton::clicked, this, &SendingSetupForm::Button_GenerateClick);
    connect(m_saveRow.Button_Exit, &QPushButton::clicked, this, &SendingSetupForm::Button_ExitClick);
    FilterSendingKeys(m_sending, this);
    FormCreate();
}

bool SendingSetupForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool discard = watched == m_sending.Edit_MMSNumberPerDay ? Edit_MMSNumberPerDayKeyPress(key)
                                                                        : ComboBox_MMSModeKeyPress(key);
        if (discard)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void SendingSetupForm::FormCreate()
{
    m_saveRow.Edit_SavePath->setText(InitialSaveFolder());
    CentreOnScreen(this);
}

void SendingSetupForm::ComboBox_MMSModeChange()
{
    ApplyMode(ModeFromControls(m_sending));
}

void SendingSetupForm::ComboBox_DailyReport_OnOffChange()
{
    ApplyDailyReportRule(m_sending);
}

bool SendingSetupForm::Edit_MMSNumberPerDayKeyPress(const QKeyEvent *event)
{
    return IsRefusedNumberKey(event);
}

void SendingSetupForm::Edit_MMSNumberPerDayExit()
{
    FillEmptyNumber(m_sending);
}

// Every list, the country and operator lists too, changes only by picking an item.
bool SendingSetupForm::ComboBox_MMSModeKeyPress(const QKeyEvent *event)
{
    return IsTypedCharacter(event);
}
