// CAMERASETUP.dat composed in memory: the byte layout, the checksum and decoding.
#include "settings/CameraSettings.h"
#include "tests/support/TestSupport.h"

#include <QTest>

#include <functional>

Q_DECLARE_METATYPE(mms::CameraSettings)

namespace {

// The dialog's default record with its reset clock, 2012-01-01 00:00:00.
const QByteArray kWorkedExample = QByteArray::fromHex(
    "00 00 00 00 00 01 01 01 00 01  01 07 DC 01 01 00 00 00  01 00 00  01 00 00  00 1D 0E 1C 1D"
    "  01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00  BA DA AB 3B EB 1B 2D FA CB  00 00 06 C3");

constexpr int kValueBytes = 46; // offsets 0..45 hold the record, then the trailer

mms::CameraSettings With(const std::function<void(mms::CameraSettings &)> &change)
{
    mms::CameraSettings settings;
    change(settings);
    return settings;
}

// Every value of the record in declaration order; a field added to the record breaks
// this binding until the tests learn about it.
QList<int> Values(const mms::CameraSettings &s)
{
    const auto &[mode, photoSize, videoSize, imageBurst, videoLength, beep, senseLevel, tv, timeStamp, cyclingSave,
                 dateFormat, year, month, day, hour, minute, second, intervalOnOff, intervalMinute, intervalSecond,
                 timeLapseOnOff, timeLapseHour, timeLapseMinute, serialNoOnOff, serialNoChar, timerOnOff, timer] = s;
    // clang-format off
    QList<int> values{mode, photoSize, videoSize, imageBurst, videoLength, beep, senseLevel, tv, timeStamp,
                      cyclingSave, dateFormat, year, month, day, hour, minute, second, intervalOnOff,
                      intervalMinute, intervalSecond, timeLapseOnOff, timeLapseHour, timeLapseMinute,
                      serialNoOnOff, timerOnOff};
    // clang-format on
    values.append(QList<int>(serialNoChar.begin(), serialNoChar.end()));
    for (const mms::TimerPeriod &p : timer)
        values << p.StartHour << p.StartMinute << p.EndHour << p.EndMinute;
    return values;
}

// 59 bytes that end with the signature and the checksum of everything before it.
bool HasTrailer(const QByteArray &file)
{
    return file.size() == mms::kCameraSetupFileSize
        && file.sliced(kValueBytes, 9) == kWorkedExample.sliced(kValueBytes, 9)
        && file.sliced(55) == ToQ(mms::BigEndian32(mms::ByteSum(ToBytes(file.first(55)))));
}

} // namespace

class TestCameraFile : public QObject {
    Q_OBJECT

private slots:
    void composesTheWorkedExample();
    void placesEachField_data();
    void placesEachField();
    void checksumFollowsEveryValueByte_data();
    void checksumFollowsEveryValueByte();
    void decodesWhatItComposes_data();
    void decodesWhatItComposes();
};

void TestCameraFile::composesTheWorkedExample()
{
    QCOMPARE(kWorkedExample.size(), mms::kCameraSetupFileSize);
    QCOMPARE(ToQ(mms::ComposeCameraSetupFile(mms::CameraSettings())), kWorkedExample);
    QCOMPARE(mms::ByteSum(ToBytes(kWorkedExample.first(55))), 1731u);
}

