// mms-setup-cli as scripts use it: its version and help, `camera` writing
// CAMERASETUP.dat, its refusals, and `inspect` reading back what `camera` writes and
// refusing what is no settings file.
#include "settings/CameraSettings.h"
#include "settings/SettingsFileReport.h"
#include "tests/support/TestSupport.h"
#include "version/Version.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

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

#ifdef Q_OS_UNIX
// mms-setup-cli ARGUMENTS... NAME, where NAME is bytes that need not be UTF-8, with its
// standard output and error into the files `out` and `err`; returns its exit status.
// QProcess hands every argument over as UTF-8, so the shell's printf makes NAME from
// octal escapes.
int RunCliEndingIn(const QStringList &arguments, const QByteArray &name, const QString &out, const QString &err)
{
    QString escaped;
    for (const char byte : name)
        escaped += QStringLiteral("\\0%1").arg(uint8_t(byte), 3, 8, QLatin1Char('0'));
    const QString script =
        QStringLiteral("name=$1 out=$2 err=$3; shift 3; exec \"$@\" \"$(printf '%b' \"$name\")\" >\"$out\" 2>\"$err\"");
    return QProcess::execute(QStringLiteral("/bin/sh"),
                             QStringList{QStringLiteral("-c"), script, QStringLiteral("sh"), escaped, out, err,
                                         QStringLiteral(MMS_SETUP_CLI)}
                                 + arguments);
}

QByteArray ReadBytesAt(const QByteArray &path)
{
    QByteArray content;
    if (std::FILE *file = std::fopen(path.constData(), "rb")) {
        char buffer[1024];
        content = QByteArray(buffer, qsizetype(std::fread(buffer, 1, sizeof buffer, file)));
        std::fclose(file);
    }
    return content;
}
#endif

} // namespace

class TestCliCamera : public QObject {
    Q_OBJECT

private slots:
    void printsItsVersion_data();
    void printsItsVersion();
    void helpNamesTheCommand_data();
    void helpNamesTheCommand();
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
    void inspectRefusesWhatIsNoRegularFile_data();
    void inspectRefusesWhatIsNoRegularFile();
    void inspectStatesTheTrueSize_data();
    void inspectStatesTheTrueSize();
    void worksInAFolderWhoseNameIsNotUtf8();
};

void TestCliCamera::printsItsVersion_data()
{
    QTest::addColumn<QString>("option");
    QTest::newRow("long") << QStringLiteral("--version");
    QTest::newRow("short") << QStringLiteral("-V");
}

void TestCliCamera::printsItsVersion()
{
    QFETCH(QString, option);
    const CliResult result = RunCli({option});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QByteArray("mms-setup-cli ") + mms::kVersion + '\n');
    QCOMPARE(result.err, QByteArray());
}

// clang-format off
void TestCliCamera::helpNamesTheCommand_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("mentions");
    QTest::newRow("the commands") << QStringList{"--help"}
                                  << QStringList{"Usage: mms-setup-cli COMMAND", "  camera ", "  mms ", "  email ",
                                                 "  catalogue ", "  inspect ", "  strings "};
    QTest::newRow("camera") << QStringList{"camera", "--help"}
                            << QStringList{"Usage: mms-setup-cli camera [OPTIONS]\n", "--mode VALUE",
                                           "Camera|Video|Camera+Video", "Photos per trigger, 1..5.",
                                           "on|off (default on)", "(default TEST)", "--out DIR"};
    QTest::newRow("mms, short") << QStringList{"mms", "-h"}
                                << QStringList{"Usage: mms-setup-cli mms [OPTIONS]\n", "(default China)",
                                               "off|800x600|vga|sms (default 800x600)", "--email4 TEXT",
                                               "at most 50 characters", "--password are for manual mode"};
    QTest::newRow("email") << QStringList{"email", "--help"}
                           << QStringList{"Usage: mms-setup-cli email [OPTIONS]\n", "--sender-password TEXT",
                                          "fills --smtp-server and --smtp-port"};
    QTest::newRow("inspect") << QStringList{"inspect", "--help"}
                             << QStringList{"Usage: mms-setup-cli inspect [OPTIONS]", "FILE", "--json"};
    QTest::newRow("strings") << QStringList{"strings", "--help"}
                             << QStringList{"Usage: mms-setup-cli strings [OPTIONS]\n", "0..10"};
}
// clang-format on

