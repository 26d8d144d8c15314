// Advice on the command line: after writing, one line a item on standard error with
// the exit status and the file unchanged; `check` on a card, as text and as JSON.
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr const char *kCentralEurope = "CET-1CEST,M3.5.0,M10.5.0/3";

QStringList Lines(const QByteArray &text)
{
    return QString::fromUtf8(text).split(u'\n', Qt::SkipEmptyParts);
}

// The lines that start with each of `starts`, in order, and no other line.
void VerifyLines(const QStringList &lines, const QStringList &starts)
{
    QCOMPARE(lines.size(), starts.size());
    for (qsizetype i = 0; i < starts.size(); ++i)
        QVERIFY2(lines[i].startsWith(starts[i]), qPrintable(lines[i] + "\n does not start with: " + starts[i]));
}

// Writes a card's MMS file with `options` into `folder`.
void WriteMms(const QString &folder, const QStringList &options)
{
    const CliResult written = RunCli(QStringList{"mms", "--out", folder} + options);
    QVERIFY2(written.exitCode == 0, written.err.constData());
}

QJsonObject CheckJson(const QString &folder, int *exitCode)
{
    const CliResult checked = RunCli({"check", "--json", folder});
    *exitCode = checked.exitCode;
    return QJsonDocument::fromJson(checked.out).object();
}

} // namespace

class TestCliAdvice : public QObject {
    Q_OBJECT

private slots:
    void init() { qputenv("TZ", "UTC0"); }

