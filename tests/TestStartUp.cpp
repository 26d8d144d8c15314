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

// Which of the five windows after the main one exist.
QList<bool> HiddenWindowsBuilt()
{
    return {g_forms.MMSSetupForm.IsBuilt(), g_forms.Form_SelectSavePath.IsBuilt(), g_forms.SystemSetupForm.IsBuilt(),
            g_forms.SMTPSetupForm.IsBuilt(), g_forms.Form_SaveParamsResult.IsBuilt()};
}

const QList<bool> kNoneBuilt(5, false);
const QList<bool> kAllBuilt(5, true);

// Notes which windows exist when the main window first paints.
class FirstPaintWatch : public QObject {
public:
    std::optional<QList<bool>> builtAtFirstPaint;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !builtAtFirstPaint)
            builtAtFirstPaint = HiddenWindowsBuilt();
        return false;
    }
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
    QCOMPARE(HiddenWindowsBuilt(), kNoneBuilt);
    FirstPaintWatch watch;
    g_forms.MMSMainForm->installEventFilter(&watch);
    QVERIFY(QTest::qWaitForWindowExposed(g_forms.MMSMainForm));
    QTRY_VERIFY(watch.builtAtFirstPaint.has_value());
    QCOMPARE(*watch.builtAtFirstPaint, kNoneBuilt);
    QTRY_COMPARE(HiddenWindowsBuilt(), kAllBuilt);

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
    Click(g_forms.MMSMainForm, button.constData());
    QVERIFY(!g_forms.MMSMainForm->isVisible());
    QWidget *shown = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            shown = window;
    }
    QCOMPARE(shown ? QByteArray(shown->metaObject()->className()) : QByteArray(), opens);
}

QTEST_MAIN(TestStartUp)
#include "TestStartUp.moc"
