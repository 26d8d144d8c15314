#pragma once

// The rules behind Advise*, one function per rule, each appending what it finds.
#include "advice/Advice.h"
#include "catalogue/ServiceFacts.h"

#include <string>
#include <string_view>
#include <vector>

namespace mms::rules {

// Appends an item about a record's own setting (no file).
void AddAdvice(std::vector<Advice> &advice, AdviceSeverity severity, std::string field, std::string sentence,
               std::string_view source = {});

// "17 January 2023", "September 2028", "2033", for a table's date.
std::string DateText(std::string_view date);
// "on 17 January 2023", "in September 2028", "in 2033"
std::string DatePhrase(std::string_view date);

// The operator a record's connection texts belong to: in auto mode its choice, in
// manual mode the first catalogue row with the same texts; empty when none.
struct OperatorChoice {
    std::string key;
    std::string country;
    std::string name;
    std::string field; // the setting that chose it
};

// The camera sends over 2G: a network that is off, closing, or a country with none.
void Network2g(const OperatorChoice &choice, std::vector<Advice> &advice);
void MmsService(const OperatorChoice &choice, std::vector<Advice> &advice);
void SendingAccount(const EmailSettings &settings, std::vector<Advice> &advice);

void MobileNumbers(std::span<const std::string> numbers, std::vector<Advice> &advice);
void RecipientAddresses(std::span<const std::string> addresses, std::vector<Advice> &advice);
void TextGateways(std::span<const std::string> addresses, std::vector<Advice> &advice);

void ClockInSummerTime(const CameraSettings &settings, const DaylightSavingTest &daylightSaving,
                       std::vector<Advice> &advice);

// What follows the "@" of an address, or empty.
std::string_view DomainOf(std::string_view address);

} // namespace mms::rules
