// `--from FILE` of camera, mms and email: a file rewritten with a few options is the
// file written from scratch with all of them, and a file that is damaged, of another
// kind or unreadable changes nothing.
#include "tests/support/TestSupport.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kClock = QStringLiteral("--clock 2026-03-29T01:30:00");

QString FileNameOf(const QString &command)
{
    return command == QLatin1String("camera") ? QStringLiteral("CAMERASETUP.dat")
        : command == QLatin1String("mms")     ? QStringLiteral("MMSSETUP.dat")
                                              : QStringLiteral("SMTPSETUP.dat");
}

// The file `command OPTIONS --out -` writes, or nothing when it fails.
QByteArray Written(const QString &command, const QString &options)
{
    const CliResult result =
        RunCli(QStringList{command} + options.split(u' ', Qt::SkipEmptyParts) + QStringList{"--out", "-"});
    return result.exitCode == 0 ? result.out : QByteArray();
}

} // namespace

class TestCliFrom : public QObject {
    Q_OBJECT

private slots:
    void rewritesWithTheOptionsGiven_data();
    void rewritesWithTheOptionsGiven();
    void refusesWhatItCannotStartFrom_data();
    void refusesWhatItCannotStartFrom();
    void replacesTheFileInItsOwnFolder();
    void keepsAClockOnlyFromAFile();
};

// clang-format off
void TestCliFrom::rewritesWithTheOptionsGiven_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("merged");
    const QString camera = QStringLiteral("--mode video --serial A0Z9 --interval on --interval-minute 5 --timer on "
                                          "--timer2 06:30-18:00 ");
    QTest::newRow("camera: the clock set again")
        << "camera" << camera + kClock << "--clock 2026-10-25T02:30:00"
        << camera + "--clock 2026-10-25T02:30:00";
    QTest::newRow("camera: the file's clock kept, a value of a group that is on")
        << "camera" << camera + kClock << "--clock keep --interval-second 30"
        << camera + kClock + " --interval-second 30";
    QTest::newRow("camera: another card's serial") << "camera" << camera + kClock << "--clock keep --serial B7C8"
                                                   << QString(camera).replace("A0Z9", "B7C8") + kClock;
    QTest::newRow("camera: groups switched off are written at 0")
        << "camera" << camera + kClock << "--clock keep --interval off --timer off --serial-no off"
        << "--mode video --serial-no off " + kClock;

    const QString mms = QStringLiteral("--mode manual --url http://mms.example.net --apn mms --gateway 10.0.0.1 "
                                       "--port 8080 --status vga --number-per-day 7 --mobile1 +447700900123 ");
    QTest::newRow("mms: one recipient changed")
        << "mms" << mms + "--email1 old@example.org" << "--mobile1 +447700900999"
        << QString(mms).replace("+447700900123", "+447700900999") + "--email1 old@example.org";
    QTest::newRow("mms: the header kept, the report switched on")
        << "mms" << mms << "--daily-report on --report-hour 18" << mms + "--daily-report on --report-hour 18";
    QTest::newRow("mms: back to the catalogue's operator")
        << "mms" << mms << "--mode auto --country Sweden --operator Telia"
        << "--status vga --number-per-day 7 --mobile1 +447700900123 --country Sweden --operator Telia";

    const QString email = QStringLiteral("--mode manual --apn internet --smtp-server smtp.example.org --smtp-port 25 "
                                         "--sender cam@example.org --sender-password secret --email1 me@example.org ");
    QTest::newRow("email: a new sender, its name line follows")
        << "email" << email << "--sender trail@example.net"
        << QString(email).replace("cam@example.org", "trail@example.net");
    QTest::newRow("email: a recipient emptied") << "email" << email << "--email1="
                                                << QString(email).remove("--email1 me@example.org ");
    QTest::newRow("email: the operator's preset in auto mode")
        << "email" << email << "--mode auto --country Sweden --operator Telia"
        << "--sender cam@example.org --sender-password secret --email1 me@example.org --country Sweden "
           "--operator Telia";
}
// clang-format on

void TestCliFrom::rewritesWithTheOptionsGiven()
{
    QFETCH(QString, command);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, merged);
    QTemporaryDir folder;
    const QString file = folder.filePath(FileNameOf(command));
    const QByteArray original = Written(command, first);
    QVERIFY(!original.isEmpty());
    QVERIFY(WriteFile(file, original));

    const QByteArray expected = Written(command, merged);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(Written(command, QStringLiteral("--from ") + file + u' ' + second).toHex(), expected.toHex());
}

// clang-format off
void TestCliFrom::refusesWhatItCannotStartFrom_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("content"); // empty: no file at all
    QTest::addColumn<QString>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    const QByteArray camera = Written("camera", kClock);
    QByteArray damaged = camera;
    damaged[3] = char(damaged[3] ^ 1);
    QTest::newRow("damaged") << "camera" << damaged << "" << 1 << "is damaged: the checksum does not match";
    QTest::newRow("another kind") << "mms" << camera << "" << 2 << "holds camera settings, not MMS settings";
    QTest::newRow("no settings file") << "email" << QByteArray("notes") << "" << 2
                                      << "is not a settings file: 5 bytes";
    QTest::newRow("missing") << "camera" << QByteArray() << "" << 2 << "cannot read";
    QTest::newRow("a value of a group left off") << "camera" << camera << "--interval-minute 5" << 2
                                                 << "--interval-minute needs --interval on";
}
// clang-format on

void TestCliFrom::refusesWhatItCannotStartFrom()
{
    QFETCH(QString, command);
    QFETCH(QByteArray, content);
    QFETCH(QString, options);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("settings.dat"));
    if (!content.isEmpty())
        QVERIFY(WriteFile(file, content));
    const CliResult result = RunCli(QStringList{command, "--from", file} + options.split(u' ', Qt::SkipEmptyParts));
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(result.err.contains(message.toUtf8()), result.err.constData());
    QCOMPARE(result.err.count('\n'), 1);
    // Nothing was written: the folder holds what it held.
    QCOMPARE(FolderEntries(folder.path()), content.isEmpty() ? QStringList() : QStringList{"settings.dat"});
    if (!content.isEmpty())
        QCOMPARE(ReadFile(file), content);
}

// Without --out the file is replaced where it is, as when a card's clock is set.
void TestCliFrom::replacesTheFileInItsOwnFolder()
{
    QTemporaryDir card;
    const QString file = card.filePath(QStringLiteral("CAMERASETUP.dat"));
    QVERIFY(WriteFile(file, Written("camera", kClock)));
    const CliResult result = RunCli({"camera", "--from", file, "--clock", "2026-10-25T02:30:00"});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(ReadFile(file).toHex(), Written("camera", "--clock 2026-10-25T02:30:00").toHex());
    QCOMPARE(FolderEntries(card.path()), QStringList{"CAMERASETUP.dat"});
}

void TestCliFrom::keepsAClockOnlyFromAFile()
{
    QTemporaryDir folder;
    const CliResult result = RunCli({"camera", "--clock", "keep", "--out", folder.path()});
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(result.err.contains("--clock keep needs --from FILE"), result.err.constData());
    QVERIFY(FolderEntries(folder.path()).isEmpty());
}

QTEST_GUILESS_MAIN(TestCliFrom)
#include "TestCliFrom.moc"
