#pragma once

#include "advice/Advice.h"
#include "cli/CommandLine.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace cli {

// How the commands show advice: one line an item, "warning: --operator: SENTENCE
// (source: ...)", with the file it concerns before the option where there is one.

// --quiet: warnings only.
void AddQuietOption(CommandLine &line);
// Whether --quiet leaves the item to be shown.
bool Shown(const CommandLine &line, const mms::Advice &item);

// The item's file, when it names one, comes first ("/card/MMSSETUP.dat").
std::string AdviceLine(const mms::Advice &item);
// The items --quiet leaves, each on a line of standard error.
void PrintAdvice(const CommandLine &line, const std::vector<mms::Advice> &advice);

nlohmann::json AdviceJson(const mms::Advice &item);

} // namespace cli