    // clang-format off
    void linesAfterWriting_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("lines"); // how each line of standard error starts
        QTest::newRow("2G switched off") << "UTC0" << QStringList{"mms", "--country", "Australia", "--operator", "Telstra"}
                                         << QStringList{"warning: --operator: Telstra (Australia) switched its 2G"};
        QTest::newRow("a provider that refuses plain SMTP")
            << "UTC0" << QStringList{"email", "--sender", "me@gmail.com"} << QStringList{"warning: --sender: "};
        QTest::newRow("a warning and a notice")
            << "UTC0" << QStringList{"mms", "--country", "Deutschland", "--operator", "Vodafone"}
            << QStringList{"notice: --operator: Vodafone (Deutschland) has announced the end of its 2G network",
                           "warning: --operator: Vodafone (Deutschland) ended MMS"};
        QTest::newRow("--quiet keeps the warning")
            << "UTC0" << QStringList{"mms", "--country", "Deutschland", "--operator", "Vodafone", "--quiet"}
            << QStringList{"warning: --operator: Vodafone (Deutschland) ended MMS"};
        QTest::newRow("a number in international form")
            << "UTC0" << QStringList{"mms", "--mobile1", "+4799234567"} << QStringList();
        QTest::newRow("a number without its country code")
            << "UTC0" << QStringList{"mms", "--mobile1", "099234567"} << QStringList{"notice: --mobile1: "};
        QTest::newRow("a clock in summer time")
            << kCentralEurope << QStringList{"camera", "--clock", "2025-07-01T12:00:00"}
            << QStringList{"notice: --clock: The clock is set in summer time"};
        QTest::newRow("--quiet silences a notice")
            << kCentralEurope << QStringList{"camera", "--clock", "2025-07-01T12:00:00", "--quiet"} << QStringList();
        QTest::newRow("a clock in winter time")
            << kCentralEurope << QStringList{"camera", "--clock", "2025-12-01T12:00:00"} << QStringList();
    }
    // clang-format on
    void linesAfterWriting()
    {
        QFETCH(QString, zone);
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, lines);
        qputenv("TZ", zone.toUtf8());
        QTemporaryDir card;
        const CliResult result = RunCli(arguments + QStringList{"--out", card.path()});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(Lines(result.out).size(), 1); // "wrote ..."
        VerifyLines(Lines(result.err), lines);
        // The advice changes no byte: the file is the one written to standard output with --quiet.
        QStringList quietArguments = arguments;
        if (!quietArguments.contains("--quiet"))
            quietArguments << "--quiet";
        const CliResult quiet = RunCli(quietArguments + QStringList{"--out", "-"});
        QCOMPARE(quiet.exitCode, 0);
        const QStringList written = FolderEntries(card.path());
        QCOMPARE(written.size(), 1);
        QCOMPARE(ReadFile(card.filePath(written.front())), quiet.out);
    }

    // Writing into a card's folder also says what the card holds as a whole.
    // clang-format off
    void cardAdviceAfterWriting_data()
    {
        QTest::addColumn<QStringList>("before"); // commands run on the card first, quietly
        QTest::addColumn<QStringList>("strays"); // files put on the card
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("lines"); // how each line of standard error starts, %1 the card
        QTest::newRow("a Mac's companion file") << QStringList() << QStringList{"._MMSSETUP.dat"}
                                               << QStringList{"mms"}
                                               << QStringList{"notice: %1/._MMSSETUP.dat: ._MMSSETUP.dat is a "
                                                              "companion file a Mac leaves"};
        QTest::newRow("MMS after a camera that takes a photo a minute")
            << QStringList{"camera", "--interval", "on", "--interval-minute", "1"} << QStringList()
            << QStringList{"mms"}
            << QStringList{"notice: %1/MMSSETUP.dat: --number-per-day: MMS sending is on without a daily limit"};
        QTest::newRow("the same with a daily limit")
            << QStringList{"camera", "--interval", "on", "--interval-minute", "1"} << QStringList()
            << QStringList{"mms", "--number-per-day", "20"} << QStringList();
    }
    // clang-format on
    void cardAdviceAfterWriting()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, strays);
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, lines);
        QTemporaryDir card;
        if (!before.isEmpty())
            QCOMPARE(RunCli(before + QStringList{"--quiet", "--out", card.path()}).exitCode, 0);
        for (const QString &stray : strays)
            QVERIFY(WriteFile(card.filePath(stray), QByteArray(4096, '\0')));
        const CliResult result = RunCli(arguments + QStringList{"--out", card.path()});
        QCOMPARE(result.exitCode, 0);
        QStringList expected;
        for (const QString &start : lines)
            expected << start.arg(card.path());
        VerifyLines(Lines(result.err), expected);
    }

    // A failed write says why and gives no advice: there is nothing to take to the camera.
    void noAdviceWhenTheWriteFails()
    {
        QTemporaryDir card;
        const CliResult result =
            RunCli({"mms", "--country", "Australia", "--operator", "Telstra", "--out", card.filePath("missing")});
        QCOMPARE(result.exitCode, 1);
        VerifyLines(Lines(result.err), {"mms-setup-cli: cannot write "});
    }

    void checkNamesStrayCopies()
    {
        QTemporaryDir card;
        WriteMms(card.path(), {"--country", "Australia", "--operator", "Telstra", "--quiet"});
        QVERIFY(WriteFile(card.filePath("._MMSSETUP.dat"), QByteArray(4096, '\0')));
        QVERIFY(WriteFile(card.filePath("DSCF0001.JPG"), "not a settings file"));
        const CliResult checked = RunCli({"check", card.path()});
        QCOMPARE(checked.exitCode, 0);
        const QString mmsFile = QDir(card.path()).filePath("MMSSETUP.dat");
        const QStringList lines = Lines(checked.out);
        QVERIFY2(lines.front().startsWith(mmsFile + ": MMS settings, valid"), checked.out.constData());
        VerifyLines(lines.filter(QRegularExpression("^(warning|notice): ")),
                    {"warning: " + mmsFile + ": --apn: Telstra (Australia) switched its 2G network off",
                     "notice: " + QDir(card.path()).filePath("._MMSSETUP.dat")
                         + ": ._MMSSETUP.dat is a companion "
                           "file a Mac leaves"});
        QVERIFY(!checked.out.contains("DSCF0001"));
        QVERIFY(checked.err.isEmpty());
    }

    void checkJson()
    {
        QTemporaryDir card;
        WriteMms(card.path(), {"--mobile2", "0171 2345678"});
        int exitCode = -1;
        const QJsonObject checked = CheckJson(card.path(), &exitCode);
        QCOMPARE(exitCode, 0);
        QCOMPARE(checked["card"].toString(), card.path());
        const QJsonArray files = checked["files"].toArray();
        QCOMPARE(files.size(), 1);
        // The files are as inspect --json gives them.
        QCOMPARE(files[0].toObject(), InspectJson(QDir(card.path()).filePath("MMSSETUP.dat")));
        const QJsonArray advice = checked["advice"].toArray();
        QCOMPARE(advice.size(), 1);
        const QJsonObject item = advice[0].toObject();
        QCOMPARE(item["severity"].toString(), QString("warning"));
        QCOMPARE(item["file"].toString(), QDir(card.path()).filePath("MMSSETUP.dat"));
        QCOMPARE(item["field"].toString(), QString("mobile2"));
        QVERIFY(item["sentence"].toString().contains("spaces or other signs"));
        QCOMPARE(item["source"].toString(), QString());
    }

    // The exit status is inspect's: 1 for a damaged file, 2 for one that cannot be read.
    void checkStatus_data()
    {
        QTest::addColumn<QString>("content"); // of MMSSETUP.dat; "none" for no file, "folder" for a folder
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        QTest::newRow("no settings file") << "none" << 0 << ": no settings file";
        QTest::newRow("a damaged file") << "short" << 1 << "NOT VALID";
        QTest::newRow("a folder of that name") << "folder" << 2 << "";
    }
    void checkStatus()
    {
        QFETCH(QString, content);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        QTemporaryDir card;
        if (content == "short")
            QVERIFY(WriteFile(card.filePath("MMSSETUP.dat"), QByteArray(100, 'x')));
        if (content == "folder")
            QVERIFY(QDir(card.path()).mkdir("MMSSETUP.dat"));
        const CliResult checked = RunCli({"check", card.path()});
        QCOMPARE(checked.exitCode, exitCode);
        QVERIFY2(QString::fromUtf8(checked.out).contains(said), checked.out.constData());
    }

    void checkGivenFiles()
    {
        QTemporaryDir card;
        WriteMms(card.path(), {"--country", "Australia", "--operator", "Telstra", "--quiet"});
        const QString mmsFile = QDir(card.path()).filePath("MMSSETUP.dat");
        const CliResult checked = RunCli({"check", "--quiet", mmsFile});
        QCOMPARE(checked.exitCode, 0);
        VerifyLines(Lines(checked.out).filter(QRegularExpression("^(warning|notice): ")),
                    {"warning: " + mmsFile + ": --apn: Telstra (Australia)"});
    }
};

QTEST_APPLESS_MAIN(TestCliAdvice)
#include "TestCliAdvice.moc"
