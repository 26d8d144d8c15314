// mms-setup-cli's `mms`, `email` and `catalogue` as scripts use them: options into file
// bytes, refusals that write nothing, and `inspect` reading back what they write.
#include "catalogue/EmailCatalogue.h"
#include "catalogue/MmsCatalogue.h"
#include "settings/EmailSettings.h"
#include "settings/MmsSettings.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString FileNameFor(const QStringList &arguments)
{
    return arguments.first() == QLatin1String("mms") ? QStringLiteral("MMSSETUP.dat") : QStringLiteral("SMTPSETUP.dat");
}

const mms::MmsOperatorParams &MmsParams(const char *key)
{
    return mms::MmsCatalogue().ParamsOf(mms::MmsCatalogue().FindOperatorKey(key));
}

const mms::EmailOperatorParams &EmailParams(const char *key)
{
    return mms::EmailCatalogue().ParamsOf(mms::EmailCatalogue().FindOperatorKey(key));
}

const char *PresetServer(const char *key)
{
    return mms::FindSmtpPreset(key)->server;
}

QByteArray ComposeTextLine(std::string_view cameraText)
{
    return ToQ(mms::ComposeTextLine(cameraText));
}

QByteArray ComposeSenderNameLine(std::string_view cameraSenderEmail)
{
    return ToQ(mms::ComposeSenderNameLine(cameraSenderEmail));
}

const QString kLong51(51, u'a');

// Where the MMS file's final line holds the checksum of the lines before it.
constexpr int kMmsFinalLine = 900;
constexpr int kChecksumInFinalLine = 54;

} // namespace

class TestCliSending : public QObject {
    Q_OBJECT
private slots:
    void manualFileOnStdout_data();
    void manualFileOnStdout();
    void catalogueJson_data();
    void catalogueJson();
    void optionsReachTheFile_data();
    void optionsReachTheFile();
    void usageErrorWritesNothing_data();
    void usageErrorWritesNothing();
    void writeFailureNamesThePath_data();
    void writeFailureNamesThePath();
    void inspectReadsBackWrittenFile_data();
    void inspectReadsBackWrittenFile();
    void inspectRejectsDamagedFile();
    void inspectShowsDecodedTextsPrintable_data();
    void inspectShowsDecodedTextsPrintable();
};

void TestCliSending::manualFileOnStdout_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("size");
    QTest::addColumn<QByteArray>("checksum");
    QTest::newRow("mms") << "mms" << 960 << QByteArray::fromHex("0002E970");
    QTest::newRow("email") << "email" << 840 << QByteArray::fromHex("000285A6");
}

void TestCliSending::manualFileOnStdout()
{
    QFETCH(QString, command);
    QFETCH(int, size);
    QFETCH(QByteArray, checksum);
    const CliResult result = RunCli({command, "--mode", "manual", "--out", "-"});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out.size(), size);
    QCOMPARE(result.out.sliced(size - 6, 4), checksum);
    QVERIFY(result.err.isEmpty());
}

void TestCliSending::catalogueJson_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("operators");
    QTest::addColumn<QStringList>("paramNames");
    QTest::addColumn<int>("presets");
    QTest::newRow("mms") << "mms" << 111 << QStringList{"account", "apn", "gateway", "password", "port", "url"} << 0;
    QTest::newRow("email") << "email" << 98 << QStringList{"account", "apn", "password"} << 15;
}

void TestCliSending::catalogueJson()
{
    QFETCH(QString, kind);
    QFETCH(int, operators);
    QFETCH(QStringList, paramNames);
    QFETCH(int, presets);
    const CliResult result = RunCli({"catalogue", kind, "--json"});
    QCOMPARE(result.exitCode, 0);
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(result.out, &parseError);
    QVERIFY2(document.isArray(), qPrintable(parseError.errorString()));
    const QJsonArray countries = document.array();
    QCOMPARE(countries.size(), 39);
    QCOMPARE(countries.first()[QStringLiteral("country")].toString(), QStringLiteral("China"));
    QCOMPARE(countries.last()[QStringLiteral("country")].toString(), QStringLiteral("Estonia"));

    int index = 0;
    int withPreset = 0;
    for (const QJsonValue &country : countries) {
        const QString countryName = country[QStringLiteral("country")].toString();
        for (const QJsonValue &op : country[QStringLiteral("operators")].toArray()) {
            const QString name = op[QStringLiteral("name")].toString();
            QCOMPARE(op[QStringLiteral("index")].toInt(-1), index++);
            QCOMPARE(op[QStringLiteral("key")].toString(), countryName + QStringLiteral("--") + name);
            const QJsonObject params = op[QStringLiteral("params")].toObject();
            QCOMPARE(params.keys(), paramNames);
            QVERIFY2(!params[QStringLiteral("apn")].toString().isEmpty(), qPrintable(name));
            const QJsonValue smtp = op[QStringLiteral("smtp")];
            if (kind == QLatin1String("mms")) {
                QVERIFY(smtp.isUndefined());
            } else if (smtp.isObject()) {
                ++withPreset;
                QVERIFY(!smtp[QStringLiteral("server")].toString().isEmpty());
                QCOMPARE(smtp[QStringLiteral("port")].toString(), QStringLiteral("25"));
            } else {
                QVERIFY2(smtp.isNull(), qPrintable(name));
            }
        }
    }
    QCOMPARE(index, operators);
    QCOMPARE(withPreset, presets);
}