// The help names the command as it is typed, never the path the program was run from.
void TestCliCamera::helpNamesTheCommand()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, mentions);
    const CliResult result = RunCli(arguments);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err, QByteArray());
    for (const QString &mention : mentions)
        QVERIFY2(result.out.contains(mention.toUtf8()), qPrintable(mention));
    QVERIFY(!result.out.contains("/mms-setup-cli"));
}

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
    row("--clock 2024-02-29T23:59:59", 11, "07 E8 02 1D 17 3B 3B");
    row("--clock=2000-02-29T12:00:00", 11, "07 D0 02 1D 0C 00 00");
    row("--mode=video", 0, "01");
    row("--serial=a0z9", 25, "0A 00 23 09");
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
        QTest::newRow(options) << QString::fromUtf8(options) << QString::fromUtf8(named);
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
    row("--clock 2023-02-29T00:00:00", "--clock");
    row("--clock 2012-01-01T24:00:00", "--clock");
    row("--clock 2012-1-01T00:00:00", "--clock");
    row("--frobnicate", "frobnicate");
    row("-x", "unknown option \"-x\"");
    row("--mode video --mode camera", "--mode is given more than once");
    row("--timer=on --timer on", "--timer is given more than once");
    row("--out=", "--out needs a folder");
    row("--out", "--out needs a value");
    row("--mode --serial-no off", "--mode needs a value");
    row("--serial", "--serial needs a value");
    // Letters match without regard to case in ASCII only: "ß" would become "SS", "ſ" "S".
    row("--serial ßAB", "--serial");
    row("--video-length 10ſ", "--video-length");
    row("--sense-level HİGH", "--sense-level");
    // A bad value is quoted printable, on one line, and cut short.
    row("--mode \x07\x1b[31mred", "not \"\\x07\\x1B[31mred\"");
    row("--serial AB\nC", "not \"AB\\x0AC\"");
    row("--beep o\u0085n", "not \"o\\xC2\\x85n\"");
    row("--tv \u202Epal", "not \"\\xE2\\x80\\xAEpal\"");
    QTest::newRow("long value") << QStringLiteral("--mode ") + QString(60, u'v')
                                << QStringLiteral("not \"") + QString(40, u'v') + QStringLiteral("...\"");
    QTest::newRow("file name") << QStringLiteral("CAMERASETUP.dat") << QStringLiteral("camera takes no file names");
}

void TestCliCamera::refusesBadInput()
{
    QFETCH(QString, options);
    QFETCH(QString, named);
    // Run in the empty folder without --out, where a file would be written by default.
    QTemporaryDir folder;
    const CliResult result = RunCli(Camera(options, QString()), folder.path());
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.err.count('\n'), 1);
    QVERIFY2(result.err.contains(named.toUtf8()), result.err.constData());
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
    QVERIFY2(result.err.startsWith("mms-setup-cli: cannot write " + QDir::toNativeSeparators(target).toUtf8() + ": "),
             result.err.constData());
    QCOMPARE(ReadFile(target), readOnlyFileThere ? oldContent : QByteArray());
    QCOMPARE(FolderEntries(folder.path()), readOnlyFileThere ? QStringList{kFileName} : QStringList());
}

// clang-format off
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
// clang-format on

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

void TestCliCamera::inspectRefusesWhatIsNoRegularFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("reason");
    QTest::newRow("named pipe") << QStringLiteral("pipe") << QByteArray("It is not a regular file");
    QTest::newRow("folder") << QStringLiteral("folder") << QByteArray("It is a folder");
    QTest::newRow("device") << QStringLiteral("device") << QByteArray("It is not a regular file");
}

// Refused at once with the reason, exit status 2: a named pipe without a writer must
// not keep inspect waiting.
void TestCliCamera::inspectRefusesWhatIsNoRegularFile()
{
#ifdef Q_OS_UNIX
    QFETCH(QString, kind);
    QFETCH(QByteArray, reason);
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("CAMERASETUP.dat"));
    if (kind == QLatin1String("pipe"))
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == QLatin1String("folder"))
        QVERIFY(QDir(folder.path()).mkdir(kFileName));
    else
        path = QStringLiteral("/dev/null");
    QElapsedTimer timer;
    timer.start();
    const CliResult result = RunCli({QStringLiteral("inspect"), path});
    QVERIFY2(timer.elapsed() < 10000, "inspect waited");
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.err, "mms-setup-cli: cannot read " + path.toUtf8() + ": " + reason + '\n');
    QCOMPARE(result.out, QByteArray());
