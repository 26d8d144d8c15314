// The camera settings dialog: lists and show positions, the captured clock, Default,
// the enabling rules, Generate and its result, and typing in the lists.
#include "tests/support/FormsFixture.h"
#include "tests/support/TestSupport.h"

#include "ui/FormLook.h"
#include "ui/TForm_SaveParamsResult.h"
#include "ui/TMMSMainForm.h"
#include "ui/TSystemSetupForm.h"

#include "settings/CameraFields.h"
#include "settings/CameraSettings.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

QStringList Numbers(int count)
{
    QStringList items;
    for (int n = 0; n < count; ++n)
        items += QString::number(n);
    return items;
}

QStringList SerialCharacters()
{
    return Numbers(10) + QStringLiteral("A B C D E F G H I J K L M N O P Q R S T U V W X Y Z").split(QLatin1Char(' '));
}

const QDateTime kShowTime(QDate(2031, 12, 9), QTime(9, 5, 7));
const QDateTime kLaterTime(QDate(2032, 2, 29), QTime(23, 59, 58));

} // namespace

class TestCameraDialog : public QObject {
    Q_OBJECT

private:
    QWidget *Dialog() const { return Windows().SystemSetupForm; }
    QComboBox *List(const char *name) const { return Find<QComboBox>(Dialog(), name); }
    QString ClockText() const { return Find<QLineEdit>(Dialog(), "Edit_SetClock")->text(); }
    void Open() { Click(Windows().MMSMainForm, "Button_Camera_Setup"); }
    void Reopen()
    {
        Click(Dialog(), "Button_Exit");
        Open();
    }
    QString SaveInto(const QTemporaryDir &folder);

    std::optional<FormsFixture> m_forms;
    QDateTime m_now = kShowTime;

private slots:
    void init();
    void cleanup() { m_forms.reset(); }

    void showFillsTheListsAndSelects_data();
    void showFillsTheListsAndSelects();
    void captionsComeFromTheCatalogue();
    void simpleSettingsAgreeWithTheCore();
    void reshowStartsAgain();
    void defaultResetsTheClock();
    void dateOrderCapturesTheClockAnew_data();
    void dateOrderCapturesTheClockAnew();
    void getTimeCapturesTheClock();
    void enablingRule_data();
    void enablingRule();
    void enablingRulesHoldAfterReshowAndDefault();
    void saveFolderStartsAtHome();
    void saveFilePath_data();
    void saveFilePath();
    void generateAfterDefaultWritesTheWorkedExample();
    void generateWritesTheClockCapturedBefore();
    void failedGenerateShowsTheReason();
    void generateWhileTheResultIsOpenOnlyRaisesIt();
    void tabOrderFollowsTheArrangement();
    void typedKeysAreDiscarded_data();
    void typedKeysAreDiscarded();
};

void TestCameraDialog::init()
{
    m_forms.emplace();
    m_now = kShowTime;
    Windows().SystemSetupForm->SetClockSource([this] { return m_now; });
    Open();
}

QString TestCameraDialog::SaveInto(const QTemporaryDir &folder)
{
    Windows().SystemSetupForm->SavePathEdit()->setText(QDir::toNativeSeparators(folder.path()));
    return folder.filePath(QString::fromLatin1(mms::kCameraSetupFileName));
}

