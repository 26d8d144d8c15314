// What a screen reader and a keyboard get from every window: each control's name (its
// label, or a name of its own where no label stands beside it), the windows' roles and
// names, the result announced as an alert; Escape, Enter on a focused button, and the
// focus when a window is shown.
#include "tests/support/FormsFixture.h"

#include "ui/TForm_SaveParamsResult.h"
#include "ui/TForm_SelectSavePath.h"
#include "ui/TMMSMainForm.h"
#include "ui/TMMSSetupForm.h"
#include "ui/TSMTPSetupForm.h"
#include "ui/TSystemSetupForm.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

enum class Window { Main, Camera, Mms, Email, SaveLocation, Result };

QWidget *WindowOf(Window window)
{
    const Forms &w = Windows();
    switch (window) {
    case Window::Main:
        return w.MMSMainForm;
    case Window::Camera:
        return w.SystemSetupForm;
    case Window::Mms:
        return w.MMSSetupForm;
    case Window::Email:
        return w.SMTPSetupForm;
    case Window::SaveLocation:
        return w.Form_SelectSavePath;
    case Window::Result:
        break;
    }
    return w.Form_SaveParamsResult;
}

// Shows the window as a user opens it: the camera dialog's Select for the
// save-location dialog, its Generate for the result dialog.
void Show(Window window)
{
    const Forms &w = Windows();
    switch (window) {
    case Window::Main:
        return;
    case Window::Camera:
    case Window::SaveLocation:
    case Window::Result:
        Click(w.MMSMainForm, "Button_Camera_Setup");
        break;
    case Window::Mms:
        Click(w.MMSMainForm, "Button_MMS_Setup");
        return;
    case Window::Email:
        Click(w.MMSMainForm, "Button_Smtp_Setup");
        return;
    }
    if (window == Window::SaveLocation)
        Click(w.SystemSetupForm, "Button_Select");
    if (window == Window::Result)
        Click(w.SystemSetupForm, "Button_Generate");
}

// Shows the window and waits until it is the active one.
bool ShowActive(Window window)
{
    Show(window);
    return QTest::qWaitForWindowActive(WindowOf(window));
}

QAccessibleInterface *Accessible(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

// The label a control is labelled by (a group box around it is a label of another kind).
QAccessibleInterface *LabelOf(QWidget *control)
{
    for (const auto &[label, relation] : Accessible(control)->relations(QAccessible::Label)) {
        if (qobject_cast<QLabel *>(label->object()))
            return label;
    }
    return nullptr;
}

// What a screen reader calls a control: its name; for a drop-down list, whose name is
// its current entry, the label it is labelled by.
QString SpokenName(QWidget *control)
{
    if (!qobject_cast<QComboBox *>(control))
        return Accessible(control)->text(QAccessible::Name);
    const QAccessibleInterface *label = LabelOf(control);
    return label ? label->text(QAccessible::Name) : QString();
}

// The controls a user operates or reads: lists, fields and buttons that the window shows.
QList<QWidget *> OperatedControls(QWidget *window)
{
    QList<QWidget *> controls;
    for (QWidget *child : window->findChildren<QWidget *>()) {
        const bool operated = qobject_cast<QComboBox *>(child) || qobject_cast<QLineEdit *>(child)
            || qobject_cast<QPushButton *>(child) || qobject_cast<QListWidget *>(child);
        // A drop-down list's own line edit and view are parts of the list.
        if (operated && child->isVisibleTo(window) && !qobject_cast<QComboBox *>(child->parentWidget()))
            controls += child;
    }
    return controls;
}

const QList<Window> kAllWindows = {Window::Main,  Window::Camera,       Window::Mms,
                                   Window::Email, Window::SaveLocation, Window::Result};
const char *const kWindowTags[] = {"main", "camera", "MMS", "e-mail", "save location", "result"};

} // namespace

Q_DECLARE_METATYPE(Window)

class TestAccessibility : public QObject {
    Q_OBJECT

private:
    std::optional<FormsFixture> m_forms;
    std::optional<QTemporaryDir> m_saveFolder;

    static void AddWindowRows();

private slots:
    void init();
    void cleanup();

