#pragma once

#include "cli/CommandLine.h"
#include "settings/Bytes.h"

#include <string_view>

namespace cli {

// What the three writing commands share: --out, and no file names.

void AddOutOption(CommandLine &line);

void RefuseFileNames(const CommandLine &line, std::string_view command);

// Writes the composed file as `fileName` into the folder of --out (the current one
// by default), or to standard output for "-", and says what became of it; returns
// the exit status.
int EmitSettingsFile(const CommandLine &line, std::string_view fileName, mms::ByteView content);

} // namespace cli