void TestCameraDialog::showFillsTheListsAndSelects_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("shown");
    const QStringList onOff = {QStringLiteral("On"), QStringLiteral("Off")};
    QTest::newRow("mode") << QByteArray("ComboBox_Mode") << QStringList{"Camera", "Video", "Camera+Video"} << 0;
    QTest::newRow("photo size") << QByteArray("ComboBox_PhotoSize") << QStringList{"12MP", "8MP", "5MP"} << 0;
    QTest::newRow("video size") << QByteArray("ComboBox_VideoSize") << QStringList{"1080P", "720P", "VGA"} << 0;
    QTest::newRow("burst") << QByteArray("ComboBox_ImageBurst")
                           << QStringList{"1 Photo", "2 Photo", "3 Photo", "4 Photo", "5 Photo"} << 0;
    QTest::newRow("video length") << QByteArray("ComboBox_VideoLength") << QStringList{"10s", "20s", "30s", "60s"} << 0;
    QTest::newRow("beep, Off first") << QByteArray("ComboBox_Beep") << QStringList{"Off", "On"} << 1;
    QTest::newRow("sense level") << QByteArray("ComboBox_SenseLevel") << QStringList{"Low", "Medium", "High"} << 1;
    QTest::newRow("TV") << QByteArray("ComboBox_TV") << QStringList{"NTSC", "PAL"} << 1;
    QTest::newRow("time stamp") << QByteArray("ComboBox_TimeStamp") << onOff << 0;
    QTest::newRow("cycling save") << QByteArray("ComboBox_CyclingSave") << onOff << 1;
    QTest::newRow("date order") << QByteArray("ComboBox_SetClock_DateFormat") << QStringList{"Y/M/D", "D/M/Y", "M/D/Y"}
                                << 1;
    QTest::newRow("interval") << QByteArray("ComboBox_Interval_OnOff") << onOff << 1;
    QTest::newRow("interval minute") << QByteArray("ComboBox_Interval_Minute") << Numbers(60) << 0;
    QTest::newRow("interval second") << QByteArray("ComboBox_Interval_Second") << Numbers(60) << 0;
    QTest::newRow("time lapse") << QByteArray("ComboBox_TimeLapse_OnOff") << onOff << 1;
    QTest::newRow("time lapse hour") << QByteArray("ComboBox_TimeLapse_Hour") << Numbers(24) << 0;
    QTest::newRow("time lapse minute") << QByteArray("ComboBox_TimeLapse_Minute") << Numbers(60) << 0;
    QTest::newRow("serial number") << QByteArray("ComboBox_SerialNo_OnOff") << onOff << 0;
    QTest::newRow("serial T") << QByteArray("ComboBox_SerialNo_Char1") << SerialCharacters() << 29;
    QTest::newRow("serial E") << QByteArray("ComboBox_SerialNo_Char2") << SerialCharacters() << 14;
    QTest::newRow("serial S") << QByteArray("ComboBox_SerialNo_Char3") << SerialCharacters() << 28;
    QTest::newRow("serial T again") << QByteArray("ComboBox_SerialNo_Char4") << SerialCharacters() << 29;
    QTest::newRow("timer") << QByteArray("ComboBox_Timer_OnOff") << onOff << 1;
    QTest::newRow("timer start hour") << QByteArray("ComboBox_Timer_Start1_Hour") << Numbers(24) << 0;
    QTest::newRow("timer end minute") << QByteArray("ComboBox_Timer_End4_Minute") << Numbers(60) << 0;
}

void TestCameraDialog::showFillsTheListsAndSelects()
{
    QFETCH(QByteArray, list);
    QFETCH(QStringList, items);
    QFETCH(int, shown);
    QCOMPARE(ListItems(List(list.constData())), items);
    QCOMPARE(List(list.constData())->currentIndex(), shown);
}

void TestCameraDialog::captionsComeFromTheCatalogue()
{
    const QList<std::pair<const char *, QString>> captions = {
        // clang-format off
        {"Label_Mode", "Mode"},           {"Label_PhotoSize", "Photo Size"},
        {"Label_VideoSize", "Video Size"}, {"Label_ImageBurst", "Image Burst"},
        {"Label_VideoLength", "Video Length"}, {"Label_Beep", "Beep"},
        {"Label_SenseLevel", "Sense Level"}, {"Label_TV", "TV"},
        {"Label_TimeStamp", "Time Stamp"}, {"Label_SetClock", "Set Clock"},
        {"Label_Interval_OnOff", "Interval"}, {"Label_Interval_Minute", "Min"},
        {"Label_Interval_Second", "Sec"}, {"Label_TimeLapse_OnOff", "Time Lapse"},
        {"Label_TimeLapse_Hour", "Hour"}, {"Label_SerialNo_OnOff", "Serial NO"},
        {"Label_Timer_OnOff", "Timer"},   {"Label_Timer_Start", "Start"},
        {"Label_Timer_End", "End"},       {"Label_Timer_End_Minute", "Min"},
    };
    // clang-format on
    for (const auto &[name, text] : captions)
        QCOMPARE(Find<QLabel>(Dialog(), name)->text(), text);
    const QList<std::pair<const char *, QString>> buttons = {
        {"Button_GetTime", "Get Time"}, {"Button_Select", "Select"}, {"Button_Generate", "Generate"},
        {"Button_Default", "Default"},  {"Button_Exit", "Exit"},
    };
    for (const auto &[name, text] : buttons)
        QCOMPARE(Find<QPushButton>(Dialog(), name)->text(), text);
    QCOMPARE(Dialog()->windowTitle(), QStringLiteral("Camera Setup"));
    QVERIFY(!Find<QWidget>(Dialog(), "Panel_CyclingSave")->isVisible());
}

