#pragma once

#include "settings/Bytes.h"
#include "settings/Decoded.h"

#include <string>
#include <variant>
#include <vector>

namespace mms {

// One setting as read from a file: a list entry's name or a text, a number, or
// nothing where the file holds no number.
using ReportValue = std::variant<std::monostate, int, std::string>;

struct ReportField {
    std::string name;
    ReportValue value;
};

// What a settings file holds, for people: its kind, each setting under the name the
// command line gives it, and what is wrong with it. Safe on any input.
struct SettingsFileReport {
    std::string kind; // "camera", "mms", "email", or "unknown"
    DecodeReport check;
    std::vector<ReportField> fields;
};

// The largest settings file; reading one more byte than this tells a file that is too long.
inline constexpr size_t kLargestSettingsFile = 960;

// Reads `data`, the first bytes of a file of `fileSize` bytes; the kind follows from
// the size.
SettingsFileReport InspectSettingsFile(ByteView data, uint64_t fileSize);

} // namespace mms