// clang-format off
void TestCliSending::optionsReachTheFile_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("status sms") << QStringList{"mms", "--status", "sms"} << 0 << QByteArray("\x03", 1);
    QTest::newRow("status in any case") << QStringList{"email", "--status", "VGA"} << 0 << QByteArray("\x02", 1);
    QTest::newRow("number per day 05") << QStringList{"mms", "--number-per-day", "05"} << 3
                                       << QByteArray::fromHex("FFAF");
    QTest::newRow("daily report at 7") << QStringList{"email", "--daily-report", "on", "--report-hour", "7"} << 5
                                       << QByteArray::fromHex("0007");
    QTest::newRow("daily report on, default hour") << QStringList{"mms", "--daily-report", "on"} << 5
                                                   << QByteArray::fromHex("0000");
    QTest::newRow("operator's catalogue URL")
        << QStringList{"mms", "--country", "United Kingdom", "--operator", "O2 Payandgo"} << 60
        << ComposeTextLine(MmsParams("United Kingdom--O2 Payandgo").url);
    QTest::newRow("default operator is the country's first")
        << QStringList{"mms", "--country", "Estonia"} << 60 << ComposeTextLine(MmsParams("Estonia--EMT").url);
    QTest::newRow("manual mode texts")
        << QStringList{"mms", "--mode", "manual", "--url", "http://mmsc", "--port", "8080"} << 60
        << ComposeTextLine("http://mmsc") + ComposeTextLine("") + ComposeTextLine("") + ComposeTextLine("8080");
    QTest::newRow("mobile number") << QStringList{"mms", "--mobile4", "0123456789"} << 600
                                   << ComposeTextLine("0123456789");
    QTest::newRow("email GPRS texts from the catalogue")
        << QStringList{"email", "--country", "Deutschland", "--operator", "E-Plus"} << 60
        << ComposeTextLine(EmailParams("Deutschland--E-Plus").apn)
               + ComposeTextLine(EmailParams("Deutschland--E-Plus").account)
               + ComposeTextLine(EmailParams("Deutschland--E-Plus").password);
    QTest::newRow("SMTP preset fills server and port")
        << QStringList{"email", "--country", "Sweden", "--operator", "Telia"} << 240
        << ComposeTextLine(PresetServer("Sweden--Telia")) + ComposeTextLine("25");
    QTest::newRow("given server overrides the preset")
        << QStringList{"email", "--country", "Sweden", "--operator", "Telia", "--smtp-server", "smtp.example.org"}
        << 240 << ComposeTextLine("smtp.example.org") + ComposeTextLine("25");
    QTest::newRow("no preset, no server") << QStringList{"email", "--country", "Sweden", "--operator", "Telenor"}
                                          << 240 << ComposeTextLine("") + ComposeTextLine("");
    QTest::newRow("manual mode takes no preset") << QStringList{"email", "--mode", "manual", "--smtp-port", "587"}
                                                 << 240 << ComposeTextLine("") + ComposeTextLine("587");
    QTest::newRow("sender and its name line")
        << QStringList{"email", "--sender", "cam@example.org", "--sender-password", "secret"} << 360
        << ComposeSenderNameLine("cam@example.org") + ComposeTextLine("cam@example.org") + ComposeTextLine("secret");
    QTest::newRow("Latin-1 letter") << QStringList{"email", "--email4", QString::fromUtf8("josé@example.org")} << 720
                                    << ComposeTextLine("jos\xE9@example.org");
    QTest::newRow("mode in any case") << QStringList{"mms", "--mode", "MANUAL", "--url", "http://mmsc"} << 60
                                      << ComposeTextLine("http://mmsc");
    // Scripts give empty recipients and passwords; an empty value takes nothing after it.
    QTest::newRow("empty text after =") << QStringList{"email", "--sender-password=", "--email1", "me@example.org"}
                                        << 480 << ComposeTextLine("") + ComposeTextLine("me@example.org");
    QTest::newRow("empty text as an argument") << QStringList{"mms", "--mode", "manual", "--url", "", "--apn", "mms"}
                                               << 60 << ComposeTextLine("") + ComposeTextLine("mms");
    QTest::newRow("values after =")
        << QStringList{"mms", "--mode=manual", "--url=http://mmsc/?a=b", "--port=8080"} << 60
        << ComposeTextLine("http://mmsc/?a=b") + ComposeTextLine("") + ComposeTextLine("") + ComposeTextLine("8080");
    QTest::newRow("value beginning with -- after =") << QStringList{"email", "--sender-password=--secret"} << 480
                                                     << ComposeTextLine("--secret");
    QTest::newRow("country and operator after =")
        << QStringList{"mms", "--country=United Kingdom", "--operator=O2 Payandgo"} << 60
        << ComposeTextLine(MmsParams("United Kingdom--O2 Payandgo").url);
}
// clang-format on

