// The facts table: one row for every operator of both catalogues, every known fact
// with its public source and its date, and lookups by domain and server name.
#include "catalogue/EmailCatalogue.h"
#include "catalogue/MmsCatalogue.h"
#include "catalogue/ServiceFacts.h"

#include <QSet>
#include <QTest>

#include <span>

namespace {

QString Q(std::string_view text)
{
    return QString::fromStdString(std::string(text));
}

template <typename Params>
void AddKeys(const mms::OperatorCatalogue<Params> &catalogue, QSet<QString> &operators, QSet<QString> &countries)
{
    for (int op = 0; op < catalogue.OperatorCount(); ++op)
        operators << Q(catalogue.OperatorKey(op));
    for (int country = 0; country < catalogue.CountryCount(); ++country)
        countries << Q(catalogue.CountryName(country));
}

std::span<const mms::OperatorFactRow> OperatorRows()
{
    return {mms::kOperatorFacts, size_t(mms::kOperatorFactCount)};
}

// What is wrong with one fact: a state the tables do not know, a known fact without
// its source, an end without its date, a date that is not one, or an unknown fact
// with a date or a source (which would then be a guess).
QString FactProblem(std::string_view state, std::string_view date, std::string_view source, bool dateRequired)
{
    const std::optional<mms::ServiceState> parsed = mms::ParseServiceState(state);
    if (!parsed)
        return "unknown state " + Q(state);
    const bool hasDate = date != "-";
    const bool hasSource = source != "-";
    if (*parsed == mms::ServiceState::Unknown)
        return hasDate || hasSource ? "an unknown fact with a date or source" : QString();
    if (!hasSource || source.empty() || source == "unknown")
        return "no source";
    if (hasDate && !mms::IsFactDate(date))
        return "bad date " + Q(date);
    if (dateRequired && !hasDate)
        return "no date";
    return {};
}

bool IsFullDate(std::string_view text)
{
    return text.size() == 10 && mms::IsFactDate(text);
}

} // namespace

class TestServiceFacts : public QObject {
    Q_OBJECT

private slots:
    void everyCatalogueOperatorHasOneRow()
    {
        QSet<QString> operators;
        QSet<QString> countries;
        AddKeys(mms::MmsCatalogue(), operators, countries);
        AddKeys(mms::EmailCatalogue(), operators, countries);
        QSet<QString> rows;
        for (const mms::OperatorFactRow &row : OperatorRows()) {
            const QString key = Q(row.key);
            QVERIFY2(!rows.contains(key), qPrintable("two rows for " + key));
            QVERIFY2(operators.contains(key) || countries.contains(key), qPrintable(key + " is in no catalogue"));
            rows << key;
        }
        for (const QString &key : operators)
            QVERIFY2(rows.contains(key), qPrintable("no row for " + key));
    }

    void everyKnownFactHasSourceAndDate()
    {
        for (const mms::OperatorFactRow &row : OperatorRows()) {
            const QString key = Q(row.key);
            // A closing network may have no announced date; a switched-off one has one.
            const std::string_view off2g = row.network2g, off3g = row.network3g;
            const struct {
                const char *what;
                QString problem;
            } facts[] = {
                {"2G", FactProblem(row.network2g, row.date2g, row.source2g, off2g == "off")},
                {"3G", FactProblem(row.network3g, row.date3g, row.source3g, off3g == "off")},
                {"MMS", FactProblem(row.mms, row.mmsDate, row.mmsSource, std::string_view(row.mms) == "ended")},
            };
            for (const auto &fact : facts)
                QVERIFY2(fact.problem.isEmpty(), qPrintable(key + ", " + fact.what + ": " + fact.problem));
            QVERIFY2(IsFullDate(row.checked), qPrintable(key + ": checked date " + Q(row.checked)));
        }
        for (int i = 0; i < mms::kMailProviderCount; ++i) {
            const mms::MailProviderRow &row = mms::kMailProviders[i];
            const QString problem = FactProblem(row.state, row.date, row.source, true);
            QVERIFY2(problem.isEmpty(), qPrintable(Q(row.provider) + ": " + problem));
            QVERIFY2(IsFullDate(row.checked), row.provider);
        }
        for (int i = 0; i < mms::kTextGatewayCount; ++i) {
            const mms::TextGatewayRow &row = mms::kTextGateways[i];
            const QString problem = FactProblem(row.state, row.date, row.source, true);
            QVERIFY2(problem.isEmpty(), qPrintable(Q(row.carrier) + ": " + problem));
            QVERIFY2(IsFullDate(row.checked), row.carrier);
        }
    }

    void factDates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        for (const char *valid : {"2033", "2028-09", "2023-01-17"})
            QTest::newRow(valid) << QString(valid) << true;
        for (const char *invalid : {"", "-", "203", "2028-13", "2028-9", "2023-01-32", "2023/01/17", "17 Jan 2023"})
            QTest::newRow(invalid) << QString(invalid) << false;
    }
    void factDates()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(mms::IsFactDate(text.toStdString()), valid);
    }

    // clang-format off
    void lookups_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("found"); // empty: none
        QTest::newRow("gmail address domain") << "domain" << "gmail.com" << "Gmail";
        QTest::newRow("case does not matter") << "domain" << "GoogleMail.COM" << "Gmail";
        QTest::newRow("any hotmail ending") << "domain" << "hotmail.co.uk" << "Outlook.com";
        QTest::newRow("a look-alike domain") << "domain" << "gmail.com.example" << "";
        QTest::newRow("an ordinary provider") << "domain" << "example.org" << "";
        QTest::newRow("server") << "server" << "smtp.gmail.com" << "Gmail";
        QTest::newRow("server of no listed provider") << "server" << "smtp.vodafone.de" << "";
        QTest::newRow("closed gateway") << "gateway" << "txt.att.net" << "AT&T";
        QTest::newRow("not a gateway") << "gateway" << "att.net" << "";
    }
    // clang-format on
    void lookups()
    {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QFETCH(QString, found);
        const std::string text = name.toStdString();
        const std::optional<mms::NamedFact> fact = kind == "domain" ? mms::FindMailProviderByDomain(text)
            : kind == "server"                                      ? mms::FindMailProviderByServer(text)
                                                                    : mms::FindTextGateway(text);
        QCOMPARE(fact ? Q(fact->name) : QString(), found);
    }

    void operatorFactsAreTyped()
    {
        const std::optional<mms::OperatorFacts> vodafone = mms::FindOperatorFacts("Deutschland--Vodafone");
        QVERIFY(vodafone);
        QCOMPARE(vodafone->mms.state, mms::ServiceState::Off);
        QCOMPARE(Q(vodafone->mms.date), QString("2023-01-17"));
        QCOMPARE(vodafone->network2g.state, mms::ServiceState::Closing);
        const std::optional<mms::OperatorFacts> china = mms::FindOperatorFacts("China--China Mobile");
        QVERIFY(china);
        QCOMPARE(china->network2g.state, mms::ServiceState::Unknown);
        QVERIFY(china->network2g.source.empty());
        QVERIFY(!mms::FindOperatorFacts("Atlantis--Nobody"));
    }
};

QTEST_APPLESS_MAIN(TestServiceFacts)
#include "TestServiceFacts.moc"
