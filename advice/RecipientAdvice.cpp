// Rules on what the user typed: mobile numbers, recipient addresses, and recipients
// at e-mail-to-text gateways that closed.
#include "advice/AdviceRules.h"

#include <algorithm>
#include <cctype>

namespace mms::rules {
namespace {

constexpr std::string_view kNumberExample = "+4799234567";
// E.164: a country code and the national number, at most 15 digits in all; fewer
// than 8 is no mobile number anywhere.
constexpr size_t kFewestDigits = 8;
constexpr size_t kMostDigits = 15;

bool IsDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Appended rather than summed: g++ 12 for mingw warns falsely of an overlapping copy
// in "\"" + std::string (GCC bug 105329).
std::string Quote(std::string_view text)
{
    std::string quoted(1, '"');
    quoted += text;
    quoted += '"';
    return quoted;
}

std::string FieldName(std::string_view kind, size_t index)
{
    return std::string(kind) + std::to_string(index + 1);
}

// A domain of labels of letters, digits and hyphens, separated by dots, at least two.
bool IsDomain(std::string_view domain)
{
    if (domain.empty() || domain.front() == '.' || domain.back() == '.' || domain.find("..") != std::string_view::npos
        || domain.find('.') == std::string_view::npos)
        return false;
    return std::all_of(domain.begin(), domain.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '.'
            || static_cast<unsigned char>(c) >= 0x80;
    });
}

bool IsAddress(std::string_view address)
{
    const size_t at = address.find('@');
    if (at == 0 || at == std::string_view::npos || address.find('@', at + 1) != std::string_view::npos)
        return false;
    const std::string_view local = address.substr(0, at);
    const bool plainLocal = std::none_of(local.begin(), local.end(), [](char c) {
        return std::isspace(static_cast<unsigned char>(c))
            || std::string_view("<>()[],;:\"\\").find(c) != std::string_view::npos;
    });
    return plainLocal && IsDomain(address.substr(at + 1));
}

} // namespace

void MobileNumbers(std::span<const std::string> numbers, std::vector<Advice> &advice)
{
    for (size_t i = 0; i < numbers.size(); ++i) {
        const std::string_view number = numbers[i];
        if (number.empty())
            continue;
        const std::string_view digits = number.starts_with('+') ? number.substr(1) : number;
        const std::string how = "write it in international form, + and the country code without the leading 0, as in "
            + std::string(kNumberExample) + ".";
        const std::string field = FieldName("mobile", i);
        if (!std::all_of(digits.begin(), digits.end(), IsDigit) || digits.empty())
            AddAdvice(advice, AdviceSeverity::Warning, field,
                      Quote(number) + " holds spaces or other signs besides the digits: " + how);
        else if (!number.starts_with('+'))
            AddAdvice(advice, AdviceSeverity::Notice, field,
                      Quote(number) + " has no country code, and a message may not reach it: " + how);
        else if (digits.size() < kFewestDigits || digits.size() > kMostDigits || digits.front() == '0')
            AddAdvice(advice, AdviceSeverity::Warning, field,
                      Quote(number) + " is not a mobile number in international form: " + how);
    }
}

void RecipientAddresses(std::span<const std::string> addresses, std::vector<Advice> &advice)
{
    for (size_t i = 0; i < addresses.size(); ++i) {
        if (!addresses[i].empty() && !IsAddress(addresses[i]))
            AddAdvice(advice, AdviceSeverity::Warning, FieldName("email", i),
                      Quote(addresses[i]) + " is not an e-mail address (name@example.com): nothing can be sent to it.");
    }
}

void TextGateways(std::span<const std::string> addresses, std::vector<Advice> &advice)
{
    for (size_t i = 0; i < addresses.size(); ++i) {
        const std::string_view domain = DomainOf(addresses[i]);
        const std::optional<NamedFact> gateway = FindTextGateway(domain);
        if (!gateway || gateway->fact.state == ServiceState::Unknown)
            continue;
        const bool closing = gateway->fact.state == ServiceState::Closing;
        const std::string what = std::string(domain) + " is " + std::string(gateway->name)
            + "'s e-mail-to-text gateway, which " + (closing ? "closes " : "closed ") + DatePhrase(gateway->fact.date);
        AddAdvice(advice, closing ? AdviceSeverity::Notice : AdviceSeverity::Warning, FieldName("email", i),
                  what + (closing ? ": messages sent to it will be lost from then" : ": messages sent to it are lost")
                      + ". Send to the phone's number as a mobile recipient of the MMS settings, or to an ordinary "
                        "e-mail address.",
                  gateway->fact.source);
    }
}

} // namespace mms::rules
