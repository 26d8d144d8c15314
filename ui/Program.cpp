#include "ui/Program.h"

#include "ui/FormLook.h"
#include "ui/TForm_SaveParamsResult.h"
#include "ui/TForm_SelectSavePath.h"
#include "ui/TMMSMainForm.h"
#include "ui/TMMSSetupForm.h"
#include "ui/TSMTPSetupForm.h"
#include "ui/TSystemSetupForm.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
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

template <typename Form>
LazyForm<Form> FormSet::BuiltOnFirstUse()
{
    return LazyForm<Form>([this] { return Create<Form>(); });
}

FormSet::FormSet()
{
    g_shared = {};
    g_forms.MMSMainForm = Create<TMMSMainForm>();
    g_forms.MMSSetupForm = BuiltOnFirstUse<TMMSSetupForm>();
    g_forms.Form_SelectSavePath = BuiltOnFirstUse<TForm_SelectSavePath>();
    g_forms.SystemSetupForm = BuiltOnFirstUse<TSystemSetupForm>();
    g_forms.SMTPSetupForm = BuiltOnFirstUse<TSMTPSetupForm>();
    g_forms.Form_SaveParamsResult = BuiltOnFirstUse<TForm_SaveParamsResult>();
    FinishAfterFirstPaint();
}

// What the first paint does not need: the icon, and the five windows, built while the
// user reads the main window so that the first dialog opens without delay.
void FormSet::FinishAfterFirstPaint()
{
    new AfterFirstPaint(g_forms.MMSMainForm, [] {
        ApplyProgramIcon();
        g_forms.MMSSetupForm.get();
        g_forms.Form_SelectSavePath.get();
        g_forms.SystemSetupForm.get();
        g_forms.SMTPSetupForm.get();
        g_forms.Form_SaveParamsResult.get();
    });
}

FormSet::~FormSet()
{
    while (!m_windows.empty())
        m_windows.pop_back();
    g_forms = {};
    g_shared = {};
}

int RunProgram()
{
    PrepareApplication();
    const FormSet forms;
    g_forms.MMSMainForm->show();
    return QApplication::exec();
}

QString InitialSaveFolder()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\");
#else
    return QDir::toNativeSeparators(QDir::homePath());
#endif
}

QString SaveFilePath(const QString &folder, const QString &fileName)
{
    const QChar separator = QDir::separator();
    return folder.endsWith(separator) ? folder + fileName : folder + separator + fileName;
}

void OpenSaveLocationDialog(SaveLocationTarget caller)
{
    g_shared.SaveLocationSelector = caller;
    BringUp(g_forms.Form_SelectSavePath);
}

void ReportGeneration(int result, const QString &failureReason)
{
    g_shared.GenerationResult = result;
    g_shared.GenerationFailureReason = failureReason;
    BringUp(g_forms.Form_SaveParamsResult);
}
