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

void PrepareApplication()
{
    QGuiApplication::setApplicationDisplayName(QStringLiteral("MMS SETUP"));
    // The main window's close ends the program itself, whichever dialogs are open.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    ApplyProgramLook();
}

template <typename Form>
Form *FormSet::Create()
{
    auto *form = new Form;
    m_windows.emplace_back(form);
    return form;
}

FormSet::FormSet()
{
    g_shared = {};
    g_forms.MMSMainForm = Create<TMMSMainForm>();
    g_forms.MMSSetupForm = Create<TMMSSetupForm>();
    g_forms.Form_SelectSavePath = Create<TForm_SelectSavePath>();
    g_forms.SystemSetupForm = Create<TSystemSetupForm>();
    g_forms.SMTPSetupForm = Create<TSMTPSetupForm>();
    g_forms.Form_SaveParamsResult = Create<TForm_SaveParamsResult>();
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
