// Start-up: the main window is painted before the other five windows are built, each
// of its buttons works at once all the same, and nothing at start loads an
// image-format plugin.
#include "tests/support/FormsFixture.h"

#include "ui/TMMSMainForm.h"

#include <QApplication>
#include <QFile>
#include <QTest>

#include <optional>

namespace {

// Notes whether the five windows after the main one exist when the main window first
// paints.
class FirstPaintWatch : public QObject {
public:
    explicit FirstPaintWatch(const FormSet &forms) : m_forms(forms) {}
    std::optional<bool> builtAtFirstPaint;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !builtAtFirstPaint)
            builtAtFirstPaint = m_forms.OtherWindowsBuilt();
        return false;
    }

private:
    const FormSet &m_forms;
};

// The shared libraries mapped into this process; empty where the system does not say.
QByteArray MappedFiles()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) ? maps.readAll() : QByteArray();
}

} // namespace

class TestStartUp : public QObject {
    Q_OBJECT
private slots:
    void mainWindowPaintsFirst();
    void everyButtonWorksAtOnce_data();
    void everyButtonWorksAtOnce();
};

// First in this program, so that nothing before it has loaded a plugin.
void TestStartUp::mainWindowPaintsFirst()
{
    FormsFixture forms;
    const FormSet &set = forms.Set();
    QVERIFY(!set.OtherWindowsBuilt());
    FirstPaintWatch watch(set);
    set.MainWindow()->installEventFilter(&watch);
    QVERIFY(QTest::qWaitForWindowExposed(set.MainWindow()));
    QTRY_VERIFY(watch.builtAtFirstPaint.has_value());
    QVERIFY(!*watch.builtAtFirstPaint);
    QTRY_VERIFY(set.OtherWindowsBuilt());

    const QByteArray mapped = MappedFiles();
    if (mapped.isEmpty())
        QSKIP("this system does not list a process's libraries");
    QVERIFY(mapped.contains("libQt6Gui"));
    QVERIFY2(!mapped.contains("/imageformats/"), "an image-format plugin was loaded");
}

void TestStartUp::everyButtonWorksAtOnce_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QByteArray>("opens"); // the class of the window shown instead, if any
    QTest::newRow("Camera Setup") << QByteArray("Button_Camera_Setup") << QByteArray("TSystemSetupForm");
    QTest::newRow("MMS Setup") << QByteArray("Button_MMS_Setup") << QByteArray("TMMSSetupForm");
    QTest::newRow("Smtp Setup") << QByteArray("Button_Smtp_Setup") << QByteArray("TSMTPSetupForm");
    QTest::newRow("Exit") << QByteArray("Button_Exit") << QByteArray();
}

// Pressed before the event loop has run once, so before the main window has painted.
void TestStartUp::everyButtonWorksAtOnce()
{
    QFETCH(QByteArray, button);
    QFETCH(QByteArray, opens);
    FormsFixture forms;
    TMMSMainForm *main = forms.Set().MainWindow();
    QVERIFY(!forms.Set().OtherWindowsBuilt());
    Click(main, button.constData());
    QVERIFY(!main->isVisible());
    QWidget *shown = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            shown = window;
    }
    QCOMPARE(shown ? QByteArray(shown->metaObject()->className()) : QByteArray(), opens);
}

QTEST_MAIN(TestStartUp)
#include "TestStartUp.moc"