// clang-format off
void TestCameraFile::placesEachField_data()
{
    // Each row changes the default record; the file must differ from the worked example
    // exactly in `bytes` at `offset` (and in the checksum).
    QTest::addColumn<mms::CameraSettings>("settings");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("mode camera+video") << With([](auto &s) { s.Mode = 2; }) << 0 << QByteArray::fromHex("02");
    QTest::newRow("photo size 5MP") << With([](auto &s) { s.PhotoSize = 2; }) << 1 << QByteArray::fromHex("02");
    QTest::newRow("video size VGA") << With([](auto &s) { s.VideoSize = 2; }) << 2 << QByteArray::fromHex("02");
    QTest::newRow("burst of 5") << With([](auto &s) { s.ImageBurst = 4; }) << 3 << QByteArray::fromHex("04");
    QTest::newRow("video 60 s") << With([](auto &s) { s.VideoLength = 3; }) << 4 << QByteArray::fromHex("03");
    // Beep stores 1 for On (the default), the other switches 0 for On.
    QTest::newRow("beep off") << With([](auto &s) { s.Beep = 0; }) << 5 << QByteArray::fromHex("00");
    QTest::newRow("sense high") << With([](auto &s) { s.SenseLevel = 2; }) << 6 << QByteArray::fromHex("02");
    QTest::newRow("tv NTSC") << With([](auto &s) { s.TV = 0; }) << 7 << QByteArray::fromHex("00");
    QTest::newRow("time stamp off") << With([](auto &s) { s.TimeStamp = 1; }) << 8 << QByteArray::fromHex("01");
    QTest::newRow("cycling save on") << With([](auto &s) { s.CyclingSave = 0; }) << 9 << QByteArray::fromHex("00");
    QTest::newRow("date M/D/Y") << With([](auto &s) { s.DateFormat = 2; }) << 10 << QByteArray::fromHex("02");
    QTest::newRow("year 2026") << With([](auto &s) { s.Year = 2026; }) << 11 << QByteArray::fromHex("07 EA");
    QTest::newRow("year 2255") << With([](auto &s) { s.Year = 2255; }) << 11 << QByteArray::fromHex("08 CF");
    QTest::newRow("clock 12-09 22:09:20")
        << With([](auto &s) { s.Month = 12; s.Day = 9; s.Hour = 22; s.Minute = 9; s.Second = 20; }) << 13
        << QByteArray::fromHex("0C 09 16 09 14");
    QTest::newRow("interval on 5:30")
        << With([](auto &s) { s.IntervalOnOff = 0; s.IntervalMinute = 5; s.IntervalSecond = 30; }) << 18
        << QByteArray::fromHex("00 05 1E");
    QTest::newRow("time lapse on 23:59")
        << With([](auto &s) { s.TimeLapseOnOff = 0; s.TimeLapseHour = 23; s.TimeLapseMinute = 59; }) << 21
        << QByteArray::fromHex("00 17 3B");
    QTest::newRow("serial A0Z9") << With([](auto &s) { s.SerialNoChar = {10, 0, 35, 9}; }) << 25
                                 << QByteArray::fromHex("0A 00 23 09");
    QTest::newRow("serial off") << With([](auto &s) { s.SerialNoOnOff = 1; s.SerialNoChar = {}; }) << 24
                                << QByteArray::fromHex("01 00 00 00 00");
    QTest::newRow("timer on, periods in order") << With([](auto &s) {
        s.TimerOnOff = 0;
        s.Timer[1] = {6, 30, 18, 0};
        s.Timer[3] = {23, 59, 0, 1};
    }) << 29 << QByteArray::fromHex("00  00 00 00 00  06 1E 12 00  00 00 00 00  17 3B 00 01");
}
// clang-format on

void TestCameraFile::placesEachField()
{
    QFETCH(mms::CameraSettings, settings);
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    const QByteArray file = ToQ(mms::ComposeCameraSetupFile(settings));
    QCOMPARE(file.first(kValueBytes),
             QByteArray(kWorkedExample).replace(offset, bytes.size(), bytes).first(kValueBytes));
    QVERIFY(HasTrailer(file));
}

void TestCameraFile::checksumFollowsEveryValueByte_data()
{
    QTest::addColumn<int>("offset");
    for (int offset = 0; offset < kValueBytes; ++offset)
        QTest::addRow("byte %d", offset) << offset;
}

void TestCameraFile::checksumFollowsEveryValueByte()
{
    // Raise one byte of the worked example and write the record it decodes to.
    QFETCH(int, offset);
    QByteArray raised = kWorkedExample;
    raised[offset] = char(raised[offset] + 1);
    const QByteArray file = ToQ(mms::ComposeCameraSetupFile(mms::DecodeCameraSetupFile(ToBytes(raised)).record));
    QCOMPARE(file.first(55), raised.first(55));
    QCOMPARE(file.sliced(55), ToQ(mms::BigEndian32(1731 + 1)));
}

// clang-format off
void TestCameraFile::decodesWhatItComposes_data()
{
    QTest::addColumn<mms::CameraSettings>("settings");
    QTest::newRow("defaults") << mms::CameraSettings();
    QTest::newRow("every list at its end") << With([](mms::CameraSettings &s) {
        s = {2, 2, 2, 4, 3, 0, 2, 0, 1, 0, 2, 2099, 12, 31, 23, 59, 59, 0, 59, 59, 0, 23, 59, 0, {35, 35, 35, 35}, 0, {}};
        s.Timer.fill({23, 59, 23, 59});
    });
    QTest::newRow("distinct timers") << With([](mms::CameraSettings &s) {
        s.TimerOnOff = 0;
        s.Timer = {{{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 16}}};
        s.SerialNoChar = {10, 0, 35, 9};
    });
    QTest::newRow("year high byte only") << With([](mms::CameraSettings &s) { s.Year = 0xFF00; });
}
// clang-format on

void TestCameraFile::decodesWhatItComposes()
{
    QFETCH(mms::CameraSettings, settings);
    const QByteArray file = ToQ(mms::ComposeCameraSetupFile(settings));
    QVERIFY(HasTrailer(file));
    const mms::Decoded<mms::CameraSettings> decoded = mms::DecodeCameraSetupFile(ToBytes(file));
    QCOMPARE(Values(decoded.record), Values(settings));
    QVERIFY(decoded.signatureOk && decoded.checksumOk);
}

QTEST_GUILESS_MAIN(TestCameraFile)
#include "TestCameraFile.moc"
