#include "ui/SettingsDialog.h"

#include "ui/CoreText.h"
#include "ui/FormLook.h"
#include "ui/SettingsFileWrite.h"

#include <QPushButton>
#include <QShowEvent>

SettingsDialog::SettingsDialog(Outcomes outcomes, QWidget *parent) : QDialog(parent), m_outcomes(outcomes) {}

void SettingsDialog::showEvent(QShowEvent *event)
{
    // A spontaneous show is the window system restoring the window, not the program
    // opening it.
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
    if (!event->spontaneous())
        TakeFocus(this);
}

void SettingsDialog::done(int result)
{
    QDialog::done(result);
    FormClose();
}

void SettingsDialog::FormClose()
{
    emit closed();
}

void SettingsDialog::Button_ExitClick()
{
    close();
}

void SettingsDialog::Button_SelectClick()
{
    emit saveLocationRequested(m_outcomes.Target);
}

void SettingsDialog::WriteFile(const QString &path, const mms::Bytes &bytes)
{
    QPushButton *generate = GenerateButton();
    generate->setEnabled(false);
    WriteSettingsFile(this, path, bytes, [this, generate](bool written, const QString &failureReason) {
        generate->setEnabled(true);
        FinishGeneration(written, failureReason);
    });
}

void SettingsDialog::WriteFile(const QString &path, const std::optional<mms::Bytes> &bytes,
                               const std::string &composeError)
{
    if (bytes)
        WriteFile(path, *bytes);
    else
        FinishGeneration(false, FromCore(composeError));
}

void SettingsDialog::FinishGeneration(bool written, const QString &failureReason)
{
    emit generated(written ? m_outcomes.Generated : m_outcomes.Failed, failureReason);
}
