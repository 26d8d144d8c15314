#pragma once

namespace mms {

// One text of the string catalogue, UTF-8; the table is generated from
// catalogue/strings/ and sorted by language, then number.
struct StringEntry {
    int language;
    int number;
    const char *text;
};

extern const StringEntry kStringEntries[];
extern const int kStringEntryCount;

} // namespace mms
