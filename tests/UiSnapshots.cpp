// ui-snapshots DIR: writes a PNG of every window as it looks when it is first shown,
// driven through the same buttons a user presses. Renders off screen unless
// QT_QPA_PLATFORM says otherwise.
#include "ui/Program.h"
#include "ui/TForm_SaveParamsResult.h"
#include "ui/TForm_SelectSavePath.h"
#include "ui/TMMSMainForm.h"
#include "ui/TMMSSetupForm.h"
#include "ui/TSMTPSetupForm.h"
#include "ui/TSystemSetupForm.h"

#include "settings/CameraSettings.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

namespace {

void Click(QWidget *window, const char *buttonName)
{
    auto *button = window->findChild<QPushButton *>(QString::fromLatin1(buttonName));
    const bool wasEnabled = button->isEnabled();
    button->click();
    QApplication::processEvents();
    // Generate keeps its button disabled while its file is written.
    while (wasEnabled && !button->isEnabled())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Picks Manual in a message dialog's mode list, as a user does.
void PickManualMode(QWidget *dialog)
{
    auto *mode = dialog->findChild<QComboBox *>(QStringLiteral("ComboBox_MMSMode"));
    mode->setCurrentIndex(1);
    emit mode->activated(1);
}

bool Snap(QWidget *window, const QDir &folder, const char *fileName)
{
    QApplication::processEvents();
    const QString path = folder.filePath(QString::fromLatin1(fileName));
    const bool saved = window->grab().save(path, "PNG");
    QTextStream(saved ? stdout : stderr) << (saved ? "wrote " : "cannot write ") << path << Qt::endl;
    return saved;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("Usage: ui-snapshots DIR\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    PrepareApplication();
    FormSet forms;
    const Forms &w = forms.Windows();
    QTemporaryDir saveFolder;
    bool ok = true;

    w.MMSMainForm->show();
    ok &= Snap(w.MMSMainForm, folder, "main-window.png");

    Click(w.MMSMainForm, "Button_Camera_Setup");
    ok &= Snap(w.SystemSetupForm, folder, "camera-dialog.png");
    Click(w.SystemSetupForm, "Button_Select");
    ok &= Snap(w.Form_SelectSavePath, folder, "save-location.png");
    Click(w.Form_SelectSavePath, "Button_Cancel");

    w.SystemSetupForm->SavePathEdit()->setText(QDir::toNativeSeparators(saveFolder.path()));
    Click(w.SystemSetupForm, "Button_Generate");
    ok &= Snap(w.Form_SaveParamsResult, folder, "result-generated.png");
    Click(w.Form_SaveParamsResult, "Button_Exit");
    QFile::setPermissions(saveFolder.filePath(QString::fromLatin1(mms::kCameraSetupFileName)), QFile::ReadOwner);
    Click(w.SystemSetupForm, "Button_Generate");
    ok &= Snap(w.Form_SaveParamsResult, folder, "result-failed.png");
    Click(w.Form_SaveParamsResult, "Button_Exit");
    Click(w.SystemSetupForm, "Button_Exit");

    Click(w.MMSMainForm, "Button_MMS_Setup");
    ok &= Snap(w.MMSSetupForm, folder, "mms-dialog.png");
    PickManualMode(w.MMSSetupForm);
    ok &= Snap(w.MMSSetupForm, folder, "mms-dialog-manual.png");
    Click(w.MMSSetupForm, "Button_Exit");
    Click(w.MMSMainForm, "Button_Smtp_Setup");
    ok &= Snap(w.SMTPSetupForm, folder, "email-dialog.png");
    PickManualMode(w.SMTPSetupForm);
    ok &= Snap(w.SMTPSetupForm, folder, "email-dialog-manual.png");
    return ok ? 0 : 1;
}
