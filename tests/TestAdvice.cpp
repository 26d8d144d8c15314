// The advice rules, one table each: a case that triggers the rule and one just
// outside it. A row names the setting it looks at; the rule must say exactly one
// thing about it, of the expected severity and with the expected words, or nothing.
#include "advice/Advice.h"

#include <QRegularExpression>
#include <QTest>

#include <cstdlib>
#include <ctime>

namespace {

using mms::Advice;
using mms::AdviceSeverity;

QString Q(std::string_view text)
{
    return QString::fromStdString(std::string(text));
}

// What the advice says about `field`: "" for nothing, else "severity: sentence".
QString About(const std::vector<Advice> &advice, const QString &field, const QString &file = QString())
{
    QStringList said;
    for (const Advice &item : advice) {
        if (Q(item.field) == field && Q(item.file) == file)
            said << Q(mms::SeverityName(item.severity)) + ": " + Q(item.sentence);
    }
    return said.join('\n');
}

// "" expects nothing; otherwise the severity, then words the sentence must hold.
void VerifySaid(const QString &said, const QString &severity, const QStringList &words)
{
    if (severity.isEmpty()) {
        QVERIFY2(said.isEmpty(), qPrintable(said));
        return;
    }
    QVERIFY2(said.startsWith(severity + ": ") && !said.contains('\n'), qPrintable(said));
    for (const QString &word : words)
        QVERIFY2(said.contains(word), qPrintable(said + "\n lacks: " + word));
}

void AddExpectationColumns()
{
    QTest::addColumn<QString>("severity");
    QTest::addColumn<QStringList>("words");
}

mms::MmsSettings MmsOf(const QString &country, const QString &operatorName)
{
    mms::MmsSettings s;
    s.Country = country.toStdString();
    s.Operator = operatorName.toStdString();
    return s;
}

mms::EmailSettings EmailOf(const QString &country, const QString &operatorName)
{
    mms::EmailSettings s;
    s.Country = country.toStdString();
    s.Operator = operatorName.toStdString();
    return s;
}

// Telstra's MMS texts as a file read back holds them: manual mode, no operator.
mms::MmsSettings TelstraByHand()
{
    mms::MmsSettings s = MmsOf("Australia", "Telstra");
    const std::optional<mms::Bytes> file = mms::ComposeMmsSetupFile(s);
    return mms::DecodeMmsSetupFile(*file).record;
}

// Time zones as POSIX TZ strings, so that no time-zone database is needed.
constexpr const char *kCentralEurope = "CET-1CEST,M3.5.0,M10.5.0/3";
constexpr const char *kEasternAustralia = "AEST-10AEDT,M10.1.0,M4.1.0/3";
constexpr const char *kUtc = "UTC0";

void SetZone(const QString &zone)
{
    qputenv("TZ", zone.toUtf8());
    tzset();
}

mms::CameraSettings CameraAt(int year, int month, int day, int hour)
{
    mms::CameraSettings s;
    s.Year = uint16_t(year);
    s.Month = uint8_t(month);
    s.Day = uint8_t(day);
    s.Hour = uint8_t(hour);
    return s;
}

} // namespace