void TestCliSending::optionsReachTheFile()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    const CliResult result = RunCli(arguments + QStringList{"--out", "-"});
    QVERIFY2(result.exitCode == 0, result.err.constData());
    QCOMPARE(result.out.mid(offset, bytes.size()), bytes);
}

// clang-format off
void TestCliSending::usageErrorWritesNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("mentions");
    QTest::newRow("unknown country") << QStringList{"mms", "--country", "Germany"}
                                     << QStringList{"--country", "Germany", "Deutschland", "Estonia"};
    QTest::newRow("operator of another country")
        << QStringList{"mms", "--country", "China", "--operator", "Vodafone"}
        << QStringList{"--operator", "Vodafone", "China Mobile", "China Unicom"};
    QTest::newRow("operator of the other catalogue")
        << QStringList{"email", "--country", "United Kingdom", "--operator", "O2 Payandgo"}
        << QStringList{"--operator", "O2 Payandgo", "Tesco Mobile"};
    QTest::newRow("operator case differs") << QStringList{"email", "--country", "India", "--operator", "Vodafone"}
                                           << QStringList{"--operator", "VodaFone"};
    QTest::newRow("connection text in auto mode") << QStringList{"mms", "--url", "http://mmsc"}
                                                  << QStringList{"--url", "manual"};
    QTest::newRow("GPRS text in auto mode") << QStringList{"email", "--apn", "internet"}
                                            << QStringList{"--apn", "manual"};
    QTest::newRow("country in manual mode") << QStringList{"mms", "--mode", "manual", "--country", "China"}
                                            << QStringList{"--country"};
    QTest::newRow("three digits a day") << QStringList{"mms", "--number-per-day", "123"}
                                        << QStringList{"--number-per-day", "123"};
    QTest::newRow("not a number a day") << QStringList{"email", "--number-per-day", "1a"}
                                        << QStringList{"--number-per-day", "1a"};
    QTest::newRow("report hour with report off") << QStringList{"mms", "--report-hour", "7"}
                                                 << QStringList{"--report-hour", "--daily-report"};
    QTest::newRow("report hour 24") << QStringList{"email", "--daily-report", "on", "--report-hour", "24"}
                                    << QStringList{"--report-hour", "24"};
    QTest::newRow("51-character address") << QStringList{"mms", "--email1", kLong51} << QStringList{"--email1", "51"};
    QTest::newRow("51-character sender password") << QStringList{"email", "--sender-password", kLong51}
                                                  << QStringList{"--sender-password", "51"};
    QTest::newRow("Cyrillic letter") << QStringList{"email", "--sender", QString::fromUtf8("иван@mail.ru")}
                                     << QStringList{"--sender", QString::fromUtf8("и")};
    QTest::newRow("euro sign") << QStringList{"mms", "--mobile2", QString::fromUtf8("€5")}
                               << QStringList{"--mobile2", QString::fromUtf8("€")};
    QTest::newRow("unknown status") << QStringList{"mms", "--status", "foo"} << QStringList{"--status", "foo"};
    QTest::newRow("unknown mode") << QStringList{"email", "--mode", "semi"} << QStringList{"--mode", "semi"};
    QTest::newRow("unknown command") << QStringList{"mmss"} << QStringList{"unknown command \"mmss\""};
    QTest::newRow("repeated text") << QStringList{"mms", "--mobile1", "1", "--mobile1", "2"}
                                   << QStringList{"--mobile1 is given more than once"};
    QTest::newRow("repeated, once after =")
        << QStringList{"email", "--sender=a@example.org", "--sender", "b@example.org"}
        << QStringList{"--sender is given more than once"};
    QTest::newRow("value left out before an option") << QStringList{"mms", "--mode", "--status", "sms"}
                                                     << QStringList{"--mode needs a value"};
    QTest::newRow("value left out before --out") << QStringList{"email", "--mode", "manual", "--apn"}
                                                 << QStringList{"--apn needs a value"};
    QTest::newRow("delete character") << QStringList{"mms", "--mode", "manual", "--url", "http://mmsc\x7F"}
                                      << QStringList{"--url", "U+007F"};
    QTest::newRow("C1 control") << QStringList{"email", "--sender", QString::fromUtf8("cam\u0085@example.org")}
                                << QStringList{"--sender", "U+0085"};
    QTest::newRow("last C1 control") << QStringList{"mms", "--email3", QString::fromUtf8("a\u009F@example.org")}
                                     << QStringList{"--email3", "U+009F"};
    QTest::newRow("status in ASCII case only") << QStringList{"mms", "--status", QString::fromUtf8("ſms")}
                                               << QStringList{"--status", QString::fromUtf8("\"ſms\"")};
    QTest::newRow("country quoted printable and cut")
        << QStringList{"mms", "--country", "\x1B]0;owned\x07" + QString(60, u'x')}
        << QStringList{"--country \"\\x1B]0;owned\\x07" + QString(30, u'x') + "...\" is not in the catalogue"};
    QTest::newRow("operator on one line") << QStringList{"email", "--country", "Sweden", "--operator", "Tel\nia"}
                                          << QStringList{"--operator \"Tel\\x0Aia\"", "Telia"};
}
// clang-format on

