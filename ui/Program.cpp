#include "ui/Program.h"

#include "ui/FormLook.h"
#include "ui/SharedValues.h"
#include "ui/TForm_SaveParamsResult.h"
#include "ui/TForm_SelectSavePath.h"
#include "ui/TMMSMainForm.h"
#include "ui/TMMSSetupForm.h"
#include "ui/TSMTPSetupForm.h"
#include "ui/TSystemSetupForm.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QTimer>

#include <functional>

void PrepareApplication()
{
    QGuiApplication::setApplicationDisplayName(QStringLiteral("MMS SETUP"));
    // The main window's close ends the program itself, whichever dialogs are open.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    ApplyProgramLook();
}

namespace {

// Runs `then` once from the event loop, after `window` has handled its first paint.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget *window, std::function<void()> then) : QObject(window), m_then(std::move(then))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, watched, m_then);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_then;
};

} // namespace

template <typename Form>
Form *FormSet::Create()
{
    auto *form = new Form;
    m_windows.emplace_back(form);
    return form;
}

FormSet::FormSet()
{
    g_languageIndex = 0;
    m_forms.MMSMainForm = Create<TMMSMainForm>();
    ConnectMainWindow();
    new AfterFirstPaint(m_forms.MMSMainForm, [this] {
        ApplyProgramIcon();
        BuildOtherWindows();
    });
}

const Forms &FormSet::Windows()
{
    BuildOtherWindows();
    return m_forms;
}

void FormSet::BuildOtherWindows()
{
    if (OtherWindowsBuilt())
        return;
    m_forms.MMSSetupForm = Create<TMMSSetupForm>();
    m_forms.Form_SelectSavePath = Create<TForm_SelectSavePath>();
    m_forms.SystemSetupForm = Create<TSystemSetupForm>();
    m_forms.SMTPSetupForm = Create<TSMTPSetupForm>();
    m_forms.Form_SaveParamsResult = Create<TForm_SaveParamsResult>();
    ConnectWindows();
}

FormSet::~FormSet()
{
    // In the reverse order of creation: the main window last.
    while (!m_windows.empty())
        m_windows.pop_back();
}

// A setup button hides the main window, then its dialog is shown, built first if the
// button was pressed before the main window's first paint.
void FormSet::ConnectMainWindow()
{
    TMMSMainForm *main = m_forms.MMSMainForm;
    QObject::connect(main, &TMMSMainForm::cameraSetupRequested, main, [this] { Windows().SystemSetupForm->show(); });
    QObject::connect(main, &TMMSMainForm::mmsSetupRequested, main, [this] { Windows().MMSSetupForm->show(); });
    QObject::connect(main, &TMMSMainForm::smtpSetupRequested, main, [this] { Windows().SMTPSetupForm->show(); });
}

void FormSet::ConnectWindows()
{
    TMMSMainForm *main = m_forms.MMSMainForm;
    TForm_SelectSavePath *chooser = m_forms.Form_SelectSavePath;
    TForm_SaveParamsResult *result = m_forms.Form_SaveParamsResult;

    chooser->CentreOverWindow(main);
    result->CentreOverWindow(main);
    for (SettingsDialog *dialog :
         {static_cast<SettingsDialog *>(m_forms.SystemSetupForm), static_cast<SettingsDialog *>(m_forms.MMSSetupForm),
          static_cast<SettingsDialog *>(m_forms.SMTPSetupForm)}) {
        QObject::connect(dialog, &SettingsDialog::closed, main, &QWidget::show);
        // Every caller starts at the MMS dialog's folder.
        QObject::connect(dialog, &SettingsDialog::saveLocationRequested, chooser,
                         [chooser, mms = m_forms.MMSSetupForm](SaveLocationTarget caller) {
                             chooser->Open(caller, mms->SavePathEdit()->text());
                         });
        QObject::connect(dialog, &SettingsDialog::generated, result, &TForm_SaveParamsResult::Report);
    }
    // OK fills the field of the dialog whose Select opened the chooser, even when that
    // dialog has been closed or has generated since.
    QObject::connect(chooser, &TForm_SelectSavePath::folderChosen, chooser, [this, chooser](const QString &folder) {
        SettingsDialogFor(chooser->Target())->SavePathEdit()->setText(folder);
    });
}

SettingsDialog *FormSet::SettingsDialogFor(SaveLocationTarget target) const
{
    switch (target) {
    case SaveLocationTarget::Camera:
        return m_forms.SystemSetupForm;
    case SaveLocationTarget::Mms:
        return m_forms.MMSSetupForm;
    case SaveLocationTarget::Email:
        break;
    }
    return m_forms.SMTPSetupForm;
}

int RunProgram()
{
    PrepareApplication();
    const FormSet forms;
    forms.MainWindow()->show();
    return QApplication::exec();
}
