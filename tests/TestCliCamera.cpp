// mms-setup-cli as scripts use it: `camera` writing CAMERASETUP.dat, its refusals, and
// `inspect` reading back what `camera` writes.
#include "settings/CameraSettings.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The defaults with the dialog's reset clock; TestCameraFile pins these to the literal bytes.
const QByteArray kWorkedExample = ToQ(mms::ComposeCameraSetupFile(mms::CameraSettings()));
const QString kFileName = QString::fromLatin1(mms::kCameraSetupFileName);
const QString kFixedClock = QStringLiteral("--clock 2012-01-01T00:00:00 ");

// `camera` with options separated by spaces, writing into `out` ("-": standard output;
// empty: no --out at all).
QStringList Camera(const QString &options, const QString &out)
{
    QStringList arguments = options.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    arguments.prepend(QStringLiteral("camera"));
    if (!out.isEmpty())
        arguments << QStringLiteral("--out") << out;
    return arguments;
}

// The options with the fixed clock unless they set the clock: an option is given once.
QString WithFixedClock(const QString &options)
{
    return options.contains(QLatin1String("--clock")) ? options : kFixedClock + options;
}

// The worked example with `bytes` put in at `offset` and the checksum made to match.
QByteArray PatchedExample(int offset, const QByteArray &bytes)
{
    QByteArray file = kWorkedExample;
    file.replace(offset, bytes.size(), bytes);
    return file.first(55) + ToQ(mms::BigEndian32(mms::ByteSum(ToBytes(file.first(55)))));
}

} // namespace

class TestCliCamera : public QObject {
    Q_OBJECT

private slots:
    void printsTheWorkedExample();
    void writesIntoTheCurrentFolderByDefault();
    void mapsOptionsToBytes_data();
    void mapsOptionsToBytes();
    void refusesBadInput_data();
    void refusesBadInput();
    void reportsAFailedWrite_data();
    void reportsAFailedWrite();
    void inspectReadsWhatCameraWrites_data();
    void inspectReadsWhatCameraWrites();
    void inspectRefusesDamagedFiles_data();
    void inspectRefusesDamagedFiles();
    void inspectExitsWithTheWorstStatus();
};

void TestCliCamera::printsTheWorkedExample()
{
    const CliResult result = RunCli(Camera(kFixedClock, QStringLiteral("-")));
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, kWorkedExample);
    QCOMPARE(result.err, QByteArray());
}

void TestCliCamera::writesIntoTheCurrentFolderByDefault()
{
    QTemporaryDir folder;
    const CliResult result = RunCli(Camera(kFixedClock, QString()), folder.path());
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(ReadFile(folder.filePath(kFileName)), kWorkedExample);
}

void TestCliCamera::mapsOptionsToBytes_data()
{
    QTest::addColumn<QString>("options");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");
    const auto row = [](const char *options, int offset, const char *hex) {
        QTest::newRow(options) << QString::fromLatin1(options) << offset << QByteArray::fromHex(hex);
    };
    row("--mode camera+video", 0, "02");
    row("--mode VIDEO", 0, "01");
    row("--photo-size 5mp", 1, "02");
    row("--video-size VGA", 2, "02");
    row("--image-burst 5", 3, "04");
    row("--image-burst 1", 3, "00");
    row("--video-length 60s", 4, "03");
    row("--beep off", 5, "00");
    row("--sense-level high", 6, "02");
    row("--tv ntsc", 7, "00");
    row("--time-stamp off", 8, "01");
    row("--cycling-save on", 9, "00");
    row("--date-format m/d/y", 10, "02");
    row("--clock 2026-12-09T22:09:20", 11, "07 EA 0C 09 16 09 14");
    row("--interval on", 18, "00 00 00");
    row("--interval on --interval-minute 5 --interval-second 30", 18, "00 05 1E");
    row("--time-lapse on --time-lapse-hour 23 --time-lapse-minute 59", 21, "00 17 3B");
    row("--serial-no off", 24, "01 00 00 00 00");
    row("--serial a0z9", 25, "0A 00 23 09");
    row("--timer on --timer2 06:30-18:00", 29, "00  00 00 00 00  06 1E 12 00");
    row("--timer on --timer1 6:30-18:00 --timer4 23:59-0:00", 29,
        "00  06 1E 12 00  00 00 00 00  00 00 00 00  17 3B 00 00");
}

void TestCliCamera::mapsOptionsToBytes()
{
    QFETCH(QString, options);
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    const CliResult result = RunCli(Camera(WithFixedClock(options), QStringLiteral("-")));
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, PatchedExample(offset, bytes));
}

