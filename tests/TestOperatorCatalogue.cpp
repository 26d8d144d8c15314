// The two operator catalogues: countries, operators and keys exactly as the dialogs list
// them, every operator reachable from its country, and every setting in a form the
// camera can use.
#include "catalogue/EmailCatalogue.h"
#include "catalogue/MmsCatalogue.h"
#include "tests/support/TestSupport.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QUrl>

namespace {

const QStringList kCountries = {
    "China",     "United States", "Deutschland", "United Kingdom", "Canada",   "Sweden",         "Slovenia",
    "Portugal",  "Turkey",        "Schweiz",     "Spain",          "Slovakia", "Russia",         "Romania",
    "Poland",    "Netherlands",   "Italy",       "Ireland",        "Hungary",  "Greece",         "France",
    "Australia", "Oesterreich",   "Brazil",      "Bulgaria",       "Croatia",  "Czech Republic", "Denmark",
    "Finland",   "New Zealand",   "Norway",      "South Africa",   "Egypt",    "Ukraine",        "Lithuania",
    "India",     "Latvia",        "Namibia",     "Estonia"};

const QList<int> kMmsCounts = {2, 2, 6, 9, 2, 2, 3, 2, 1, 3, 3, 3, 4, 1, 2, 2, 2, 2, 2, 2,
                               2, 6, 2, 2, 3, 2, 4, 2, 4, 1, 6, 3, 2, 4, 3, 5, 1, 1, 3};
const QList<int> kEmailCounts = {2, 2, 7, 8, 2, 3, 1, 2, 1, 3, 3, 3, 2, 1, 2, 2, 2, 2, 2, 2,
                                 2, 5, 2, 2, 3, 1, 4, 1, 4, 1, 2, 3, 2, 4, 1, 4, 1, 1, 3};

// The catalogues' names in Qt's types, for comparing with the tables here.
QString Q(std::string_view text)
{
    return QString::fromStdString(std::string(text));
}

QStringList Q(const std::vector<std::string_view> &texts)
{
    QStringList list;
    for (std::string_view text : texts)
        list << Q(text);
    return list;
}

// Calls check(catalogue) on the catalogue a data row names ("mms" or "email").
template <typename Check>
void WithCatalogue(const QString &kind, Check &&check)
{
    if (kind == QLatin1String("mms"))
        check(mms::MmsCatalogue());
    else
        check(mms::EmailCatalogue());
}

bool IsPlainAscii(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            return false;
    }
    return true;
}

// Four numbers 0..255 of one to three digits; the catalogue keeps zero padding as published.
bool IsDottedIPv4(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,3})\\.(\\d{1,3})\\.(\\d{1,3})\\.(\\d{1,3})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return false;
    for (int i = 1; i <= 4; ++i) {
        if (match.captured(i).toInt() > 255)
            return false;
    }
    return true;
}

bool IsWebAddress(const QString &text)
{
    // A few operators publish their MMS centre without a scheme; it reads as an http address.
    const QUrl url(text.contains(QLatin1String("://")) ? text : QStringLiteral("http://") + text, QUrl::StrictMode);
    return url.isValid() && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"))
        && !url.host().isEmpty();
}

// Collects what is wrong with one text of one operator.
class FormCheck {
public:
    void Text(const QString &where, const QString &field, const QString &text, bool required, bool spacesAllowed)
    {
        Require(!required || !text.isEmpty(), where, field, text, "filled in");
        Require(IsPlainAscii(text), where, field, text, "plain ASCII");
        Require(text.size() <= kMaxTextLength, where, field, text, "within a text line's 50 characters");
        Require(spacesAllowed || !text.contains(u' '), where, field, text, "free of spaces");
    }
    void Require(bool ok, const QString &where, const QString &field, const QString &text, const char *form)
    {
        if (!ok)
            m_problems << QStringLiteral("%1 %2 \"%3\": not %4").arg(where, field, text, form);
    }
    QString Report() const { return m_problems.join(u'\n'); }
    bool Ok() const { return m_problems.isEmpty(); }

private:
    static constexpr int kMaxTextLength = 50; // a text line holds 50 characters
    QStringList m_problems;
};

