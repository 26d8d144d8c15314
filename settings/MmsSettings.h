#pragma once

#include "settings/Decoded.h"
#include "settings/SendingLines.h"

#include <array>
#include <string>

namespace mms {

// What the MMS dialog writes; texts are UTF-8. In Auto mode the six connection texts
// come from the MMS catalogue entry of Country and Operator; in Manual mode from the
// record.
struct MmsSettings {
    ConnectionMode Mode = ConnectionMode::Auto;
    SendingHeader Header;
    std::string Country = "China";
    std::string Operator = "China Mobile";
    std::string Url;
    std::string Apn;
    std::string Gateway;
    std::string Port;
    std::string Account;
    std::string Password;
    std::array<std::string, 4> Mobile;
    std::array<std::string, 4> Email;

    bool operator==(const MmsSettings &) const = default;
};

inline constexpr int kMmsSetupFileSize = 960;
inline constexpr const char *kMmsSetupFileName = "MMSSETUP.dat";
inline constexpr int kMmsConnectionTextCount = 6;

// MMSSETUP.dat, 16 lines of 60 bytes:
//
//  line  offset  content
//   0       0    header line
//   1..6   60    text lines: URL, APN, gateway, port, account, password
//   7..10 420    text lines: mobile 1..4
//  11..14 660    text lines: e-mail 1..4
//  15     900    final line: signature and the sum of bytes 0..899
//
// The lines 1 to 14 of a record, in file order, the connection texts first.
template <typename Record>
auto MmsTextLines(Record &s)
{
    using Text = std::remove_reference_t<decltype((s.Url))>;
    return std::array<SendingLine<Text>, 14>{{
        // clang-format off
        {"url", &s.Url},           {"apn", &s.Apn},           {"gateway", &s.Gateway},   {"port", &s.Port},
        {"account", &s.Account},   {"password", &s.Password}, {"mobile1", &s.Mobile[0]}, {"mobile2", &s.Mobile[1]},
        {"mobile3", &s.Mobile[2]}, {"mobile4", &s.Mobile[3]}, {"email1", &s.Email[0]},   {"email2", &s.Email[1]},
        {"email3", &s.Email[2]},   {"email4", &s.Email[3]},
    }};
    // clang-format on
}

// The 960 bytes of MMSSETUP.dat, or none with the reason: an Auto-mode operator that
// is not in the catalogue, or a text the camera cannot read.
std::optional<Bytes> ComposeMmsSetupFile(const MmsSettings &settings, std::string *error = nullptr);

// The record a MMSSETUP.dat carries, in Manual mode with the file's connection texts
// (a file does not say which operator they came from), and what is wrong with it.
Decoded<MmsSettings> DecodeMmsSetupFile(ByteView file);

// Replaces the file at path; fails before touching the disk when composing fails.
bool WriteMmsSetupFile(const std::string &path, const MmsSettings &settings, std::string *error = nullptr);

} // namespace mms
