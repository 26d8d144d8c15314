// Rules on published facts: the operator's 2G network and MMS service, and mail
// providers that refuse what the camera sends.
#include "advice/AdviceRules.h"

#include <array>

namespace mms::rules {
namespace {

constexpr std::array<std::string_view, 12> kMonths = {"January",   "February", "March",    "April",
                                                      "May",       "June",     "July",     "August",
                                                      "September", "October",  "November", "December"};

std::string MonthYear(std::string_view date)
{
    const int month = (date[5] - '0') * 10 + (date[6] - '0');
    return std::string(kMonths[size_t(month - 1)]) + " " + std::string(date.substr(0, 4));
}

// "Telstra (Australia)"
std::string OperatorTitle(const OperatorChoice &choice)
{
    return choice.name + " (" + choice.country + ")";
}

} // namespace

void AddAdvice(std::vector<Advice> &advice, AdviceSeverity severity, std::string field, std::string sentence,
               std::string_view source)
{
    advice.push_back({severity, std::move(field), {}, std::move(sentence), std::string(source)});
}

std::string DateText(std::string_view date)
{
    if (date.size() == 10)
        return std::to_string((date[8] - '0') * 10 + (date[9] - '0')) + " " + MonthYear(date);
    if (date.size() == 7)
        return MonthYear(date);
    return std::string(date);
}

std::string DatePhrase(std::string_view date)
{
    return (date.size() == 10 ? "on " : "in ") + DateText(date);
}

void Network2g(const OperatorChoice &choice, std::vector<Advice> &advice)
{
    const std::optional<OperatorFacts> facts = FindOperatorFacts(choice.key);
    const ServiceFact network = facts ? facts->network2g : ServiceFact();
    if (network.state == ServiceState::Off) {
        AddAdvice(
            advice, AdviceSeverity::Warning, choice.field,
            OperatorTitle(choice) + " switched its 2G network off " + DatePhrase(network.date)
                + ", and the camera sends over 2G (GPRS): it cannot send with this operator's SIM card. Use the SIM "
                  "card of an operator whose 2G network still runs.",
            network.source);
        return;
    }
    if (network.state == ServiceState::Closing) {
        const std::string when = network.date.empty()
            ? "has begun to switch its 2G network off"
            : "has announced the end of its 2G network for " + DateText(network.date);
        AddAdvice(
            advice, AdviceSeverity::Notice, choice.field,
            OperatorTitle(choice) + " " + when
                + "; the camera sends over 2G (GPRS) and stops sending then. Plan for a SIM card of another operator.",
            network.source);
        return;
    }
    const std::optional<OperatorFacts> country = FindOperatorFacts(choice.country);
    if (country && country->network2g.state == ServiceState::Off)
        AddAdvice(advice, AdviceSeverity::Warning, choice.field,
                  "No 2G network is left in " + choice.country + " (the last was switched off "
                      + DatePhrase(country->network2g.date)
                      + "), and the camera sends over 2G (GPRS): it cannot send there with any SIM card.",
                  country->network2g.source);
}

void MmsService(const OperatorChoice &choice, std::vector<Advice> &advice)
{
    const std::optional<OperatorFacts> facts = FindOperatorFacts(choice.key);
    if (!facts || facts->mms.state != ServiceState::Off)
        return;
    AddAdvice(advice, AdviceSeverity::Warning, choice.field,
              OperatorTitle(choice) + " ended MMS " + DatePhrase(facts->mms.date)
                  + ": the camera's pictures will not arrive. Send them by e-mail instead (the e-mail settings, "
                  + kEmailSetupFileName + ").",
              facts->mms.source);
}

// "has refused it since 30 May 2022", "will refuse it from December 2026"
std::string RefusalPhrase(const NamedFact &provider, std::string_view what)
{
    const bool closing = provider.fact.state == ServiceState::Closing;
    return (closing ? "will refuse " : "has refused ") + std::string(what) + (closing ? " from " : " since ")
        + DateText(provider.fact.date);
}

void SendingAccount(const EmailSettings &s, std::vector<Advice> &advice)
{
    const auto known = [](const std::optional<NamedFact> &provider) {
        return provider && provider->fact.state != ServiceState::Unknown;
    };
    const auto severity = [](const NamedFact &provider) {
        return provider.fact.state == ServiceState::Closing ? AdviceSeverity::Notice : AdviceSeverity::Warning;
    };
    const std::optional<NamedFact> sender = FindMailProviderByDomain(DomainOf(s.SenderEmail));
    if (known(sender))
        AddAdvice(
            advice, severity(*sender), "sender",
            "The camera sends mail as plain SMTP on port 25, without TLS, and " + std::string(sender->name) + " "
                + RefusalPhrase(*sender, "it")
                + "; an app password does not help. Send from an account whose server accepts plain SMTP, such as "
                  "your mobile operator's; a recipient at "
                + std::string(sender->name) + " is fine.",
            sender->fact.source);
    const std::optional<NamedFact> server = FindMailProviderByServer(s.SmtpServer);
    if (known(server))
        AddAdvice(advice, severity(*server), "smtp-server",
                  s.SmtpServer + " is " + std::string(server->name) + "'s server, which "
                      + RefusalPhrase(*server, "plain SMTP on port 25 without TLS")
                      + ", the only way the camera sends. Give the server of an account that accepts plain SMTP.",
                  server->fact.source);
}

std::string_view DomainOf(std::string_view address)
{
    const size_t at = address.rfind('@');
    return at == std::string_view::npos ? std::string_view() : address.substr(at + 1);
}

} // namespace mms::rules
