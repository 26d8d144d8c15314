// The start-up state of the program and its main window: model rule, window flow to
// the three settings dialogs, keyboard order and the end of the program.
#include "tests/support/FormsFixture.h"

#include "ui/TForm_SelectSavePath.h"
#include "ui/TMMSMainForm.h"
#include "ui/TSystemSetupForm.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <optional>

class TestMainWindow : public QObject {
    Q_OBJECT

private:
    QWidget *Main() const { return Windows().MMSMainForm; }
    QComboBox *ModelList() const { return Find<QComboBox>(Main(), "ComboBox_Camera_Model"); }
    bool IsEnabled(const char *buttonName) const { return Find<QPushButton>(Main(), buttonName)->isEnabled(); }
    static QWidget *Window(const QString &className);

    std::optional<FormsFixture> m_forms;

private slots:
    void init() { m_forms.emplace(); }
    void cleanup() { m_forms.reset(); }

    void startsEnglishWithTheLastModel();
    void logoIconAndFontsAreLoaded();
    void modelRule_data();
    void modelRule();
    void selectingInCodeRunsNoHandler();
    void setupButtonHandsOverToItsDialog_data();
    void setupButtonHandsOverToItsDialog();
    void tabOrderFollowsTheRows();
    void closingEndsTheProgramWhileDialogsAreOpen_data();
    void closingEndsTheProgramWhileDialogsAreOpen();
};

QWidget *TestMainWindow::Window(const QString &className)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (QLatin1String(window->metaObject()->className()) == className)
            return window;
    }
    qFatal("no window of class %s", qPrintable(className));
}

void TestMainWindow::startsEnglishWithTheLastModel()
{
    QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("MMS SETUP"));
    QCOMPARE(Main()->windowTitle(), QStringLiteral("TRELAN (V6.0)"));
    const auto *language = Find<QComboBox>(Main(), "ComboBox_Select_Language");
    QCOMPARE(language->currentText(), QStringLiteral("English"));
    QCOMPARE(language->count(), 2);
    QVERIFY(!language->isEnabled());
    QCOMPARE(ModelList()->currentText(), QStringLiteral("TK-300GE"));
    QVERIFY(IsEnabled("Button_Camera_Setup"));
    QVERIFY(IsEnabled("Button_MMS_Setup"));
    QVERIFY(IsEnabled("Button_Smtp_Setup")); // disabled until the model rule has run
    QVERIFY(!IsEnabled("Button_GetTheLatestUpdates"));
    for (QWidget *window : QApplication::topLevelWidgets())
        QCOMPARE(window->isVisible(), window == Main());
}

void TestMainWindow::logoIconAndFontsAreLoaded()
{
    // A logo that cannot be read leaves the picture empty.
    QVERIFY(!Find<QLabel>(Main(), "Logo")->pixmap().isNull());
    QTRY_VERIFY(!Main()->windowIcon().isNull()); // set once the main window has painted
    const QFont font = Find<QPushButton>(Main(), "Button_Exit")->font();
    QCOMPARE(font.pixelSize(), 16);
    QVERIFY(font.bold());
    if (!QFontDatabase::families().contains(QStringLiteral("MS Sans Serif")))
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
}

void TestMainWindow::modelRule_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<bool>("mmsEnabled");
    QTest::addColumn<bool>("smtpEnabled");
    QTest::newRow("TK-300") << 0 << false << false;
    QTest::newRow("TK-300G") << 1 << true << false;
    QTest::newRow("TK-300GE") << 2 << true << true;
    QTest::newRow("no selection") << -1 << true << true;
}

void TestMainWindow::modelRule()
{
    QFETCH(int, model);
    QFETCH(bool, mmsEnabled);
    QFETCH(bool, smtpEnabled);
    for (int before : {0, 2}) { // from both buttons disabled and both enabled
        Pick(ModelList(), before);
        Pick(ModelList(), model);
        QCOMPARE(IsEnabled("Button_MMS_Setup"), mmsEnabled);
        QCOMPARE(IsEnabled("Button_Smtp_Setup"), smtpEnabled);
        QVERIFY(IsEnabled("Button_Camera_Setup"));
    }
}

