#pragma once

#include "settings/Bytes.h"
#include "ui/SharedValues.h"

#include <QDialog>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

namespace mms {
struct Advice;
}

class QLineEdit;
class QPushButton;

// What the three settings dialogs share as windows: the main window opens one at a
// time, without waiting (modeless); every show the program makes runs the dialog's
// FormShow, and closing it, by Exit, Escape or the close box, reports closed() so
// that the main window comes back. Being a dialog makes it one for screen readers too.
class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    // The save folder, which the save-location dialog fills.
    virtual QLineEdit *SavePathEdit() const = 0;
    // Generate, which stays disabled while its file is being written.
    virtual QPushButton *GenerateButton() const = 0;

signals:
    void closed();
    // After every Generate; `reason` is the system's, when the file was not written;
    // `advice`, one line per item, what will not work with the file just written.
    void generated(GenerationResult result, const QString &reason, const QStringList &advice);
    void saveLocationRequested(SaveLocationTarget target);

protected:
    // What this dialog's Select and Generate report.
    struct Outcomes {
        SaveLocationTarget Target;
        GenerationResult Generated;
        GenerationResult Failed;
    };
    SettingsDialog(Outcomes outcomes, QWidget *parent);

    virtual void FormShow() = 0;
    void FormClose();
    void Button_ExitClick();
    void Button_SelectClick();

    // Generate's write, the one place a settings dialog touches the disk: replaces the
    // file at `path` by `bytes` off the interface thread, then reports the outcome and,
    // once written, the advice for the settings it holds.
    void WriteFile(const QString &path, const mms::Bytes &bytes, const std::vector<mms::Advice> &advice);
    // The same for a file that can fail to compose (an operator the catalogue does not
    // know): then the composer's reason is reported and the disk is not touched.
    void WriteFile(const QString &path, const std::optional<mms::Bytes> &bytes, const std::string &composeError,
                   const std::vector<mms::Advice> &advice);

    void showEvent(QShowEvent *event) override;
    // Every way of closing ends here: Exit and the close box through reject(), Escape too.
    void done(int result) override;

private:
    Outcomes m_outcomes;
};
