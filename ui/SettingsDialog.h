#pragma once

#include "settings/Bytes.h"
#include "ui/SharedValues.h"

#include <QDialog>

#include <optional>
#include <string>

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
    // After every Generate; `reason` is the system's, when the file was not written.
    void generated(GenerationResult result, const QString &reason);
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
    // file at `path` by `bytes` off the interface thread, then reports the outcome.
    void WriteFile(const QString &path, const mms::Bytes &bytes);
    // The same for a file that can fail to compose (an operator the catalogue does not
    // know): then the composer's reason is reported and the disk is not touched.
    void WriteFile(const QString &path, const std::optional<mms::Bytes> &bytes, const std::string &composeError);
    // Generate's end: reports whether the file was written and, if not, why.
    void FinishGeneration(bool written, const QString &failureReason);

    void showEvent(QShowEvent *event) override;
    // Every way of closing ends here: Exit and the close box through reject(), Escape too.
    void done(int result) override;

private:
    Outcomes m_outcomes;
};
