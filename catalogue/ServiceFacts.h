#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mms {

// What is publicly known about the services the camera depends on: the operators' 2G
// and 3G networks and MMS, the mail providers that refuse plain SMTP, and closed
// e-mail-to-text gateways. The tables are the text files of catalogue/facts/,
// compiled in; each fact carries its public source and the date its row was checked.

// Rows as the files give them; every cell is text.
struct OperatorFactRow {
    const char *key; // an operator key of the MMS or e-mail catalogue, or a country's name
    const char *network2g, *date2g, *source2g;
    const char *network3g, *date3g, *source3g;
    const char *mms, *mmsDate, *mmsSource;
    const char *checked;
};

struct MailProviderRow {
    const char *provider;
    const char *domains; // names separated by spaces; "name.*" matches any ending
    const char *servers;
    const char *state, *date, *source, *checked;
};

struct TextGatewayRow {
    const char *carrier;
    const char *domains;
    const char *state, *date, *source, *checked;
};

extern const OperatorFactRow kOperatorFacts[];
extern const int kOperatorFactCount;
extern const MailProviderRow kMailProviders[];
extern const int kMailProviderCount;
extern const TextGatewayRow kTextGateways[];
extern const int kTextGatewayCount;

// A service's state. For MMS "offered" reads as Running and "ended" as Off; for mail
// providers "refuses" and for gateways "closed" read as Off.
enum class ServiceState { Unknown, Running, Closing, Off };

// None for a word the tables do not use.
std::optional<ServiceState> ParseServiceState(std::string_view word);

struct ServiceFact {
    ServiceState state = ServiceState::Unknown;
    std::string_view date;   // YYYY, YYYY-MM or YYYY-MM-DD; empty for none
    std::string_view source; // empty for none
};

struct OperatorFacts {
    std::string_view key;
    ServiceFact network2g;
    ServiceFact network3g;
    ServiceFact mms;
};

// A provider or gateway that a domain or server name belongs to.
struct NamedFact {
    std::string_view name;
    ServiceFact fact;
};

// ASCII letters in lower case: domain names, server names and the card's file names
// compare without regard to case.
std::string LowerAscii(std::string_view text);

// Whether `text` is a date as the tables write them.
bool IsFactDate(std::string_view text);

// The facts of an operator key or a country, none when the table has no row for it.
std::optional<OperatorFacts> FindOperatorFacts(std::string_view key);
// Domains and servers compare without regard to case.
std::optional<NamedFact> FindMailProviderByDomain(std::string_view domain);
std::optional<NamedFact> FindMailProviderByServer(std::string_view server);
std::optional<NamedFact> FindTextGateway(std::string_view domain);

} // namespace mms