    void windowsAreNamed_data();
    void windowsAreNamed();
    void controlsAreNamed_data();
    void controlsAreNamed();
    void everyControlHasAName_data() { AddWindowRows(); }
    void everyControlHasAName();
    void resultIsAnAlertWithItsMessage();
    void numberFieldDescribesZero();

    void escapeClosesLikeItsButton_data();
    void escapeClosesLikeItsButton();
    void enterPressesTheFocusedButtonOnly();
    void shownWindowTakesTheFocus_data();
    void shownWindowTakesTheFocus();
    void clockIsReadOnlyAndReachedByTab();
};

void TestAccessibility::init()
{
    m_forms.emplace();
    m_saveFolder.emplace();
    const QString folder = QDir::toNativeSeparators(m_saveFolder->path());
    for (QWidget *dialog :
         {static_cast<QWidget *>(Windows().SystemSetupForm), static_cast<QWidget *>(Windows().MMSSetupForm),
          static_cast<QWidget *>(Windows().SMTPSetupForm)})
        Find<QLineEdit>(dialog, "Edit_SavePath")->setText(folder);
}

void TestAccessibility::cleanup()
{
    m_forms.reset();
    m_saveFolder.reset();
}

void TestAccessibility::AddWindowRows()
{
    QTest::addColumn<Window>("window");
    for (Window window : kAllWindows)
        QTest::newRow(kWindowTags[int(window)]) << window;
}

void TestAccessibility::windowsAreNamed_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    QTest::newRow("main") << Window::Main << QAccessible::Window << "TRELAN (V6.0)";
    QTest::newRow("camera") << Window::Camera << QAccessible::Dialog << "Camera Setup";
    QTest::newRow("MMS") << Window::Mms << QAccessible::Dialog << "MMS Setup";
    QTest::newRow("e-mail") << Window::Email << QAccessible::Dialog << "Smtp Setup";
    // Neither small dialog has a title.
    QTest::newRow("save location") << Window::SaveLocation << QAccessible::Dialog << "Choose the save folder";
    QTest::newRow("result") << Window::Result << QAccessible::AlertMessage << "Generate result";
}

void TestAccessibility::windowsAreNamed()
{
    QFETCH(Window, window);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    Show(window);
    QAccessibleInterface *accessible = Accessible(WindowOf(window));
    QCOMPARE(accessible->role(), role);
    QCOMPARE(accessible->text(QAccessible::Name), name);
}