// Exit status 2 and one line on standard error naming the option; the folder stays empty.
void TestCliSending::usageErrorWritesNothing()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, mentions);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const CliResult result = RunCli(arguments + QStringList{"--out", dir.path()});
    QCOMPARE(result.exitCode, 2);
    const QString error = QString::fromUtf8(result.err);
    QCOMPARE(error.count(u'\n'), 1);
    for (const QString &mention : mentions)
        QVERIFY2(error.contains(mention), qPrintable(error));
    QVERIFY(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

void TestCliSending::writeFailureNamesThePath_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("mms") << "mms";
    QTest::newRow("email") << "email";
}

void TestCliSending::writeFailureNamesThePath()
{
    QFETCH(QString, command);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(FileNameFor({command}));
    const QByteArray old("locked settings");
    QVERIFY(WriteReadOnlyFile(path, old));
    const CliResult result = RunCli({command, "--out", dir.path()});
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(QString::fromUtf8(result.err).contains(QDir::toNativeSeparators(path)), result.err.constData());
    QCOMPARE(ReadFile(path), old);
}

// clang-format off
void TestCliSending::inspectReadsBackWrittenFile_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QVariantMap>("fields");
    QTest::newRow("mms manual")
        << QStringList{"mms", "--mode", "manual", "--status", "vga", "--number-per-day", "05", "--url",
                       "http://mmsc.example.org:8002", "--mobile1", "0123456789", "--email1", "Cam.Owner@example.org"}
        << "mms"
        << QVariantMap{{"status", "vga"},
                       {"number-per-day", 5},
                       {"daily-report", "off"},
                       {"url", "http://mmsc.example.org:8002"},
                       {"mobile1", "0123456789"},
                       {"email1", "Cam.Owner@example.org"},
                       {"email2", ""}};
    QTest::newRow("mms auto") << QStringList{"mms", "--daily-report", "on", "--report-hour", "23"} << "mms"
                              << QVariantMap{{"report-hour", 23},
                                             {"apn", MmsParams("China--China Mobile").apn},
                                             {"gateway", MmsParams("China--China Mobile").gateway}};
    // ")" and "m" scramble alike; the byte reads back as the letter.
    QTest::newRow("mms scrambler ambiguity") << QStringList{"mms", "--email1", "m)"} << "mms"
                                             << QVariantMap{{"email1", "mm"}};
    QTest::newRow("email auto with preset")
        << QStringList{"email", "--country", "Sweden", "--operator", "Telia", "--sender", "cam@example.org",
                       "--sender-password", "secret", "--number-per-day", "42"}
        << "email"
        << QVariantMap{{"number-per-day", 42},
                       {"apn", EmailParams("Sweden--Telia").apn},
                       {"smtp-server", PresetServer("Sweden--Telia")},
                       {"smtp-port", "25"},
                       {"sender-name", "cam"},
                       {"sender", "cam@example.org"},
                       {"sender-password", "secret"}};
}
// clang-format on