// The preset list in the order it is searched, with the servers that share one value
// numbered alike.
struct PresetRow {
    const char *key;
    int server;
};
const PresetRow kExpectedPresets[] = {
    // clang-format off
    {"Slovakia--T-Mobile", 1},         {"Slovakia--Orange", 2},      {"Slovakia--O2", 3},
    {"Deutschland--O2", 4},            {"Deutschland--Bild-Vodafone", 4}, {"Deutschland--Vodafone", 4},
    {"Deutschland--E-Plus", 4},        {"Deutschland--otelo", 4},    {"Deutschland--T-Mobile", 4},
    {"Deutschland--SIMPLE SIM", 4},    {"Schweiz--Swisscom", 4},     {"Italy--Vodafone", 4},
    {"Norway--Telenor", 5},            {"Norway--Netcom", 6},        {"Sweden--Telia", 7},
};
// clang-format on
constexpr int kIpAddressServer = 2;

} // namespace

class TestOperatorCatalogue : public QObject {
    Q_OBJECT
private slots:
    void countriesAndCounts_data();
    void countriesAndCounts();
    void operatorsOfCountry_data();
    void operatorsOfCountry();
    void everyOperatorReachable_data();
    void everyOperatorReachable();
    void paramsBelongToTheirOperator_data();
    void paramsBelongToTheirOperator();
    void findCountry_data();
    void findCountry();
    void findOperatorKey_data();
    void findOperatorKey();
    void smtpPresetList();
    void findSmtpPreset_data();
    void findSmtpPreset();
    void mmsParameterForms();
    void emailParameterForms();
};

void TestOperatorCatalogue::countriesAndCounts_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("operatorCount");
    QTest::addColumn<QList<int>>("counts");
    QTest::newRow("mms") << "mms" << 111 << kMmsCounts;
    QTest::newRow("email") << "email" << 98 << kEmailCounts;
}

void TestOperatorCatalogue::countriesAndCounts()
{
    QFETCH(QString, kind);
    QFETCH(int, operatorCount);
    QFETCH(QList<int>, counts);
    WithCatalogue(kind, [&](const auto &catalogue) {
        QCOMPARE(catalogue.CountryCount(), 39);
        QCOMPARE(catalogue.OperatorCount(), operatorCount);
        QCOMPARE(Q(catalogue.CountryNames()), kCountries);
        // Countries follow one another without gaps, so no operator lies outside a country.
        int next = 0;
        for (int country = 0; country < catalogue.CountryCount(); ++country) {
            const mms::OperatorRange range = catalogue.OperatorRangeOf(country);
            QCOMPARE(range.first, next);
            QCOMPARE(range.count, counts[country]);
            next += range.count;
        }
        QCOMPARE(next, operatorCount);
    });
}

// clang-format off
void TestOperatorCatalogue::operatorsOfCountry_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("country");
    QTest::addColumn<int>("first");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("mms China") << "mms" << "China" << 0 << QStringList{"China Mobile", "China Unicom"};
    QTest::newRow("mms Deutschland") << "mms" << "Deutschland" << 4
                                     << QStringList{"Bild-Vodafone", "Vodafone", "T-Mobile", "E-Plus", "O2", "otelo"};
    QTest::newRow("mms United Kingdom")
        << "mms" << "United Kingdom" << 10
        << QStringList{"Vodafone", "O2", "O2 Payandgo", "Orange", "3", "Virgin", "Vodafone Prepay", "BT Mobile",
                       "ASDA Mobile"};
    QTest::newRow("mms Slovenia") << "mms" << "Slovenia" << 23 << QStringList{"Mobitel", "lzi Mobil", "Si Mobil"};
    QTest::newRow("mms Norway") << "mms" << "Norway" << 83
                                << QStringList{"Netcom", "Telenor", "Onecall", "Chess", "Tele2", "Talkmore"};
    QTest::newRow("mms India") << "mms" << "India" << 101
                               << QStringList{"Idea", "CellOne", "BPL", "Airtel", "VodaFone"};
    QTest::newRow("mms Estonia") << "mms" << "Estonia" << 108 << QStringList{"EMT", "ELISA", "TELE2"};
    QTest::newRow("email China") << "email" << "China" << 0 << QStringList{"China Mobile", "China Unicom"};
    QTest::newRow("email Deutschland")
        << "email" << "Deutschland" << 4
        << QStringList{"Bild-Vodafone", "Vodafone", "T-Mobile", "E-Plus", "O2", "otelo", "SIMPLE SIM"};
    QTest::newRow("email United Kingdom")
        << "email" << "United Kingdom" << 11
        << QStringList{"Vodafone", "O2", "T-Mobile", "Orange", "3", "Virgin", "Tesco Mobile", "ASDA Mobile"};
    QTest::newRow("email Hungary") << "email" << "Hungary" << 48 << QStringList{"Pannon(contract)", "Vodafone"};
    QTest::newRow("email India") << "email" << "India" << 89 << QStringList{"Idea", "BPL", "Airtel", "VodaFone"};
    QTest::newRow("email Estonia") << "email" << "Estonia" << 95 << QStringList{"EMT", "ELISA", "TELE2"};
}
// clang-format on