// Each simple list offers as many entries as the core's description of its setting,
// and its position is the byte of that setting in the file.
void TestCameraDialog::simpleSettingsAgreeWithTheCore()
{
    const auto coreCount = [](uint8_t mms::CameraSettings::*member) {
        if (member == &mms::CameraSettings::ImageBurst)
            return mms::kImageBurstMax;
        for (const mms::CameraChoiceField &field : mms::CameraChoiceFields()) {
            if (field.member == member)
                return int(field.choices.size());
        }
        return -1;
    };
    for (const CameraSimpleSetting &setting : CameraSimpleSettings()) {
        QComboBox *list = List(setting.BoxName);
        QCOMPARE(list->count(), coreCount(setting.Member));
        Pick(list, list->count() - 1);
    }
    QTemporaryDir folder;
    const QString path = SaveInto(folder);
    Click(Dialog(), "Button_Generate");
    mms::CameraSettings written = mms::DecodeCameraSetupFile(ToBytes(ReadFile(path))).record;
    for (const CameraSimpleSetting &setting : CameraSimpleSettings())
        QVERIFY2(written.*setting.Member == List(setting.BoxName)->count() - 1, setting.BoxName);
}

void TestCameraDialog::reshowStartsAgain()
{
    Pick(List("ComboBox_Mode"), 2);
    Pick(List("ComboBox_Interval_OnOff"), 0);
    Pick(List("ComboBox_Interval_Minute"), 5);
    Pick(List("ComboBox_SerialNo_OnOff"), 1);
    m_now = kLaterTime;
    Reopen();
    QCOMPARE(List("ComboBox_Mode")->currentIndex(), 0);
    QCOMPARE(List("ComboBox_Interval_OnOff")->currentIndex(), 1);
    QCOMPARE(List("ComboBox_Interval_Minute")->currentIndex(), 0);
    QCOMPARE(List("ComboBox_SerialNo_Char1")->currentText(), QStringLiteral("T"));
    QCOMPARE(ClockText(), QStringLiteral("    29/2/2032  23:59:58"));
}

void TestCameraDialog::defaultResetsTheClock()
{
    QCOMPARE(ClockText(), QStringLiteral("    9/12/2031  9:5:7")); // captured at show, D/M/Y
    Pick(List("ComboBox_Beep"), 0);
    Pick(List("ComboBox_SetClock_DateFormat"), 2);
    Click(Dialog(), "Button_Default");
    QCOMPARE(ClockText(), QStringLiteral("    1/1/2012  0:0:0"));
    QCOMPARE(List("ComboBox_Beep")->currentIndex(), 1);
    QCOMPARE(List("ComboBox_SetClock_DateFormat")->currentIndex(), 1);
}

void TestCameraDialog::dateOrderCapturesTheClockAnew_data()
{
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("clock");
    QTest::newRow("Y/M/D") << 0 << "    2032/2/29  23:59:58";
    QTest::newRow("D/M/Y, picked again") << 1 << "    29/2/2032  23:59:58";
    QTest::newRow("M/D/Y") << 2 << "    2/29/2032  23:59:58";
}

void TestCameraDialog::dateOrderCapturesTheClockAnew()
{
    QFETCH(int, order);
    QFETCH(QString, clock);
    Click(Dialog(), "Button_Default");
    m_now = kLaterTime;
    Pick(List("ComboBox_SetClock_DateFormat"), order);
    QCOMPARE(ClockText(), clock);
}

void TestCameraDialog::getTimeCapturesTheClock()
{
    Click(Dialog(), "Button_Default");
    m_now = kLaterTime;
    Click(Dialog(), "Button_GetTime");
    QCOMPARE(ClockText(), QStringLiteral("    29/2/2032  23:59:58"));
}

