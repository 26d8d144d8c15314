#pragma once

#include <memory>
#include <vector>

class QWidget;
class SettingsDialog;
class TMMSMainForm;
class TMMSSetupForm;
class TForm_SelectSavePath;
class TSystemSetupForm;
class TSMTPSetupForm;
class TForm_SaveParamsResult;
enum class SaveLocationTarget : int;

// The six windows of the program.
struct Forms {
    TMMSMainForm *MMSMainForm = nullptr;
    TMMSSetupForm *MMSSetupForm = nullptr;
    TForm_SelectSavePath *Form_SelectSavePath = nullptr;
    TSystemSetupForm *SystemSetupForm = nullptr;
    TSMTPSetupForm *SMTPSetupForm = nullptr;
    TForm_SaveParamsResult *Form_SaveParamsResult = nullptr;
};

// Sets the application title and the look; call once after creating the QApplication.
void PrepareApplication();
// The start-up sequence of mms-setup, after the QApplication exists: the title and the
// look, the six windows, the main window shown, then the event loop until the program
// ends. Returns the event loop's exit code.
int RunProgram();

// The six windows, created in start-up order: the main window first, so its FormCreate
// runs before any other window exists. The other five cost start-up more than the main
// window itself, so they are built right after the main window's first paint, or
// earlier where one is needed before; the windows' icon follows the first paint too.
// This is the one place that wires them: no window knows another. They live as long
// as this object.
class FormSet {
public:
    FormSet();
    ~FormSet();
    FormSet(const FormSet &) = delete;
    FormSet &operator=(const FormSet &) = delete;

    TMMSMainForm *MainWindow() const { return m_forms.MMSMainForm; }
    // Every window, the five after the main one built first if they are not yet.
    const Forms &Windows();
    bool OtherWindowsBuilt() const { return m_forms.MMSSetupForm != nullptr; }

private:
    template <typename Form>
    Form *Create();
    void ConnectMainWindow();
    void BuildOtherWindows();
    void ConnectWindows();
    SettingsDialog *SettingsDialogFor(SaveLocationTarget target) const;

    Forms m_forms;
    std::vector<std::unique_ptr<QWidget>> m_windows;
};