void TestMainWindow::selectingInCodeRunsNoHandler()
{
    ModelList()->setCurrentIndex(0);
    QVERIFY(IsEnabled("Button_MMS_Setup"));
    QVERIFY(IsEnabled("Button_Smtp_Setup"));
}

void TestMainWindow::setupButtonHandsOverToItsDialog_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QString>("dialogClass");
    QTest::addColumn<int>("model");
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow("camera, Exit") << QByteArray("Button_Camera_Setup") << "TSystemSetupForm" << 0 << false;
    QTest::newRow("camera, close box") << QByteArray("Button_Camera_Setup") << "TSystemSetupForm" << 0 << true;
    QTest::newRow("MMS, Exit") << QByteArray("Button_MMS_Setup") << "TMMSSetupForm" << 1 << false;
    QTest::newRow("MMS, close box") << QByteArray("Button_MMS_Setup") << "TMMSSetupForm" << 1 << true;
    QTest::newRow("e-mail, Exit") << QByteArray("Button_Smtp_Setup") << "TSMTPSetupForm" << 2 << false;
    QTest::newRow("e-mail, close box") << QByteArray("Button_Smtp_Setup") << "TSMTPSetupForm" << 2 << true;
}

void TestMainWindow::setupButtonHandsOverToItsDialog()
{
    QFETCH(QByteArray, button);
    QFETCH(QString, dialogClass);
    QFETCH(int, model);
    QFETCH(bool, byCloseBox);
    Pick(ModelList(), model);
    const bool mmsBefore = IsEnabled("Button_MMS_Setup");
    const bool smtpBefore = IsEnabled("Button_Smtp_Setup");

    Click(Main(), button.constData());
    QWidget *dialog = Window(dialogClass);
    QVERIFY(dialog->isVisible());
    QVERIFY(!Main()->isVisible());

    if (byCloseBox)
        dialog->close();
    else
        Click(dialog, "Button_Exit");
    QVERIFY(!dialog->isVisible());
    QVERIFY(Main()->isVisible());
    QCOMPARE(ModelList()->currentIndex(), model);
    QCOMPARE(IsEnabled("Button_MMS_Setup"), mmsBefore);
    QCOMPARE(IsEnabled("Button_Smtp_Setup"), smtpBefore);
}

void TestMainWindow::tabOrderFollowsTheRows()
{
    Main()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Main()));
    ModelList()->setFocus(Qt::TabFocusReason);
    // The language list and the updates button are disabled and take no focus.
    const QStringList expected = {QStringLiteral("Button_Camera_Setup"), QStringLiteral("Button_MMS_Setup"),
                                  QStringLiteral("Button_Smtp_Setup"), QStringLiteral("Button_Exit"),
                                  QStringLiteral("ComboBox_Camera_Model")};
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited += QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

void TestMainWindow::closingEndsTheProgramWhileDialogsAreOpen_data()
{
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow("Exit") << false;
    QTest::newRow("close box") << true;
}

void TestMainWindow::closingEndsTheProgramWhileDialogsAreOpen()
{
    QFETCH(bool, byCloseBox);
    // The camera dialog's Select leaves the save-location dialog open after its Exit.
    Click(Main(), "Button_Camera_Setup");
    Click(Windows().SystemSetupForm, "Button_Select");
    Click(Windows().SystemSetupForm, "Button_Exit");
    QVERIFY(Windows().Form_SelectSavePath->isVisible());

    QTimer closer;
    closer.setSingleShot(true);
    connect(&closer, &QTimer::timeout, this, [&] {
        if (byCloseBox)
            Main()->close();
        else
            Click(Main(), "Button_Exit");
    });
    QTimer stuck;
    connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    closer.start(0);
    stuck.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!Main()->isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
