#pragma once

#include "catalogue/OperatorCatalogue.h"

namespace mms {

// The MMS connection settings an operator publishes for its handsets.
struct MmsOperatorParams {
    const char *url;      // MMS centre (MMSC)
    const char *apn;      // access point of the MMS bearer
    const char *gateway;  // WAP gateway (MMS proxy), dotted IPv4
    const char *port;     // gateway port
    const char *account;  // may be empty
    const char *password; // may be empty
};

inline constexpr int kMmsCountryCount = 39;
inline constexpr int kMmsOperatorCount = 111;

extern const char *const kMmsCountries[kMmsCountryCount];
extern const OperatorRow<MmsOperatorParams> kMmsOperators[kMmsOperatorCount];

const OperatorCatalogue<MmsOperatorParams> &MmsCatalogue();

} // namespace mms