class TestAdvice : public QObject {
    Q_OBJECT

private slots:
    // clang-format off
    void network2g_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("operatorName");
        AddExpectationColumns();
        QTest::newRow("switched off") << "mms" << "Australia" << "Telstra" << "warning"
                                      << QStringList{"Telstra (Australia)", "off on 1 December 2016", "2G"};
        QTest::newRow("a country with none left")
            << "mms" << "Australia" << "Three" << "warning" << QStringList{"No 2G network is left in Australia"};
        QTest::newRow("closing on a date, e-mail too")
            << "email" << "Deutschland" << "Vodafone" << "notice" << QStringList{"2G network for September 2028"};
        QTest::newRow("closing without a date")
            << "mms" << "United States" << "T-Mobile" << "notice" << QStringList{"has begun to switch"};
        QTest::newRow("same country, nothing known") << "mms" << "Deutschland" << "O2" << "" << QStringList();
        QTest::newRow("nothing known") << "email" << "China" << "China Mobile" << "" << QStringList();
    }
    // clang-format on
    void network2g()
    {
        QFETCH(QString, kind);
        QFETCH(QString, country);
        QFETCH(QString, operatorName);
        QFETCH(QString, severity);
        QFETCH(QStringList, words);
        const std::vector<Advice> advice = kind == "mms" ? mms::AdviseMms(MmsOf(country, operatorName))
                                                         : mms::AdviseEmail(EmailOf(country, operatorName));
        QString said = About(advice, "operator");
        // Only the network: MMS advice on the same field is another rule's.
        said = said.split('\n').filter(QRegularExpression("2G|^$")).join('\n');
        VerifySaid(said, severity, words);
    }

    // A file read back does not say its operator: its texts are matched to the catalogue.
    void network2gOfAFileReadBack()
    {
        VerifySaid(About(mms::AdviseMms(TelstraByHand()), "apn"), "warning", {"Telstra (Australia)"});
        mms::MmsSettings changed = TelstraByHand();
        changed.Apn = "my.own.apn";
        VerifySaid(About(mms::AdviseMms(changed), "apn"), "", {});
    }

    // clang-format off
    void mmsService_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("operatorName");
        AddExpectationColumns();
        QTest::newRow("ended") << "mms" << "Deutschland" << "Vodafone" << "warning"
                               << QStringList{"ended MMS on 17 January 2023", "SMTPSETUP.dat"};
        QTest::newRow("ended in a month") << "mms" << "Netherlands" << "T-Mobile" << "warning"
                                          << QStringList{"in January 2019"};
        QTest::newRow("still offered, as far as known") << "mms" << "Deutschland" << "T-Mobile" << ""
                                                         << QStringList();
        QTest::newRow("e-mail does not need MMS") << "email" << "Deutschland" << "Vodafone" << "" << QStringList();
    }
    // clang-format on
    void mmsService()
    {
        QFETCH(QString, kind);
        QFETCH(QString, country);
        QFETCH(QString, operatorName);
        QFETCH(QString, severity);
        QFETCH(QStringList, words);
        const std::vector<Advice> advice = kind == "mms" ? mms::AdviseMms(MmsOf(country, operatorName))
                                                         : mms::AdviseEmail(EmailOf(country, operatorName));
        const QStringList said = About(advice, "operator").split('\n').filter("MMS");
        VerifySaid(said.join('\n'), severity, words);
    }

    // clang-format off
    void sendingAccount_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        AddExpectationColumns();
        const QStringList gmail = {"Gmail has refused it since 30 May 2022", "app password does not help",
                                   "a recipient at Gmail is fine"};
        QTest::newRow("sender at gmail") << "sender" << "me@gmail.com" << "warning" << gmail;
        QTest::newRow("sender at a hotmail domain") << "sender" << "Me@Hotmail.de" << "warning"
                                                    << QStringList{"Outlook.com"};
        QTest::newRow("sender elsewhere") << "sender" << "me@gmx.example" << "" << QStringList();
        QTest::newRow("provider's server") << "smtp-server" << "smtp.gmail.com" << "warning"
                                           << QStringList{"smtp.gmail.com is Gmail's server"};
        QTest::newRow("server that will refuse") << "smtp-server" << "smtp.office365.com" << "notice"
                                                 << QStringList{"will refuse plain SMTP on port 25 without TLS from December 2026"};
        QTest::newRow("operator's server") << "smtp-server" << "smtp.vodafone.de" << "" << QStringList();
        QTest::newRow("recipient at gmail") << "email1" << "friend@gmail.com" << "" << QStringList();
    }
    // clang-format on
    void sendingAccount()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, severity);
        QFETCH(QStringList, words);
        mms::EmailSettings s;
        const std::string text = value.toStdString();
        (field == "sender" ? s.SenderEmail : field == "smtp-server" ? s.SmtpServer : s.Email[0]) = text;
        VerifySaid(About(mms::AdviseEmail(s), field), severity, words);
    }

    // clang-format off
    void mobileNumbers_data()
    {
        QTest::addColumn<QString>("number");
        AddExpectationColumns();
        QTest::newRow("international form") << "+4799234567" << "" << QStringList();
        QTest::newRow("empty") << "" << "" << QStringList();
        QTest::newRow("national form") << "099234567" << "notice" << QStringList{"no country code", "+4799234567"};
        QTest::newRow("00 instead of +") << "004799234567" << "notice" << QStringList{"no country code"};
        QTest::newRow("spaces") << "+47 99 23 45 67" << "warning" << QStringList{"spaces or other signs"};
        QTest::newRow("dashes") << "0171-2345678" << "warning" << QStringList{"spaces or other signs"};
        QTest::newRow("plus alone") << "+" << "warning" << QStringList{"spaces or other signs"};
        QTest::newRow("too short") << "+4712" << "warning" << QStringList{"not a mobile number"};
        QTest::newRow("0 after +") << "+04799234567" << "warning" << QStringList{"not a mobile number"};
    }
    // clang-format on
    void mobileNumbers()
    {
        QFETCH(QString, number);
        QFETCH(QString, severity);
        QFETCH(QStringList, words);
        mms::MmsSettings s;
        s.Mobile[2] = number.toStdString();
        VerifySaid(About(mms::AdviseMms(s), "mobile3"), severity, words);
    }

    // clang-format off
    void recipientAddresses_data()
    {
        QTest::addColumn<QString>("address");
        AddExpectationColumns();
        QTest::newRow("an address") << "me@example.com" << "" << QStringList();
        QTest::newRow("empty") << "" << "" << QStringList();
        const QStringList notAnAddress = {"is not an e-mail address"};
        QTest::newRow("no dot in the domain") << "me@example" << "warning" << notAnAddress;
        QTest::newRow("no @") << "me.example.com" << "warning" << notAnAddress;
        QTest::newRow("two @") << "me@home@example.com" << "warning" << notAnAddress;
        QTest::newRow("nothing before @") << "@example.com" << "warning" << notAnAddress;
        QTest::newRow("a space") << "my name@example.com" << "warning" << notAnAddress;
        QTest::newRow("two addresses") << "a@example.com,b@example.com" << "warning" << notAnAddress;
    }
    // clang-format on
    void recipientAddresses()
    {
        QFETCH(QString, address);
        QFETCH(QString, severity);
        QFETCH(QStringList, words);
        mms::MmsSettings mmsFile;
        mmsFile.Email[1] = address.toStdString();
        VerifySaid(About(mms::AdviseMms(mmsFile), "email2"), severity, words);
        mms::EmailSettings emailFile;
        emailFile.Email[1] = address.toStdString();
        VerifySaid(About(mms::AdviseEmail(emailFile), "email2"), severity, words);
    }

    // clang-format off
    void textGateways_data()
    {
        QTest::addColumn<QString>("address");
        AddExpectationColumns();
        QTest::newRow("closed") << "5551234567@txt.att.net" << "warning"
                                << QStringList{"AT&T", "closed on 17 June 2025", "are lost"};
        QTest::newRow("closing") << "5551234567@vtext.com" << "notice" << QStringList{"closes on 31 March 2027"};
        QTest::newRow("the carrier's ordinary mail") << "me@att.net" << "" << QStringList();
    }
    // clang-format on
    void textGateways()
    {
        QFETCH(QString, address);
        QFETCH(QString, severity);
        QFETCH(QStringList, words);
        mms::EmailSettings s;
        s.Email[3] = address.toStdString();
        VerifySaid(About(mms::AdviseEmail(s), "email4"), severity, words);
    }

    void clockInSummerTime_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QDateTime>("clock");
        AddExpectationColumns();
        const auto at = [](int y, int m, int d, int h) { return QDateTime(QDate(y, m, d), QTime(h, 0)); };
        QTest::newRow("summer") << kCentralEurope << at(2025, 7, 1, 12) << "notice"
                                << QStringList{"from 26 October 2025", "an hour ahead"};
        QTest::newRow("the small hours before it ends")
            << kCentralEurope << at(2025, 10, 26, 1) << "notice" << QStringList{"from 26 October 2025"};
        QTest::newRow("just after it ends") << kCentralEurope << at(2025, 10, 26, 4) << "" << QStringList();
        QTest::newRow("winter") << kCentralEurope << at(2025, 12, 11, 12) << "" << QStringList();
        QTest::newRow("southern summer") << kEasternAustralia << at(2026, 1, 15, 12) << "notice"
                                         << QStringList{"from 5 April 2026"};
        QTest::newRow("southern winter") << kEasternAustralia << at(2026, 7, 1, 12) << "" << QStringList();
        QTest::newRow("no summer time") << kUtc << at(2025, 7, 1, 12) << "" << QStringList();
    }
    void clockInSummerTime()
    {
        QFETCH(QString, zone);
        QFETCH(QDateTime, clock);
        QFETCH(QString, severity);
        QFETCH(QStringList, words);
        SetZone(zone);
        const mms::CameraSettings s =
            CameraAt(clock.date().year(), clock.date().month(), clock.date().day(), clock.time().hour());
        VerifySaid(About(mms::AdviseCamera(s, mms::IsDaylightSavingLocal), "clock"), severity, words);
    }

    // clang-format off
    void strayCopies_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("stray");
        AddExpectationColumns();
        QTest::newRow("left by a Mac") << QStringList{"MMSSETUP.dat", "._MMSSETUP.dat"} << "._MMSSETUP.dat"
                                       << "notice" << QStringList{"a Mac", "Delete it"};
        QTest::newRow("hidden extension, no original")
            << QStringList{"SMTPSETUP.dat.txt"} << "SMTPSETUP.dat.txt" << "warning"
            << QStringList{"reads only SMTPSETUP.dat", "rename SMTPSETUP.dat.txt to SMTPSETUP.dat"};
        QTest::newRow("a download's copy") << QStringList{"CAMERASETUP.dat", "CAMERASETUP (1).dat"}
                                           << "CAMERASETUP (1).dat" << "notice" << QStringList{"stray copy"};
        QTest::newRow("the name in another case") << QStringList{"mmssetup.dat"} << "mmssetup.dat" << ""
                                                  << QStringList();
        QTest::newRow("another file") << QStringList{"MMSSETUP.dat", "DCIM"} << "DCIM" << "" << QStringList();
    }
    // clang-format on
    void strayCopies()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, stray);
        QFETCH(QString, severity);
        QFETCH(QStringList, words);
        std::vector<mms::CardFile> card;
        for (const QString &name : names)
            card.push_back({name.toStdString(), {}});
        VerifySaid(About(mms::AdviseCard(card, {}), "", stray), severity, words);
    }

    // clang-format off
    void contradictingFiles_data()
    {
        QTest::addColumn<int>("intervalSeconds"); // 0: interval off
        QTest::addColumn<int>("burst");
        QTest::addColumn<int>("timeLapseMinutes"); // 0: time lapse off
        QTest::addColumn<QString>("numberPerDay");
        QTest::addColumn<int>("status");
        AddExpectationColumns();
        const QStringList dozens = {"MMS sending is on without a daily limit", "up to 60 photos an hour"};
        QTest::newRow("a photo a minute") << 60 << 1 << 0 << "0" << 1 << "notice" << dozens;
        QTest::newRow("two dozen: bursts of 2 every 5 minutes")
            << 300 << 2 << 0 << "0" << 1 << "notice" << QStringList{"up to 24 photos"};
        QTest::newRow("one dozen") << 300 << 1 << 0 << "0" << 1 << "" << QStringList();
        QTest::newRow("time lapse every 2 minutes") << 0 << 1 << 2 << "0" << 1 << "notice"
                                                    << QStringList{"up to 30 photos"};
        QTest::newRow("with a daily limit") << 60 << 1 << 0 << "10" << 1 << "" << QStringList();
        QTest::newRow("sending off") << 60 << 1 << 0 << "0" << 0 << "" << QStringList();
        QTest::newRow("nothing bounds it") << 0 << 5 << 0 << "0" << 1 << "" << QStringList();
    }
    // clang-format on
    void contradictingFiles()
    {
        QFETCH(int, intervalSeconds);
        QFETCH(int, burst);
        QFETCH(int, timeLapseMinutes);
        QFETCH(QString, numberPerDay);
        QFETCH(int, status);
        QFETCH(QString, severity);
        QFETCH(QStringList, words);
        mms::CameraSettings camera;
        camera.IntervalOnOff = intervalSeconds > 0 ? 0 : 1;
        camera.IntervalMinute = uint8_t(intervalSeconds / 60);
        camera.IntervalSecond = uint8_t(intervalSeconds % 60);
        camera.ImageBurst = uint8_t(burst - 1);
        camera.TimeLapseOnOff = timeLapseMinutes > 0 ? 0 : 1;
        camera.TimeLapseMinute = uint8_t(timeLapseMinutes);
        mms::MmsSettings message;
        message.Header.NumberPerDay = numberPerDay.toStdString();
        message.Header.Status = uint8_t(status);
        const std::vector<mms::CardFile> card = {{"CAMERASETUP.dat", camera}, {"MMSSETUP.dat", message}};
        VerifySaid(About(mms::AdviseCard(card, {}), "number-per-day", "MMSSETUP.dat"), severity, words);
    }

    // A card's settings files get their own advice under their names; strays do not.
    void cardFilesCarryTheirNames()
    {
        const std::vector<mms::CardFile> card = {{"MMSSETUP.dat", MmsOf("Australia", "Telstra")},
                                                 {"MMSSETUP (1).dat", MmsOf("Australia", "Telstra")}};
        const std::vector<Advice> advice = mms::AdviseCard(card, {});
        VerifySaid(About(advice, "operator", "MMSSETUP.dat"), "warning", {"Telstra"});
        VerifySaid(About(advice, "operator", "MMSSETUP (1).dat"), "", {});
        QVERIFY(mms::IsSettingsFileName("smtpsetup.DAT"));
        QVERIFY(!mms::IsSettingsFileName("._SMTPSETUP.dat"));
        QVERIFY(mms::LooksLikeSettingsFile("._SMTPSETUP.dat"));
        QVERIFY(!mms::LooksLikeSettingsFile("DSCF0001.JPG"));
    }

    void everyItemHasASentence()
    {
        mms::MmsSettings s = MmsOf("Deutschland", "Vodafone");
        s.Mobile[0] = "0171 2345678";
        s.Email[0] = "555@txt.att.net";
        for (const Advice &item : mms::AdviseMms(s)) {
            QVERIFY(!item.sentence.empty());
            QVERIFY2(item.sentence.back() == '.', item.sentence.c_str());
        }
    }
};

QTEST_APPLESS_MAIN(TestAdvice)
#include "TestAdvice.moc"
