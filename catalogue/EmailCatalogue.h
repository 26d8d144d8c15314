#pragma once

#include "catalogue/OperatorCatalogue.h"

#include <optional>

namespace mms {

// The internet (GPRS) connection settings an operator publishes.
struct EmailOperatorParams {
    const char *apn;
    const char *account;  // may be empty
    const char *password; // may be empty
};

struct SmtpPreset {
    const char *server;
    const char *port;
};

struct SmtpPresetRow {
    const char *operatorKey;
    SmtpPreset preset;
};

inline constexpr int kEmailCountryCount = 39;
inline constexpr int kEmailOperatorCount = 98;
inline constexpr int kSmtpPresetCount = 15;

extern const char *const kEmailCountries[kEmailCountryCount];
extern const OperatorRow<EmailOperatorParams> kEmailOperators[kEmailOperatorCount];
extern const SmtpPresetRow kSmtpPresets[kSmtpPresetCount];

const OperatorCatalogue<EmailOperatorParams> &EmailCatalogue();

// The preset of the first row whose key equals the text exactly, or none.
std::optional<SmtpPreset> FindSmtpPreset(std::string_view operatorKey);

} // namespace mms