void TestCliCamera::refusesBadInput_data()
{
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("named"); // what the error line must name
    const auto row = [](const char *options, const char *named) {
        QTest::newRow(options) << QString::fromLatin1(options) << QString::fromLatin1(named);
    };
    row("--mode photo", "--mode");
    row("--photo-size 13MP", "--photo-size");
    row("--image-burst 0", "--image-burst");
    row("--image-burst 6", "--image-burst");
    row("--image-burst two", "--image-burst");
    row("--beep maybe", "--beep");
    row("--interval on --interval-minute 60", "--interval-minute");
    row("--interval on --interval-second -1", "--interval-second");
    row("--interval-minute 5", "--interval-minute");
    row("--interval off --interval-second 3", "--interval-second");
    row("--time-lapse on --time-lapse-hour 24", "--time-lapse-hour");
    row("--time-lapse-hour 3", "--time-lapse-hour");
    row("--serial ABC", "--serial");
    row("--serial ABCDE", "--serial");
    row("--serial AB-D", "--serial");
    row("--serial-no off --serial ABCD", "--serial");
    row("--timer1 06:30-18:00", "--timer1");
    row("--timer on --timer3 24:00-01:00", "--timer3");
    row("--timer on --timer2 06:3-18:00", "--timer2");
    row("--timer on --timer4 06:30", "--timer4");
    row("--timer sometimes", "--timer");
    row("--clock 2012-13-01T00:00:00", "--clock");
    row("--clock 2012-02-30T00:00:00", "--clock");
    row("--clock 2012-01-01T23:60:00", "--clock");
    row("--clock yesterday", "--clock");
    row("--frobnicate", "frobnicate");
}

void TestCliCamera::refusesBadInput()
{
    QFETCH(QString, options);
    QFETCH(QString, named);
    QTemporaryDir folder;
    const CliResult result = RunCli(Camera(options, folder.path()));
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.err.count('\n'), 1);
    QVERIFY2(result.err.contains(named.toLatin1()), result.err.constData());
    QCOMPARE(result.out, QByteArray());
    QVERIFY(QDir(folder.path()).isEmpty());
}

void TestCliCamera::reportsAFailedWrite_data()
{
    QTest::addColumn<bool>("readOnlyFileThere");
    QTest::newRow("read-only file") << true;
    QTest::newRow("missing folder") << false;
}

void TestCliCamera::reportsAFailedWrite()
{
    QFETCH(bool, readOnlyFileThere);
    QTemporaryDir folder;
    const QString out = readOnlyFileThere ? folder.path() : folder.filePath(QStringLiteral("card"));
    const QString target = QDir(out).filePath(kFileName);
    const QByteArray oldContent("old settings");
    if (readOnlyFileThere)
        QVERIFY(WriteReadOnlyFile(target, oldContent));
    const CliResult result = RunCli(Camera(QString(), out));
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.err.count('\n'), 1);
    QVERIFY2(result.err.contains(QDir::toNativeSeparators(target).toUtf8()), result.err.constData());
    QCOMPARE(ReadFile(target), readOnlyFileThere ? oldContent : QByteArray());
    QCOMPARE(FolderEntries(folder.path()),
             readOnlyFileThere ? QStringList{kFileName} : QStringList());
}

void TestCliCamera::inspectReadsWhatCameraWrites_data()
{
    QTest::addColumn<QString>("options");
    QTest::addColumn<QVariantMap>("fields");
    QTest::newRow("defaults") << QString()
                              << QVariantMap{{"mode", "Camera"}, {"serial", "TEST"}, {"serial-no", "on"},
                                             {"clock", "2012-01-01 00:00:00"}, {"beep", "on"}, {"image-burst", 1},
                                             {"date-format", "D/M/Y"}, {"timer", "off"}};
    QTest::newRow("everything set")
        << QStringLiteral("--mode camera+video --serial a0z9 --timer on --timer1 06:30-18:00 --image-burst 5 "
                          "--clock 2026-12-09T22:09:20 --interval on --interval-minute 5 --time-lapse on "
                          "--time-lapse-hour 23 --beep off --tv ntsc")
        << QVariantMap{{"mode", "Camera+Video"}, {"serial", "A0Z9"}, {"timer", "on"}, {"timer1", "06:30-18:00"},
                       {"timer2", "00:00-00:00"}, {"image-burst", 5}, {"clock", "2026-12-09 22:09:20"},
                       {"interval", "on"}, {"interval-minute", 5}, {"time-lapse-hour", 23}, {"beep", "off"},
                       {"tv", "NTSC"}};
    QTest::newRow("serial off") << QStringLiteral("--serial-no off")
                                << QVariantMap{{"serial-no", "off"}, {"serial", "0000"}};
}