void TestOperatorCatalogue::operatorsOfCountry()
{
    QFETCH(QString, kind);
    QFETCH(QString, country);
    QFETCH(int, first);
    QFETCH(QStringList, names);
    WithCatalogue(kind, [&](const auto &catalogue) {
        const uint8_t index = catalogue.FindCountry(Utf8(country));
        QVERIFY(index != mms::kCatalogueMiss);
        QCOMPARE(catalogue.OperatorRangeOf(index).first, first);
        QCOMPARE(Q(catalogue.OperatorNames(index)), names);
    });
}

void TestOperatorCatalogue::everyOperatorReachable_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("mms") << "mms";
    QTest::newRow("email") << "email";
}

// What the dialogs do: pick a country, list its operators, build the key from the two
// texts and look it up. Every operator must come out at its own index, and every index
// must come out once, which also makes the keys distinct.
void TestOperatorCatalogue::everyOperatorReachable()
{
    QFETCH(QString, kind);
    WithCatalogue(kind, [&](const auto &catalogue) {
        QSet<int> reached;
        for (int country = 0; country < catalogue.CountryCount(); ++country) {
            const QStringList names = Q(catalogue.OperatorNames(country));
            QVERIFY2(!names.isEmpty(), qPrintable(Q(catalogue.CountryName(country))));
            const int first = catalogue.OperatorRangeOf(country).first;
            for (int i = 0; i < names.size(); ++i) {
                const QString key = Q(mms::MakeOperatorKey(catalogue.CountryName(country), Utf8(names[i])));
                QCOMPARE(int(catalogue.FindOperatorKey(Utf8(key))), first + i);
                QCOMPARE(Q(catalogue.OperatorKey(first + i)), key);
                reached.insert(first + i);
            }
        }
        QCOMPARE(reached.size(), catalogue.OperatorCount());
    });
}

// clang-format off
void TestOperatorCatalogue::paramsBelongToTheirOperator_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("apn");
    QTest::newRow("mms first") << "mms" << "China--China Mobile" << "cmwap";
    QTest::newRow("mms O2 Payandgo") << "mms" << "United Kingdom--O2 Payandgo" << "payandgo.o2.co.uk";
    QTest::newRow("mms last") << "mms" << "Estonia--TELE2" << "mms.tele2.ee";
    QTest::newRow("email first") << "email" << "China--China Mobile" << "cmnet";
    QTest::newRow("email E-Plus") << "email" << "Deutschland--E-Plus" << "internet.eplus.de";
    QTest::newRow("email last") << "email" << "Estonia--TELE2" << "internet.tele2.ee";
}
// clang-format on

// Operator and settings are kept apart nowhere, but a shifted row would still show here.
void TestOperatorCatalogue::paramsBelongToTheirOperator()
{
    QFETCH(QString, kind);
    QFETCH(QString, key);
    QFETCH(QString, apn);
    WithCatalogue(kind, [&](const auto &catalogue) {
        const uint8_t op = catalogue.FindOperatorKey(Utf8(key));
        QVERIFY(op != mms::kCatalogueMiss);
        QCOMPARE(QString::fromLatin1(catalogue.ParamsOf(op).apn), apn);
    });
}

