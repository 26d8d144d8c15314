#pragma once

#include "settings/CameraSettings.h"
#include "settings/EmailSettings.h"
#include "settings/MmsSettings.h"

#include <ctime>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace mms {

// What the user should know before the card goes into the camera: a file can be
// byte-exact and still send nothing. Advice never blocks and never changes a byte.

enum class AdviceSeverity {
    Warning, // it will not work
    Notice,  // it may not work, or will stop on a known date
};

struct Advice {
    AdviceSeverity severity = AdviceSeverity::Notice;
    std::string field;    // the setting, as the command line names it ("operator", "email2"); empty: the file
    std::string file;     // on a card, the file's name; empty for a record on its own
    std::string sentence; // the fact, its date and what to do instead
    std::string source;   // where the fact was published; empty when it follows from the settings

    bool operator==(const Advice &) const = default;
};

// "warning", "notice"
std::string_view SeverityName(AdviceSeverity severity);

// Whether daylight saving time is in force at a local time of the computer's time
// zone; IsDaylightSavingLocal asks the system.
using DaylightSavingTest = std::function<bool(const std::tm &local)>;

std::vector<Advice> AdviseCamera(const CameraSettings &settings, const DaylightSavingTest &daylightSaving);
std::vector<Advice> AdviseMms(const MmsSettings &settings);
std::vector<Advice> AdviseEmail(const EmailSettings &settings);

// A file on a card as the caller read it: its name in the folder and, when it could
// be read as one, the record of the settings file it holds.
struct CardFile {
    std::string name;
    std::variant<std::monostate, CameraSettings, MmsSettings, EmailSettings> record;
};

// Whether the name is that of a settings file, compared as the card's FAT file system
// compares names, without regard to case.
bool IsSettingsFileName(std::string_view name);
// Whether the name is a settings file's or looks like a stray copy of one.
bool LooksLikeSettingsFile(std::string_view name);

// What concerns the card as a whole: stray copies of a settings file, and settings
// files that contradict each other.
std::vector<Advice> AdviseCardAsWhole(std::span<const CardFile> files);
// Every settings file's own advice (with its name), then AdviseCardAsWhole's.
std::vector<Advice> AdviseCard(std::span<const CardFile> files, const DaylightSavingTest &daylightSaving);

} // namespace mms