void TestCliCamera::inspectReadsWhatCameraWrites()
{
    QFETCH(QString, options);
    QFETCH(QVariantMap, fields);
    QTemporaryDir folder;
    const CliResult written = RunCli(Camera(WithFixedClock(options), folder.path()));
    QCOMPARE(written.exitCode, 0);
    const QString path = folder.filePath(kFileName);

    int exitCode = -1;
    const QJsonObject report = InspectJson(path, &exitCode);
    QCOMPARE(exitCode, 0);
    QCOMPARE(report.value("kind").toString(), QStringLiteral("camera"));
    QVERIFY(report.value("signature_ok").toBool());
    QVERIFY(report.value("checksum_ok").toBool());
    QVERIFY(report.value("valid").toBool());
    for (auto field = fields.cbegin(); field != fields.cend(); ++field)
        QCOMPARE(report.value(field.key()).toVariant(), field.value());

    const CliResult text = RunCli({QStringLiteral("inspect"), path});
    QCOMPARE(text.exitCode, 0);
    QVERIFY(text.out.contains(", valid\n"));
}

void TestCliCamera::inspectRefusesDamagedFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("signatureOk");
    QTest::addColumn<bool>("checksumOk");
    QByteArray flipped = kWorkedExample;
    flipped[3] = char(flipped[3] ^ 0x01);
    QByteArray badSignature = kWorkedExample;
    badSignature[50] = char(badSignature[50] ^ 0x80);
    QByteArray badChecksum = kWorkedExample;
    badChecksum[58] = char(badChecksum[58] ^ 0x01);
    const QString camera = QStringLiteral("camera");
    QTest::newRow("setting byte flipped") << flipped << camera << true << false;
    QTest::newRow("signature byte flipped") << badSignature << camera << false << false;
    QTest::newRow("checksum byte flipped") << badChecksum << camera << true << false;
    QTest::newRow("mode out of its list") << PatchedExample(0, "\x07") << camera << true << true;
    QTest::newRow("truncated") << kWorkedExample.first(58) << QStringLiteral("unknown") << false << false;
    QTest::newRow("one byte more") << kWorkedExample + '\0' << QStringLiteral("unknown") << false << false;
    QTest::newRow("empty") << QByteArray() << QStringLiteral("unknown") << false << false;
}

void TestCliCamera::inspectRefusesDamagedFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, kind);
    QFETCH(bool, signatureOk);
    QFETCH(bool, checksumOk);
    QTemporaryDir folder;
    const QString path = folder.filePath(kFileName);
    QVERIFY(WriteFile(path, content));
    int exitCode = -1;
    const QJsonObject report = InspectJson(path, &exitCode);
    QCOMPARE(exitCode, 1);
    QCOMPARE(report.value("kind").toString(), kind);
    QCOMPARE(report.value("signature_ok").toBool(), signatureOk);
    QCOMPARE(report.value("checksum_ok").toBool(), checksumOk);
    QCOMPARE(report.value("valid").toBool(), false);
    QCOMPARE(report.value("file").toString(), path);
}

void TestCliCamera::inspectExitsWithTheWorstStatus()
{
    QTemporaryDir folder;
    const QString valid = folder.filePath(QStringLiteral("valid.dat"));
    const QString damaged = folder.filePath(QStringLiteral("damaged.dat"));
    const QString missing = folder.filePath(QStringLiteral("missing.dat"));
    QVERIFY(WriteFile(valid, kWorkedExample));
    QVERIFY(WriteFile(damaged, kWorkedExample.first(40)));

    QCOMPARE(RunCli({QStringLiteral("inspect"), valid, damaged}).exitCode, 1);
    const CliResult unreadable = RunCli({QStringLiteral("inspect"), valid, missing, damaged});
    QCOMPARE(unreadable.exitCode, 2);
    QVERIFY(unreadable.err.contains(missing.toUtf8()));
    // The readable files are still reported.
    QVERIFY(unreadable.out.contains(valid.toUtf8() + ": camera settings, valid\n"));
    QVERIFY(unreadable.out.contains(damaged.toUtf8() + ": not a settings file, NOT VALID\n"));
    QCOMPARE(RunCli({QStringLiteral("inspect")}).exitCode, 2);
}

QTEST_GUILESS_MAIN(TestCliCamera)
#include "TestCliCamera.moc"