void TestOperatorCatalogue::findCountry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::newRow("first") << "China" << 0;
    QTest::newRow("own-language name") << "Deutschland" << 2;
    QTest::newRow("Schweiz") << "Schweiz" << 9;
    QTest::newRow("Oesterreich") << "Oesterreich" << 22;
    QTest::newRow("last") << "Estonia" << 38;
    QTest::newRow("English name Germany") << "Germany" << int(mms::kCatalogueMiss);
    QTest::newRow("English name Switzerland") << "Switzerland" << int(mms::kCatalogueMiss);
    QTest::newRow("English name Austria") << "Austria" << int(mms::kCatalogueMiss);
    QTest::newRow("manual mode's Other") << "Other" << int(mms::kCatalogueMiss);
    QTest::newRow("empty") << "" << int(mms::kCatalogueMiss);
    QTest::newRow("lower case") << "china" << int(mms::kCatalogueMiss);
    QTest::newRow("leading blank") << " China" << int(mms::kCatalogueMiss);
    QTest::newRow("trailing blank") << "China " << int(mms::kCatalogueMiss);
}

// Both catalogues list the same countries.
void TestOperatorCatalogue::findCountry()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QCOMPARE(int(mms::MmsCatalogue().FindCountry(Utf8(name))), index);
    QCOMPARE(int(mms::EmailCatalogue().FindCountry(Utf8(name))), index);
}

// clang-format off
void TestOperatorCatalogue::findOperatorKey_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("index");
    const int miss = mms::kCatalogueMiss;
    QTest::newRow("mms first") << "mms" << "China--China Mobile" << 0;
    QTest::newRow("mms last") << "mms" << "Estonia--TELE2" << 110;
    QTest::newRow("mms India--VodaFone") << "mms" << "India--VodaFone" << 105;
    QTest::newRow("mms India--Vodafone, case differs") << "mms" << "India--Vodafone" << miss;
    QTest::newRow("mms Telstra in Spain") << "mms" << "Spain--Telstra" << 34;
    QTest::newRow("mms Telstra in Australia") << "mms" << "Australia--Telstra" << 58;
    QTest::newRow("mms operator of another country") << "mms" << "China--Vodafone" << miss;
    QTest::newRow("mms Other--Other") << "mms" << "Other--Other" << miss;
    QTest::newRow("mms blank around the dashes") << "mms" << "China -- China Mobile" << miss;
    QTest::newRow("mms empty") << "mms" << "" << miss;
    QTest::newRow("email first") << "email" << "China--China Mobile" << 0;
    QTest::newRow("email last") << "email" << "Estonia--TELE2" << 97;
    QTest::newRow("email India--VodaFone") << "email" << "India--VodaFone" << 92;
    QTest::newRow("email India--Vodafone, case differs") << "email" << "India--Vodafone" << miss;
    QTest::newRow("email one-character operator") << "email" << "United Kingdom--3" << 15;
    QTest::newRow("email E-Plus") << "email" << "Deutschland--E-Plus" << 7;
    QTest::newRow("email operator of another country") << "email" << "China--Bild-Vodafone" << miss;
    QTest::newRow("email MMS-only operator") << "email" << "United Kingdom--O2 Payandgo" << miss;
    QTest::newRow("email Other--Other") << "email" << "Other--Other" << miss;
    QTest::newRow("email empty") << "email" << "" << miss;
}
// clang-format on

void TestOperatorCatalogue::findOperatorKey()
{
    QFETCH(QString, kind);
    QFETCH(QString, key);
    QFETCH(int, index);
    WithCatalogue(kind, [&](const auto &catalogue) { QCOMPARE(int(catalogue.FindOperatorKey(Utf8(key))), index); });
}

