#pragma once

#include "ui/LazyForm.h"

#include <QString>

#include <memory>
#include <vector>

class QWidget;
class TMMSMainForm;
class TMMSSetupForm;
class TForm_SelectSavePath;
class TSystemSetupForm;
class TSMTPSetupForm;
class TForm_SaveParamsResult;

// The dialog the save-location dialog works for, set by that dialog's Select.
enum SaveLocationTarget : int {
    kSaveForCamera = 0,
    kSaveForMms = 1,
    kSaveForEmail = 2,
};

// Outcome of the latest Generate, shown by the result dialog; 0 before the first.
namespace GenerationResult {
inline constexpr int kCameraFailed = 1;
inline constexpr int kCameraGenerated = 2;
inline constexpr int kMmsFailed = 11;
inline constexpr int kMmsGenerated = 12;
inline constexpr int kEmailFailed = 21;
inline constexpr int kEmailGenerated = 22;
}

// What the windows share besides each other.
struct SharedState {
    int LanguageIndex = 0; // block of the string catalogue; the language selector stays disabled
    int SaveLocationSelector = kSaveForCamera;
    int GenerationResult = 0;
    QString GenerationFailureReason; // the system's reason, when the latest Generate failed
};

// The six windows; each reaches the others through these references. The main window
// exists first; each of the others is built when it is first used, if the main
// window's first paint has not built it already.
struct Forms {
    TMMSMainForm *MMSMainForm = nullptr;
    LazyForm<TMMSSetupForm> MMSSetupForm;
    LazyForm<TForm_SelectSavePath> Form_SelectSavePath;
    LazyForm<TSystemSetupForm> SystemSetupForm;
    LazyForm<TSMTPSetupForm> SMTPSetupForm;
    LazyForm<TForm_SaveParamsResult> Form_SaveParamsResult;
};

inline SharedState g_shared;
inline Forms g_forms;

// Sets the application title and the look; call once after creating the QApplication.
void PrepareApplication();
// The start-up sequence of mms-setup, after the QApplication exists: the title and the
// look, the six windows, the main window shown, then the event loop until the program
// ends. Returns the event loop's exit code.
int RunProgram();

// The six windows: the main window first, so its FormCreate runs before any other
// window exists. The other five cost start-up more than the main window itself, so
// they are built in start-up order right after the main window's first paint, or
// earlier where one is used before; the windows' icon follows the first paint too.
// They live as long as this object; destroying it deletes them and clears g_forms
// and g_shared.
class FormSet {
public:
    FormSet();
    ~FormSet();
    FormSet(const FormSet &) = delete;
    FormSet &operator=(const FormSet &) = delete;

private:
    template <typename Form>
    Form *Create();
    template <typename Form>
    LazyForm<Form> BuiltOnFirstUse();
    void FinishAfterFirstPaint();

    std::vector<std::unique_ptr<QWidget>> m_windows;
};

// The folder the settings dialogs start with: the root of drive C: on Windows, the
// user's home folder elsewhere.
QString InitialSaveFolder();
// The folder and the file name joined by the platform's separator; a folder that
// already ends in one (a drive's root, such as "C:\" or "/") gets no second.
QString SaveFilePath(const QString &folder, const QString &fileName);

// Select of a settings dialog: remembers the caller, then shows the save-location
// dialog without waiting.
void OpenSaveLocationDialog(SaveLocationTarget caller);
// After a Generate: stores the result (and the reason of a failure), then shows the
// result dialog without waiting. A result dialog already open only comes to the front.
void ReportGeneration(int result, const QString &failureReason = QString());
