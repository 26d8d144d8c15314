#pragma once

#include "settings/SettingsFileReport.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>

namespace cli {

// What inspect and check print about a settings file.

struct InspectedFile {
    mms::Bytes bytes; // at most one byte more than the largest settings file
    mms::SettingsFileReport report;
};

// Reads and inspects the file at `path`; none, with the reason, when it cannot be read.
std::optional<InspectedFile> Inspect(const std::string &path, std::string &reason);
// The same, saying why on standard error when it cannot be read (exit status 2).
std::optional<InspectedFile> ReadInspected(const std::string &path);

// The report for people: a line with the kind and verdict, then one line a setting.
std::string ReportText(const mms::SettingsFileReport &report, const std::string &path);
nlohmann::json ReportObject(const mms::SettingsFileReport &report, const std::string &path);
// The object on one line.
std::string JsonLine(const nlohmann::json &object);
// 0 for a sound file, 1 for a damaged one.
int ReportStatus(const mms::SettingsFileReport &report);

} // namespace cli
