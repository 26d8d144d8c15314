#pragma once

#include <string>
#include <vector>

namespace mms {

// What reading a settings file back found wrong with it.
struct DecodeReport {
    bool signatureOk = false;
    bool checksumOk = false;
    std::vector<std::string> problems; // the signature and checksum included

    bool Valid() const { return problems.empty(); }
};

// A settings file read back: the record it carries and its report. A file with no
// problem composes back to exactly the same bytes.
template <typename Record>
struct Decoded : DecodeReport {
    Record record;
};

} // namespace mms