void TestOperatorCatalogue::smtpPresetList()
{
    QCOMPARE(std::size(mms::kSmtpPresets), std::size(kExpectedPresets));
    QHash<int, QString> serverOfNumber;
    for (size_t i = 0; i < std::size(mms::kSmtpPresets); ++i) {
        const mms::SmtpPresetRow &row = mms::kSmtpPresets[i];
        const PresetRow &expected = kExpectedPresets[i];
        const QString server = QString::fromLatin1(row.preset.server);
        QCOMPARE(QString::fromLatin1(row.operatorKey), QString::fromLatin1(expected.key));
        QVERIFY2(mms::EmailCatalogue().FindOperatorKey(row.operatorKey) != mms::kCatalogueMiss, row.operatorKey);
        QCOMPARE(QString::fromLatin1(row.preset.port), QStringLiteral("25"));
        QVERIFY2(!server.isEmpty() && server.size() <= 20 && IsPlainAscii(server) && !server.contains(u' '),
                 row.preset.server);
        QCOMPARE(IsDottedIPv4(server), expected.server == kIpAddressServer);
        // Same number, same server; a new number, a server not seen before.
        if (serverOfNumber.contains(expected.server))
            QCOMPARE(server, serverOfNumber[expected.server]);
        else
            QVERIFY2(!serverOfNumber.values().contains(server), row.preset.server);
        serverOfNumber.insert(expected.server, server);
    }
    QCOMPARE(serverOfNumber.size(), 7);
}

void TestOperatorCatalogue::findSmtpPreset_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("hasPreset");
    QTest::newRow("Sweden--Telia") << "Sweden--Telia" << true;
    QTest::newRow("Deutschland--SIMPLE SIM") << "Deutschland--SIMPLE SIM" << true;
    QTest::newRow("Sweden--Telenor") << "Sweden--Telenor" << false;
    QTest::newRow("case differs") << "sweden--Telia" << false;
    QTest::newRow("empty") << "" << false;
}

void TestOperatorCatalogue::findSmtpPreset()
{
    QFETCH(QString, key);
    QFETCH(bool, hasPreset);
    const std::optional<mms::SmtpPreset> preset = mms::FindSmtpPreset(Utf8(key));
    QCOMPARE(preset.has_value(), hasPreset);
    if (preset)
        QCOMPARE(QString::fromLatin1(preset->port), QStringLiteral("25"));
}

void TestOperatorCatalogue::mmsParameterForms()
{
    const auto &catalogue = mms::MmsCatalogue();
    FormCheck check;
    for (int op = 0; op < catalogue.OperatorCount(); ++op) {
        const mms::MmsOperatorParams &p = catalogue.ParamsOf(op);
        const QString where = Q(catalogue.OperatorKey(op));
        const QString url = QString::fromLatin1(p.url);
        const QString gateway = QString::fromLatin1(p.gateway);
        const QString port = QString::fromLatin1(p.port);
        check.Text(where, "URL", url, true, false);
        check.Text(where, "APN", QString::fromLatin1(p.apn), true, false);
        check.Text(where, "gateway", gateway, true, false);
        check.Text(where, "port", port, true, false);
        check.Text(where, "account", QString::fromLatin1(p.account), false, true);
        check.Text(where, "password", QString::fromLatin1(p.password), false, true);
        check.Require(IsWebAddress(url), where, "URL", url, "a web address");
        check.Require(IsDottedIPv4(gateway), where, "gateway", gateway, "a dotted IPv4 address");
        static const QRegularExpression digits(QStringLiteral("^[0-9]{1,5}$"));
        check.Require(digits.match(port).hasMatch(), where, "port", port, "one to five digits");
    }
    QVERIFY2(check.Ok(), qPrintable(check.Report()));
}

void TestOperatorCatalogue::emailParameterForms()
{
    const auto &catalogue = mms::EmailCatalogue();
    FormCheck check;
    for (int op = 0; op < catalogue.OperatorCount(); ++op) {
        const mms::EmailOperatorParams &p = catalogue.ParamsOf(op);
        const QString where = Q(catalogue.OperatorKey(op));
        check.Text(where, "APN", QString::fromLatin1(p.apn), true, false);
        check.Text(where, "account", QString::fromLatin1(p.account), false, false);
        check.Text(where, "password", QString::fromLatin1(p.password), false, false);
    }
    QVERIFY2(check.Ok(), qPrintable(check.Report()));
}

QTEST_APPLESS_MAIN(TestOperatorCatalogue)
#include "TestOperatorCatalogue.moc"