#else
    QSKIP("named pipes and devices as POSIX has them");
#endif
}

void TestCliCamera::inspectStatesTheTrueSize_data()
{
    QTest::addColumn<qint64>("size");
    QTest::newRow("one byte more than the largest") << qint64(mms::kLargestSettingsFile + 1);
    QTest::newRow("4 KiB and one byte") << qint64(4097);
    QTest::newRow("2 GiB") << (qint64(1) << 31);
    // Cut to 32 bits, this size would be that of a camera file.
    QTest::newRow("4 GiB and 59 bytes") << (qint64(1) << 32) + 59;
}

// A file too large for a settings file is described by its real size, whatever part
// of it inspect reads. The large ones are sparse.
void TestCliCamera::inspectStatesTheTrueSize()
{
    QFETCH(qint64, size);
    QTemporaryDir folder;
    const QString path = folder.filePath(kFileName);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(size));
    file.close();
    const QByteArray problem = QByteArray::number(size) + " bytes is the size of no settings file";

    const CliResult text = RunCli({QStringLiteral("inspect"), path});
    QCOMPARE(text.exitCode, 1);
    QVERIFY2(text.out.contains(": not a settings file, NOT VALID\n  problem: " + problem), text.out.constData());
    int exitCode = -1;
    const QJsonObject report = InspectJson(path, &exitCode);
    QCOMPARE(exitCode, 1);
    QCOMPARE(report.value("kind").toString(), QStringLiteral("unknown"));
    QVERIFY(report.value("problems").toArray().first().toString().startsWith(QString::fromLatin1(problem)));
}

// The name of a folder or file is bytes and reaches the system as given; messages
// show the byte that is not UTF-8 escaped.
void TestCliCamera::worksInAFolderWhoseNameIsNotUtf8()
{
#ifdef Q_OS_UNIX
    QTemporaryDir folder;
    const QByteArray card = QFile::encodeName(folder.path()) + "/caf\xE9";
    const QByteArray shown = QFile::encodeName(folder.path()) + "/caf\\xE9/CAMERASETUP.dat";
    QCOMPARE(mkdir(card.constData(), 0700), 0);
    // QTemporaryDir cannot name the folder to remove it.
    const auto removeCard = qScopeGuard([&card] {
        unlink((card + "/CAMERASETUP.dat").constData());
        rmdir(card.constData());
    });

    const QString out = folder.filePath(QStringLiteral("out"));
    const QString err = folder.filePath(QStringLiteral("err"));
    QCOMPARE(RunCliEndingIn(Camera(kFixedClock, QString()) << QStringLiteral("--out"), card, out, err), 0);
    QCOMPARE(ReadFile(err), QByteArray());
    QCOMPARE(ReadFile(out), "wrote " + shown + '\n');
    QCOMPARE(ReadBytesAt(card + "/CAMERASETUP.dat"), kWorkedExample);

    QCOMPARE(RunCliEndingIn({QStringLiteral("inspect")}, card + "/CAMERASETUP.dat", out, err), 0);
    QVERIFY2(ReadFile(out).startsWith(shown + ": camera settings, valid\n"), ReadFile(out).constData());
    // JSON text is UTF-8: the byte that is not becomes U+FFFD there.
    QCOMPARE(RunCliEndingIn({QStringLiteral("inspect"), QStringLiteral("--json")}, card + "/CAMERASETUP.dat", out, err),
             0);
    QCOMPARE(QJsonDocument::fromJson(ReadFile(out)).object().value("file").toString(),
             folder.path() + QStringLiteral("/caf\uFFFD/CAMERASETUP.dat"));
#else
    QSKIP("Windows names files in UTF-16, which the command line receives as UTF-8");
#endif
}

QTEST_GUILESS_MAIN(TestCliCamera)
#include "TestCliCamera.moc"