void TestCameraDialog::enablingRule_data()
{
    QTest::addColumn<QByteArray>("onOff");
    QTest::addColumn<QStringList>("group");
    QTest::newRow("interval") << QByteArray("ComboBox_Interval_OnOff")
                              << QStringList{"ComboBox_Interval_Minute", "ComboBox_Interval_Second"};
    QTest::newRow("time lapse") << QByteArray("ComboBox_TimeLapse_OnOff")
                                << QStringList{"ComboBox_TimeLapse_Hour", "ComboBox_TimeLapse_Minute"};
    QTest::newRow("serial number") << QByteArray("ComboBox_SerialNo_OnOff")
                                   << QStringList{"ComboBox_SerialNo_Char1", "ComboBox_SerialNo_Char2",
                                                  "ComboBox_SerialNo_Char3", "ComboBox_SerialNo_Char4"};
    QStringList periods;
    for (int period = 1; period <= 4; ++period) {
        for (const char *part : {"Start%1_Hour", "Start%1_Minute", "End%1_Hour", "End%1_Minute"})
            periods += QStringLiteral("ComboBox_Timer_") + QString::fromLatin1(part).arg(period);
    }
    QTest::newRow("timer") << QByteArray("ComboBox_Timer_OnOff") << periods;
}

void TestCameraDialog::enablingRule()
{
    QFETCH(QByteArray, onOff);
    QFETCH(QStringList, group);
    QList<QComboBox *> boxes;
    for (const QString &name : group)
        boxes += List(name.toLatin1().constData());
    const auto expectGroup = [&boxes](bool enabled, int position) {
        for (const QComboBox *box : boxes) {
            QCOMPARE(box->isEnabled(), enabled);
            QCOMPARE(box->palette().color(QPalette::Button), enabled ? WindowColour() : ScrollBarColour());
            QCOMPARE(box->currentIndex(), position);
        }
    };

    Pick(List(onOff.constData()), 0); // On
    for (QComboBox *box : boxes)
        Pick(box, 3);
    expectGroup(true, 3);
    Pick(List(onOff.constData()), 1); // Off
    expectGroup(false, 0);
    Pick(List(onOff.constData()), 0); // On again: the lists stay at 0
    expectGroup(true, 0);
}

void TestCameraDialog::enablingRulesHoldAfterReshowAndDefault()
{
    Pick(List("ComboBox_Interval_OnOff"), 0);
    Reopen(); // the switch is Off again, so are its lists
    QVERIFY(!List("ComboBox_Interval_Minute")->isEnabled());

    Pick(List("ComboBox_SerialNo_OnOff"), 1);
    Click(Dialog(), "Button_Default"); // On again, so are its characters
    QVERIFY(List("ComboBox_SerialNo_Char1")->isEnabled());
    QCOMPARE(List("ComboBox_SerialNo_Char1")->currentText(), QStringLiteral("T"));
}

void TestCameraDialog::saveFolderStartsAtHome()
{
#ifdef Q_OS_WIN
    const QString home = QStringLiteral("C:\\");
#else
    const QString home = QDir::homePath();
#endif
    QCOMPARE(Windows().SystemSetupForm->SavePathEdit()->text(), home);
}

// clang-format off
void TestCameraDialog::saveFilePath_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("path");
    const QString separator = QDir::separator();
    QTest::newRow("folder") << "folder" << "folder" + separator + "CAMERASETUP.dat";
    QTest::newRow("root, no second separator") << separator << separator + "CAMERASETUP.dat";
}
// clang-format on

void TestCameraDialog::saveFilePath()
{
    QFETCH(QString, folder);
    QFETCH(QString, path);
    QCOMPARE(SaveFilePath(folder, QString::fromLatin1(mms::kCameraSetupFileName)), path);
}

void TestCameraDialog::generateAfterDefaultWritesTheWorkedExample()
{
    QTemporaryDir folder;
    const QString path = SaveInto(folder);
    Click(Dialog(), "Button_Default");
    Click(Dialog(), "Button_Generate");

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    // The defaults with the reset clock: the camera file's worked example, byte for byte.
    QCOMPARE(file.readAll().toHex(),
             QByteArray("00000000000101010001"
                        "0107DC0101000000"
                        "010000"
                        "010000"
                        "001D0E1C1D"
                        "0100000000000000000000000000000000"
                        "BADAAB3BEB1B2DFACB"
                        "000006C3")
                 .toLower());
    CHECK(Generated(Dialog(), GenerationResult::CameraGenerated,
                    QStringLiteral("System configuration file has been generated.")));
}

