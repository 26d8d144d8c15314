#pragma once

#include "settings/Decoded.h"
#include "settings/SendingLines.h"

#include <array>
#include <string>

namespace mms {

// What the e-mail dialog writes; texts are UTF-8. In Auto mode the three GPRS texts
// come from the e-mail catalogue entry of Country and Operator; in Manual mode from
// the record. Server and port are written as the record holds them in both modes.
struct EmailSettings {
    ConnectionMode Mode = ConnectionMode::Auto;
    SendingHeader Header;
    std::string Country = "China";
    std::string Operator = "China Mobile";
    std::string Apn;
    std::string Account;
    std::string Password;
    std::string SmtpServer;
    std::string SmtpPort;
    std::string SenderEmail;
    std::string SenderPassword;
    std::array<std::string, 4> Email;

    bool operator==(const EmailSettings &) const = default;
};

inline constexpr int kEmailSetupFileSize = 840;
inline constexpr const char *kEmailSetupFileName = "SMTPSETUP.dat";
inline constexpr int kGprsTextCount = 3;

// SMTPSETUP.dat, 14 lines of 60 bytes:
//
//  line  offset  content
//   0       0    header line
//   1..3   60    text lines: APN, account, password
//   4..5  240    text lines: SMTP server, port
//   6     360    sender name line
//   7..8  420    text lines: sender address, sender password
//   9..12 540    text lines: e-mail 1..4
//  13     780    final line: signature and the sum of bytes 0..779
//
// The lines 1 to 12 of a record, in file order, the GPRS texts first.
template <typename Record>
auto EmailTextLines(Record &s)
{
    using Text = std::remove_reference_t<decltype((s.Apn))>;
    return std::array<SendingLine<Text>, 12>{{
        {"apn", &s.Apn},
        {"account", &s.Account},
        {"password", &s.Password},
        {"smtp-server", &s.SmtpServer},
        {"smtp-port", &s.SmtpPort},
        {"sender-name", &s.SenderEmail, LineKind::SenderName},
        {"sender", &s.SenderEmail},
        {"sender-password", &s.SenderPassword},
        {"email1", &s.Email[0]},
        {"email2", &s.Email[1]},
        {"email3", &s.Email[2]},
        {"email4", &s.Email[3]},
    }};
}

// The 840 bytes of SMTPSETUP.dat, or none with the reason: an Auto-mode operator that
// is not in the catalogue, or a text the camera cannot read.
std::optional<Bytes> ComposeEmailSetupFile(const EmailSettings &settings, std::string *error = nullptr);

// The record a SMTPSETUP.dat carries, in Manual mode with the file's GPRS texts, and
// what is wrong with it.
Decoded<EmailSettings> DecodeEmailSetupFile(ByteView file);

// Replaces the file at path; fails before touching the disk when composing fails.
bool WriteEmailSetupFile(const std::string &path, const EmailSettings &settings, std::string *error = nullptr);

} // namespace mms
