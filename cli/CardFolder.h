#pragma once

#include "advice/Advice.h"
#include "cli/InspectOutput.h"

#include <map>
#include <string>
#include <system_error>
#include <vector>

namespace cli {

// A card's top folder as advice sees it.

// The folder's files whose names are settings files' or look like stray copies of
// them: name -> path, in name order.
std::map<std::string, std::string> SettingsFilesIn(const std::string &folder, std::error_code &error);

// The record of a sound settings file, for its advice; a damaged file's values mean
// little and give none.
mms::CardFile CardFileOf(const std::string &name, const InspectedFile &file);

// The settings files of `folder` as the core reads them, stray copies by name alone;
// what cannot be read is left out, and no folder is no card.
std::vector<mms::CardFile> ReadCardFolder(const std::string &folder);

} // namespace cli