void TestCameraDialog::generateWritesTheClockCapturedBefore()
{
    QTemporaryDir folder;
    const QString path = SaveInto(folder);
    m_now = kLaterTime; // Generate does not read the clock
    Click(Dialog(), "Button_Generate");
    const mms::CameraSettings written = mms::DecodeCameraSetupFile(ToBytes(ReadFile(path))).record;
    QCOMPARE(
        QDateTime(QDate(written.Year, written.Month, written.Day), QTime(written.Hour, written.Minute, written.Second)),
        kShowTime);
}

void TestCameraDialog::failedGenerateShowsTheReason()
{
    QTemporaryDir folder;
    Pick(List("ComboBox_Mode"), 2);
    CHECK(GenerateRefused(Dialog(), SaveInto(folder), GenerationResult::CameraFailed,
                          QStringLiteral("System configuration file has been failed.")));
    QCOMPARE(List("ComboBox_Mode")->currentIndex(), 2); // what was picked stays
}

void TestCameraDialog::generateWhileTheResultIsOpenOnlyRaisesIt()
{
    QTemporaryDir folder;
    Windows().SystemSetupForm->SavePathEdit()->setText(folder.filePath(QStringLiteral("missing")));
    Click(Dialog(), "Button_Generate");
    QCOMPARE(ResultText(), QStringLiteral("System configuration file has been failed."));

    SaveInto(folder);
    Click(Dialog(), "Button_Generate");
    QCOMPARE(LatestResult(), GenerationResult::CameraGenerated);
    QCOMPARE(ResultText(), QStringLiteral("System configuration file has been failed."));
    Click(Windows().Form_SaveParamsResult, "Button_Exit");
    QVERIFY(!Windows().Form_SaveParamsResult->isVisible());
    QVERIFY(Dialog()->isVisible());
}

void TestCameraDialog::typedKeysAreDiscarded_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("listOpen");
    QTest::newRow("mode") << QByteArray("ComboBox_Mode") << "video" << false;
    QTest::newRow("mode, list open") << QByteArray("ComboBox_Mode") << "video" << true;
    QTest::newRow("date order") << QByteArray("ComboBox_SetClock_DateFormat") << "m" << false;
    QTest::newRow("serial character") << QByteArray("ComboBox_SerialNo_Char1") << "a 7" << false;
    QTest::newRow("serial character, list open") << QByteArray("ComboBox_SerialNo_Char1") << "a" << true;
}

void TestCameraDialog::typedKeysAreDiscarded()
{
    QFETCH(QByteArray, list);
    QFETCH(QString, typed);
    QFETCH(bool, listOpen);
    CHECK(TypingIsDiscarded(List(list.constData()), typed, listOpen));
}

void TestCameraDialog::tabOrderFollowsTheArrangement()
{
    QVERIFY(QTest::qWaitForWindowActive(Dialog()));
    List("ComboBox_Mode")->setFocus(Qt::TabFocusReason);
    // Row by row, left to right; the hidden cycling save and the lists that their
    // switches disable take no focus.
    // clang-format off
    const QStringList expected = {
        "ComboBox_PhotoSize", "ComboBox_VideoSize", "ComboBox_ImageBurst", "ComboBox_VideoLength", "ComboBox_Beep",
        "ComboBox_SenseLevel", "ComboBox_TV", "ComboBox_TimeStamp", "ComboBox_SetClock_DateFormat", "Edit_SetClock",
        "Button_GetTime", "ComboBox_Interval_OnOff", "ComboBox_TimeLapse_OnOff", "ComboBox_SerialNo_OnOff",
        "ComboBox_SerialNo_Char1", "ComboBox_SerialNo_Char2", "ComboBox_SerialNo_Char3", "ComboBox_SerialNo_Char4",
        "ComboBox_Timer_OnOff", "Button_Select", "Edit_SavePath", "Button_Generate", "Button_Default", "Button_Exit",
        "ComboBox_Mode"};
    // clang-format on
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited += QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

QTEST_MAIN(TestCameraDialog)
#include "TestCameraDialog.moc"
