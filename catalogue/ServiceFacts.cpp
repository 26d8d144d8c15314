#include "catalogue/ServiceFacts.h"

#include <algorithm>
#include <cctype>
#include <span>
#include <string>

namespace mms {
namespace {

constexpr std::string_view kNone = "-";

struct StateWord {
    std::string_view word;
    ServiceState state;
};

constexpr StateWord kStateWords[] = {
    {"unknown", ServiceState::Unknown}, {"running", ServiceState::Running}, {"offered", ServiceState::Running},
    {"closing", ServiceState::Closing}, {"off", ServiceState::Off},         {"ended", ServiceState::Off},
    {"refuses", ServiceState::Off},     {"closed", ServiceState::Off},
};

std::string_view OrEmpty(std::string_view cell)
{
    return cell == kNone ? std::string_view() : cell;
}

ServiceFact FactOf(std::string_view state, std::string_view date, std::string_view source)
{
    return {ParseServiceState(state).value_or(ServiceState::Unknown), OrEmpty(date), OrEmpty(source)};
}

// Whether `name` (lower case) is one of the space-separated names of `list`.
bool ListHolds(std::string_view list, std::string_view name)
{
    while (!list.empty()) {
        const size_t space = list.find(' ');
        const std::string_view entry = list.substr(0, space);
        const bool anyEnding = entry.ends_with(".*");
        if (anyEnding ? name.starts_with(entry.substr(0, entry.size() - 1)) : name == entry)
            return true;
        list = space == std::string_view::npos ? std::string_view() : list.substr(space + 1);
    }
    return false;
}

// The first row of `rows` whose list (`Row::*list`) holds `name`; `Row::*title` names it.
template <typename Row>
std::optional<NamedFact> FindByName(std::span<const Row> rows, std::string_view name, const char *const Row::*list,
                                    const char *const Row::*title)
{
    const std::string lower = LowerAscii(name);
    for (const Row &row : rows) {
        if (!lower.empty() && ListHolds(row.*list, lower))
            return NamedFact{row.*title, FactOf(row.state, row.date, row.source)};
    }
    return std::nullopt;
}

std::span<const MailProviderRow> MailProviders()
{
    return {kMailProviders, size_t(kMailProviderCount)};
}

bool IsDigits(std::string_view text, size_t count)
{
    return text.size() == count
        && std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

} // namespace

std::string LowerAscii(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return lower;
}

std::optional<ServiceState> ParseServiceState(std::string_view word)
{
    const auto found = std::find_if(std::begin(kStateWords), std::end(kStateWords),
                                    [&](const StateWord &entry) { return entry.word == word; });
    if (found == std::end(kStateWords))
        return std::nullopt;
    return found->state;
}

bool IsFactDate(std::string_view text)
{
    if (text.size() == 4)
        return IsDigits(text, 4);
    if (text.size() != 7 && text.size() != 10)
        return false;
    const bool month = IsDigits(text.substr(0, 4), 4) && text[4] == '-' && IsDigits(text.substr(5, 2), 2)
        && text.substr(5, 2) >= "01" && text.substr(5, 2) <= "12";
    if (text.size() == 7)
        return month;
    return month && text[7] == '-' && IsDigits(text.substr(8), 2) && text.substr(8) >= "01" && text.substr(8) <= "31";
}

std::optional<OperatorFacts> FindOperatorFacts(std::string_view key)
{
    const std::span<const OperatorFactRow> rows(kOperatorFacts, size_t(kOperatorFactCount));
    const auto row = std::find_if(rows.begin(), rows.end(), [&](const OperatorFactRow &r) { return r.key == key; });
    if (row == rows.end())
        return std::nullopt;
    return OperatorFacts{row->key, FactOf(row->network2g, row->date2g, row->source2g),
                         FactOf(row->network3g, row->date3g, row->source3g),
                         FactOf(row->mms, row->mmsDate, row->mmsSource)};
}

std::optional<NamedFact> FindMailProviderByDomain(std::string_view domain)
{
    return FindByName(MailProviders(), domain, &MailProviderRow::domains, &MailProviderRow::provider);
}

std::optional<NamedFact> FindMailProviderByServer(std::string_view server)
{
    return FindByName(MailProviders(), server, &MailProviderRow::servers, &MailProviderRow::provider);
}

std::optional<NamedFact> FindTextGateway(std::string_view domain)
{
    return FindByName(std::span<const TextGatewayRow>(kTextGateways, size_t(kTextGatewayCount)), domain,
                      &TextGatewayRow::domains, &TextGatewayRow::carrier);
}

} // namespace mms
