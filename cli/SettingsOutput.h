#pragma once

#include "advice/Advice.h"
#include "cli/CommandLine.h"
#include "settings/Bytes.h"

#include <optional>
#include <string_view>

namespace cli {

// What the three writing commands share: --from, --out, and no file names.

// --from FILE, a settings file of the command's `kind` ("camera", "mms", "email") to
// start from.
void AddFromOption(CommandLine &line, std::string_view kind);
// FILE's bytes, a sound settings file of `kind`; none without --from. An unreadable
// file or one of another kind is a usage error, a damaged one a FailedError.
std::optional<mms::Bytes> FromFile(const CommandLine &line, std::string_view kind);

void AddOutOption(CommandLine &line);

void RefuseFileNames(const CommandLine &line, std::string_view command);

// Writes the composed file as `fileName` into the folder of --out (by default the
// folder of --from's file, else the current one), or to standard output for "-", and
// says what became of it; once written, `advice` goes to standard error (see
// AddQuietOption). Returns the exit status, which advice does not change.
int EmitSettingsFile(const CommandLine &line, std::string_view fileName, mms::ByteView content,
                     const std::vector<mms::Advice> &advice);

} // namespace cli