// clang-format off
void TestAccessibility::controlsAreNamed_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QByteArray>("control");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    const auto row = [](Window window, const char *control, QAccessible::Role role, const char *name) {
        QTest::addRow("%s %s", kWindowTags[int(window)], control) << window << QByteArray(control) << role
                                                                  << QString::fromUtf8(name);
    };
    constexpr auto List = QAccessible::ComboBox;
    constexpr auto Field = QAccessible::EditableText;
    constexpr auto Button = QAccessible::Button;

    row(Window::Main, "ComboBox_Select_Language", List, "Select Language");
    row(Window::Main, "ComboBox_Camera_Model", List, "Camera Model");
    row(Window::Main, "Button_Camera_Setup", Button, "Camera Setup");
    row(Window::Main, "Logo", QAccessible::Graphic, "Logo");

    row(Window::Camera, "ComboBox_Mode", List, "Mode");
    row(Window::Camera, "ComboBox_Beep", List, "Beep");
    row(Window::Camera, "ComboBox_SetClock_DateFormat", List, "Set Clock");
    row(Window::Camera, "Edit_SetClock", Field, "Camera clock");
    row(Window::Camera, "ComboBox_Interval_Second", List, "Sec");
    row(Window::Camera, "ComboBox_TimeLapse_Hour", List, "Hour");
    row(Window::Camera, "ComboBox_SerialNo_OnOff", List, "Serial NO");
    row(Window::Camera, "ComboBox_SerialNo_Char3", List, "Serial number character 3");
    row(Window::Camera, "ComboBox_Timer_Start2_Hour", List, "Timer 2 start hour");
    row(Window::Camera, "ComboBox_Timer_End4_Minute", List, "Timer 4 end minute");
    row(Window::Camera, "Edit_SavePath", Field, "Save folder");
    row(Window::Camera, "Button_Default", Button, "Default");

    // No field takes the title of the group box it stands in.
    row(Window::Mms, "ComboBox_MMSMode", List, "MMS Mode");
    row(Window::Mms, "ComboBox_DailyReport_Hour", List, "Hour");
    row(Window::Mms, "ComboBox_Operator", List, "Operator");
    row(Window::Mms, "Edit_MMSNumberPerDay", Field, "MMS Number/Day");
    row(Window::Mms, "Edit_URL", Field, "URL");
    row(Window::Mms, "Edit_AccountPassword", Field, "Password");
    row(Window::Mms, "Edit_Mobile1", Field, "Mobile 1");
    row(Window::Mms, "Edit_Email4", Field, "Email 4");
    row(Window::Mms, "Edit_SavePath", Field, "Save folder");

    row(Window::Email, "ComboBox_MMSMode", List, "SMTP Mode");
    row(Window::Email, "ComboBox_MMSStatus", List, "GPRS Status");
    row(Window::Email, "Edit_APN", Field, "APN");
    row(Window::Email, "Edit_Account", Field, "Account");
    row(Window::Email, "Edit_SmtpServer", Field, "Smtp Server");
    row(Window::Email, "MaskEdit_SenderPassword", Field, "Password");
    row(Window::Email, "Edit_Email2", Field, "Email 2");
    row(Window::Email, "Edit_SavePath", Field, "Save folder");

    row(Window::SaveLocation, "DriveComboBox_Mid", List, "Drive");
    row(Window::SaveLocation, "DirectoryListBox_Mid", QAccessible::List, "Folders");
    row(Window::SaveLocation, "Button_Exit", Button, "ok");
    row(Window::SaveLocation, "Button_Cancel", Button, "Cancel");

    row(Window::Result, "Button_Exit", Button, "ok");
}
// clang-format on

void TestAccessibility::controlsAreNamed()
{
    QFETCH(Window, window);
    QFETCH(QByteArray, control);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    Show(window);
    QWidget *widget = Find(WindowOf(window), control.constData());
    QCOMPARE(Accessible(widget)->role(), role);
    QCOMPARE(SpokenName(widget), name);
    // A caption beside a control is tied to it, so a screen reader reads them together.
    if (const QAccessibleInterface *label = LabelOf(widget))
        QCOMPARE(label->text(QAccessible::Name), name);
}

// No control goes nameless (a list without a label would be read by its current entry
// alone) or borrows its group box's title.
void TestAccessibility::everyControlHasAName()
{
    QFETCH(Window, window);
    Show(window);
    QWidget *form = WindowOf(window);
    QStringList groupTitles;
    for (const QGroupBox *group : form->findChildren<QGroupBox *>())
        groupTitles += group->title();
    const QList<QWidget *> controls = OperatedControls(form);
    QVERIFY(!controls.isEmpty());
    for (QWidget *control : controls) {
        const QString name = SpokenName(control);
        QVERIFY2(!name.isEmpty(), control->objectName().toLatin1());
        QVERIFY2(!groupTitles.contains(name), control->objectName().toLatin1());
    }
}

void TestAccessibility::resultIsAnAlertWithItsMessage()
{
    Show(Window::Result);
    // The reason line is labelled by the message it explains.
    const QAccessibleInterface *reasonLabel = LabelOf(Find(WindowOf(Window::Result), "Label_FailureReason"));
    QVERIFY(reasonLabel);
    QCOMPARE(reasonLabel->object(), Find(WindowOf(Window::Result), "Label_SaveParamsResult"));
    QCOMPARE(Accessible(WindowOf(Window::Result))->text(QAccessible::Description),
             QStringLiteral("System configuration file has been generated."));

    // A failure carries the system's reason too.
    Click(WindowOf(Window::Result), "Button_Exit");
    Windows().SystemSetupForm->SavePathEdit()->setText(m_saveFolder->filePath(QStringLiteral("missing")));
    Click(Windows().SystemSetupForm, "Button_Generate");
    const QString description = Accessible(WindowOf(Window::Result))->text(QAccessible::Description);
    QVERIFY2(description.startsWith(QStringLiteral("System configuration file has been failed.\n")),
             qPrintable(description));
    QVERIFY(description.size() > QStringLiteral("System configuration file has been failed.\n").size());
}

