#include "catalogue/EmailCatalogue.h"
#include "catalogue/MmsCatalogue.h"
#include "cli/CliSupport.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"

#include <nlohmann/json.hpp>

#include <cstdio>

namespace cli {
namespace {

using nlohmann::json;

constexpr std::string_view kJson = "json";

json ParamsJson(const mms::MmsOperatorParams &p)
{
    return {{"url", p.url},   {"apn", p.apn},         {"gateway", p.gateway},
            {"port", p.port}, {"account", p.account}, {"password", p.password}};
}

json ParamsJson(const mms::EmailOperatorParams &p)
{
    return {{"apn", p.apn}, {"account", p.account}, {"password", p.password}};
}

json SmtpJson(std::string_view operatorKey)
{
    const std::optional<mms::SmtpPreset> preset = mms::FindSmtpPreset(operatorKey);
    if (!preset)
        return nullptr;
    return {{"server", preset->server}, {"port", preset->port}};
}

template <typename Params>
json CatalogueJson(const mms::OperatorCatalogue<Params> &catalogue, bool withSmtp)
{
    json countries = json::array();
    for (int country = 0; country < catalogue.CountryCount(); ++country) {
        json operators = json::array();
        const mms::OperatorRange range = catalogue.OperatorRangeOf(country);
        for (int op = range.first; op < range.first + range.count; ++op) {
            json entry = {{"index", op},
                          {"name", catalogue.OperatorName(op)},
                          {"key", catalogue.OperatorKey(op)},
                          {"params", ParamsJson(catalogue.ParamsOf(op))}};
            if (withSmtp)
                entry["smtp"] = SmtpJson(catalogue.OperatorKey(op));
            operators.push_back(std::move(entry));
        }
        countries.push_back({{"country", catalogue.CountryName(country)}, {"operators", std::move(operators)}});
    }
    return countries;
}

// "  NNN NAME: account=..., apn=..., smtp=SERVER:PORT" under each country.
std::string CatalogueText(const json &countries)
{
    std::string text;
    for (const json &country : countries) {
        text += country["country"].get<std::string>() + '\n';
        for (const json &op : country["operators"]) {
            std::string fields;
            for (const auto &[name, value] : op["params"].items())
                fields += (fields.empty() ? "" : ", ") + name + '=' + value.get<std::string>();
            if (const json &smtp = op.value("smtp", json()); smtp.is_object())
                fields += ", smtp=" + smtp["server"].get<std::string>() + ':' + smtp["port"].get<std::string>();
            char index[16];
            std::snprintf(index, sizeof index, "  %3d ", op["index"].get<int>());
            text += index + op["name"].get<std::string>() + ": " + fields + '\n';
        }
    }
    return text;
}

} // namespace

int RunCatalogueCommand(const std::vector<std::string> &arguments)
{
    CommandLine line("catalogue",
                     "Lists the countries, operators, operator keys and connection settings built into the program.");
    line.AddFlag(kJson, "Print a JSON array of countries.");
    line.AddArguments("KIND", "mms or email");
    if (!line.Parse(arguments))
        return kExitOk;
    const std::vector<std::string> &kinds = line.Arguments();
    if (kinds.size() != 1 || (kinds[0] != "mms" && kinds[0] != "email"))
        throw UsageError("catalogue needs one KIND: mms or email");
    const json countries =
        kinds[0] == "mms" ? CatalogueJson(mms::MmsCatalogue(), false) : CatalogueJson(mms::EmailCatalogue(), true);
    PrintOut(line.Has(kJson) ? countries.dump(4) + '\n' : CatalogueText(countries));
    return kExitOk;
}

} // namespace cli
