#pragma once

#include "settings/Bytes.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace cli {

// Exit statuses of mms-setup-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1; // a write failed, or a file did not pass inspection
inline constexpr int kExitUsage = 2;  // bad options or unreadable input

// Bad input: one line for standard error, exit status 2, nothing written.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A settings file that did not pass inspection: one line for standard error, exit
// status 1, nothing written.
class FailedError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// How people call a kind of settings file ("camera", "mms", "email", "unknown").
std::string_view KindTitle(std::string_view kind);

// `text` as a terminal shows it on one line: every byte of a control character, of a
// character that breaks or reorders the line, and of what is not UTF-8 becomes \xNN,
// so that a name or a file's text can neither ring the bell nor forge a line.
std::string Printable(std::string_view text);

// A value as a message quotes it: printable, cut after about 40 characters.
std::string Quoted(std::string_view value);

// "--name"
std::string OptionName(std::string_view name);

// "mms-setup-cli: MESSAGE" on standard error, printable and on one line.
void PrintError(std::string_view message);
void PrintOut(std::string_view text);
// `text` on standard error as it stands: lines made printable by the caller.
void PrintDiagnostics(std::string_view text);
// The bytes as they are: a settings file written to standard output.
void WriteStdout(mms::ByteView bytes);

} // namespace cli