void TestAccessibility::numberFieldDescribesZero()
{
    for (Window window : {Window::Mms, Window::Email}) {
        Show(window);
        QCOMPARE(Accessible(Find(WindowOf(window), "Edit_MMSNumberPerDay"))->text(QAccessible::Description),
                 QStringLiteral("Note: 0 = Unlimited"));
        Click(WindowOf(window), "Button_Exit");
    }
}

void TestAccessibility::escapeClosesLikeItsButton_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<bool>("mainComesBack");
    QTest::newRow("camera") << Window::Camera << true;
    QTest::newRow("MMS") << Window::Mms << true;
    QTest::newRow("e-mail") << Window::Email << true;
    QTest::newRow("save location") << Window::SaveLocation << false;
    QTest::newRow("result") << Window::Result << false;
}

void TestAccessibility::escapeClosesLikeItsButton()
{
    QFETCH(Window, window);
    QFETCH(bool, mainComesBack);
    QVERIFY(ShowActive(window));
    QWidget *form = WindowOf(window);
    QSignalSpy chosen(Windows().Form_SelectSavePath, &TForm_SelectSavePath::folderChosen);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!form->isVisible());
    QCOMPARE(Windows().MMSMainForm->isVisible(), mainComesBack);
    QCOMPARE(chosen.count(), 0); // Escape is Cancel, not OK
}

void TestAccessibility::enterPressesTheFocusedButtonOnly()
{
    Show(Window::Camera);
    QWidget *dialog = WindowOf(Window::Camera);
    auto *defaultButton = Find<QPushButton>(dialog, "Button_Default");
    QSignalSpy pressed(defaultButton, &QPushButton::clicked);
    defaultButton->setFocus();
    QTest::keyClick(defaultButton, Qt::Key_Return);
    QTest::keyClick(defaultButton, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(pressed.count(), 2);

    // Enter in a field presses nothing: no button is the dialog's default.
    Show(Window::Mms);
    QSignalSpy generated(Windows().MMSSetupForm, &SettingsDialog::generated);
    auto *mobile = Find<QLineEdit>(WindowOf(Window::Mms), "Edit_Mobile1");
    mobile->setFocus();
    QTest::keyClick(mobile, Qt::Key_Return);
    QCOMPARE(generated.count(), 0);
    QVERIFY(WindowOf(Window::Mms)->isVisible());
}

void TestAccessibility::shownWindowTakesTheFocus_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QByteArray>("first");
    // The main window's language list is disabled, so the model list comes first.
    QTest::newRow("main") << Window::Main << QByteArray("ComboBox_Camera_Model");
    QTest::newRow("camera") << Window::Camera << QByteArray("ComboBox_Mode");
    QTest::newRow("MMS") << Window::Mms << QByteArray("ComboBox_MMSMode");
    QTest::newRow("e-mail") << Window::Email << QByteArray("ComboBox_MMSMode");
    QTest::newRow("save location") << Window::SaveLocation << QByteArray("DriveComboBox_Mid");
    QTest::newRow("result") << Window::Result << QByteArray("Button_Exit");
}

void TestAccessibility::shownWindowTakesTheFocus()
{
    QFETCH(Window, window);
    QFETCH(QByteArray, first);
    QVERIFY(ShowActive(window));
    QWidget *form = WindowOf(window);
    QCOMPARE(QApplication::focusWidget(), Find(form, first.constData()));
}

void TestAccessibility::clockIsReadOnlyAndReachedByTab()
{
    Show(Window::Camera);
    QWidget *dialog = WindowOf(Window::Camera);
    auto *clock = Find<QLineEdit>(dialog, "Edit_SetClock");
    QVERIFY(clock->isEnabled());
    QVERIFY(clock->isReadOnly());
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    Find(dialog, "ComboBox_SetClock_DateFormat")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), clock);
}

QTEST_MAIN(TestAccessibility)
#include "TestAccessibility.moc"
