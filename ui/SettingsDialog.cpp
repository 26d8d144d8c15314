#include "ui/SettingsDialog.h"

#include "advice/Advice.h"
#include "ui/CoreText.h"
#include "ui/FormLook.h"
#include "ui/SettingsFileWrite.h"

#include <QPushButton>
#include <QShowEvent>

SettingsDialog::SettingsDialog(Outcomes outcomes, QWidget *parent) : QDialog(parent), m_outcomes(outcomes)
{
}

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

namespace {

// "Warning: ..." or "Notice: ...", one line per item.
QStringList AdviceLines(const std::vector<mms::Advice> &advice)
{
    QStringList lines;
    for (const mms::Advice &item : advice) {
        const QString severity = FromCore(mms::SeverityName(item.severity));
        lines << severity.left(1).toUpper() + severity.mid(1) + QStringLiteral(": ") + FromCore(item.sentence);
    }
    return lines;
}

} // namespace

void SettingsDialog::WriteFile(const QString &path, const mms::Bytes &bytes, const std::vector<mms::Advice> &advice)
{
    QPushButton *generate = GenerateButton();
    generate->setEnabled(false);
    WriteSettingsFile(this, path, bytes,
                      [this, generate, lines = AdviceLines(advice)](bool written, const QString &failureReason) {
                          generate->setEnabled(true);
                          if (written)
                              emit generated(m_outcomes.Generated, QString(), lines);
                          else
                              emit generated(m_outcomes.Failed, failureReason, {});
                      });
}

void SettingsDialog::WriteFile(const QString &path, const std::optional<mms::Bytes> &bytes,
                               const std::string &composeError, const std::vector<mms::Advice> &advice)
{
    if (bytes)
        WriteFile(path, *bytes, advice);
    else
        emit generated(m_outcomes.Failed, FromCore(composeError), {});
}