void TestCliSending::inspectReadsBackWrittenFile()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, kind);
    QFETCH(QVariantMap, fields);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const CliResult written = RunCli(arguments + QStringList{"--out", dir.path()});
    QVERIFY2(written.exitCode == 0, written.err.constData());

    int exitCode = -1;
    const QJsonObject report = InspectJson(dir.filePath(FileNameFor(arguments)), &exitCode);
    QCOMPARE(exitCode, 0);
    QCOMPARE(report[QStringLiteral("kind")].toString(), kind);
    QVERIFY(report[QStringLiteral("signature_ok")].toBool());
    QVERIFY(report[QStringLiteral("checksum_ok")].toBool());
    QCOMPARE(report[QStringLiteral("problems")].toArray(), QJsonArray());
    for (auto field = fields.cbegin(); field != fields.cend(); ++field)
        QCOMPARE(report[field.key()].toVariant(), QJsonValue::fromVariant(field.value()).toVariant());
}

// One byte of the APN line changed: the checksum no longer matches.
void TestCliSending::inspectRejectsDamagedFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QCOMPARE(RunCli({"mms", "--out", dir.path()}).exitCode, 0);
    const QString path = dir.filePath(QStringLiteral("MMSSETUP.dat"));
    QByteArray file = ReadFile(path);
    QCOMPARE(file.size(), 960);
    file[120] = char(file[120] ^ 0x10);
    QVERIFY(WriteFile(path, file));

    int exitCode = -1;
    const QJsonObject report = InspectJson(path, &exitCode);
    QCOMPARE(exitCode, 1);
    QCOMPARE(report[QStringLiteral("kind")].toString(), QStringLiteral("mms"));
    QVERIFY(!report[QStringLiteral("checksum_ok")].toBool());
    QVERIFY(report[QStringLiteral("signature_ok")].toBool());
}

void TestCliSending::inspectShowsDecodedTextsPrintable_data()
{
    // As the camera stores it, Latin-1; bytes such as ESC do not survive the scrambling.
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("shown");
    QTest::newRow("bell and a forged problem line")
        << QByteArray("\a\n  problem: none") << QByteArray("\\x07\\x0A  problem: none");
    QTest::newRow("backspaces") << QByteArray("\b\b\bhttp://mmsc") << QByteArray("\\x08\\x08\\x08http://mmsc");
    QTest::newRow("C1 control") << QByteArray("next\x85line") << QByteArray("next\\xC2\\x85line");
    QTest::newRow("delete") << QByteArray("del\x7F") << QByteArray("del\\x7F");
}

// A file crafted with control bytes in a text, its checksum made to match: the text
// output shows them escaped, so that they neither drive the terminal nor forge a
// line; JSON carries the text itself.
void TestCliSending::inspectShowsDecodedTextsPrintable()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, shown);
    const CliResult written = RunCli({"mms", "--mode", "manual", "--out", "-"});
    QCOMPARE(written.exitCode, 0);
    QByteArray file = written.out;
    file.replace(60, 60, ComposeTextLine(text.toStdString()));
    file.replace(kMmsFinalLine + kChecksumInFinalLine, 4,
                 ToQ(mms::BigEndian32(mms::ByteSum(ToBytes(file.first(kMmsFinalLine))))));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("MMSSETUP.dat"));
    QVERIFY(WriteFile(path, file));

    const CliResult inspected = RunCli({"inspect", path});
    QCOMPARE(inspected.exitCode, 1);
    QVERIFY2(inspected.out.contains("\n  url: " + shown + '\n'), inspected.out.constData());
    QVERIFY(!inspected.out.contains("\n  problem: none"));
    for (const char c : inspected.out)
        QVERIFY2(uchar(c) >= 0x20 || c == '\n', qPrintable(QStringLiteral("byte %1 printed").arg(uchar(c))));

    int exitCode = -1;
    const QJsonObject report = InspectJson(path, &exitCode);
    QCOMPARE(exitCode, 1);
    QVERIFY(report[QStringLiteral("checksum_ok")].toBool());
    QCOMPARE(report[QStringLiteral("url")].toString(), QString::fromLatin1(text));
}

QTEST_APPLESS_MAIN(TestCliSending)
#include "TestCliSending.moc"
