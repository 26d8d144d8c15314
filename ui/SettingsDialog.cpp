#include "ui/SettingsDialog.h"

#include "ui/Program.h"
#include "ui/TMMSMainForm.h"

#include <QShowEvent>

void SettingsDialog::showEvent(QShowEvent *event)
{
    // A spontaneous show is the window system restoring the window, not the program
    // opening it.
    if (!event->spontaneous())
        FormShow();
    QWidget::showEvent(event);
}

void SettingsDialog::closeEvent(QCloseEvent *event)
{
    FormClose();
    QWidget::closeEvent(event);
}

void SettingsDialog::FormClose()
{
    g_forms.MMSMainForm->show();
}

void SettingsDialog::Button_ExitClick()
{
    close();
}
