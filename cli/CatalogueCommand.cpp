#include "CliSupport.h"
#include "Commands.h"
#include "EmailCatalogue.h"
#include "MmsCatalogue.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonObject ParamsJson(const MmsOperatorParams &p)
{
    return {{QStringLiteral("url"), p.url},         {QStringLiteral("apn"), p.apn},
            {QStringLiteral("gateway"), p.gateway}, {QStringLiteral("port"), p.port},
            {QStringLiteral("account"), p.account}, {QStringLiteral("password"), p.password}};
}

QJsonObject ParamsJson(const EmailOperatorParams &p)
{
    return {{QStringLiteral("apn"), p.apn},
            {QStringLiteral("account"), p.account},
            {QStringLiteral("password"), p.password}};
}

QJsonValue SmtpJson(const QString &key)
{
    const std::optional<SmtpPreset> preset = FindSmtpPreset(key);
    if (!preset)
        return QJsonValue::Null;
    return QJsonObject{{QStringLiteral("server"), preset->server}, {QStringLiteral("port"), preset->port}};
}

template <typename Params>
QJsonArray CatalogueJson(const OperatorCatalogue<Params> &catalogue, bool withSmtp)
{
    QJsonArray countries;
    for (int country = 0; country < catalogue.CountryCount(); ++country) {
        QJsonArray operators;
        const OperatorRange range = catalogue.OperatorRangeOf(country);
        for (int op = range.first; op < range.first + range.count; ++op) {
            QJsonObject entry{{QStringLiteral("index"), op},
                              {QStringLiteral("name"), catalogue.OperatorName(op)},
                              {QStringLiteral("key"), catalogue.OperatorKey(op)},
                              {QStringLiteral("params"), ParamsJson(catalogue.ParamsOf(op))}};
            if (withSmtp)
                entry.insert(QStringLiteral("smtp"), SmtpJson(catalogue.OperatorKey(op)));
            operators.append(entry);
        }
        countries.append(QJsonObject{{QStringLiteral("country"), catalogue.CountryName(country)},
                                     {QStringLiteral("operators"), operators}});
    }
    return countries;
}

QString CatalogueText(const QJsonArray &countries)
{
    QString text;
    for (const QJsonValue &country : countries) {
        text += country[QStringLiteral("country")].toString() + u'\n';
        for (const QJsonValue &op : country[QStringLiteral("operators")].toArray()) {
            QStringList fields;
            const QJsonObject params = op[QStringLiteral("params")].toObject();
            for (auto it = params.begin(); it != params.end(); ++it)
                fields << QStringLiteral("%1=%2").arg(it.key(), it.value().toString());
            const QJsonValue smtp = op[QStringLiteral("smtp")];
            if (smtp.isObject())
                fields << QStringLiteral("smtp=%1:%2").arg(smtp[QStringLiteral("server")].toString(),
                                                           smtp[QStringLiteral("port")].toString());
            text += QStringLiteral("  %1 %2: %3\n")
                        .arg(op[QStringLiteral("index")].toInt(), 3)
                        .arg(op[QStringLiteral("name")].toString(), fields.join(QStringLiteral(", ")));
        }
    }
    return text;
}

} // namespace

int RunCatalogueCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lists the countries, operators, operator keys and connection settings built into the program."));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print a JSON array of countries."));
    parser.addOption(json);
    parser.addPositionalArgument(QStringLiteral("KIND"), QStringLiteral("mms or email"));
    ParseOrThrow(parser, arguments);
    const QStringList kinds = parser.positionalArguments();
    if (kinds.size() != 1 || (kinds[0] != QLatin1String("mms") && kinds[0] != QLatin1String("email")))
        throw UsageError(QStringLiteral("catalogue needs one KIND: mms or email"));
    const QJsonArray countries = kinds[0] == QLatin1String("mms") ? CatalogueJson(MmsCatalogue(), false)
                                                                  : CatalogueJson(EmailCatalogue(), true);
    PrintOut(parser.isSet(json) ? QString::fromUtf8(QJsonDocument(countries).toJson()) : CatalogueText(countries));
    return kExitOk;
}
