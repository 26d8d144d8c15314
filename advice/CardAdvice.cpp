// Rules on the camera's clock and on the card as a whole: stray copies of a settings
// file, and settings files that contradict each other.
#include "advice/AdviceRules.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

namespace mms::rules {
namespace {

// Days since 1970-01-01 of a civil date, and back (proleptic Gregorian).
long DaysFromCivil(int year, int month, int day)
{
    year -= month <= 2;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const long yearOfEra = year - era * 400;
    const long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

std::tm NoonOf(long days)
{
    days += 719468;
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const long dayOfEra = days - era * 146097;
    const long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long shifted = (5 * dayOfYear + 2) / 153;
    const int day = int(dayOfYear - (153 * shifted + 2) / 5 + 1);
    const int month = int(shifted < 10 ? shifted + 3 : shifted - 9);
    std::tm noon{};
    noon.tm_year = int(yearOfEra + era * 400 + (month <= 2)) - 1900;
    noon.tm_mon = month - 1;
    noon.tm_mday = day;
    noon.tm_hour = 12;
    return noon;
}

// "2025-10-26"
std::string IsoDate(const std::tm &date)
{
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.tm_year + 1900, date.tm_mon + 1, date.tm_mday);
    return text;
}

// Summer time lasts less than a year wherever it is kept.
constexpr long kLongestSummer = 366;

} // namespace

void ClockInSummerTime(const CameraSettings &s, const DaylightSavingTest &daylightSaving, std::vector<Advice> &advice)
{
    if (!daylightSaving || !daylightSaving(CameraClockOf(s)))
        return;
    const long start = DaysFromCivil(s.Year, s.Month, s.Day);
    // Noon of the clock's own day comes first: summer time ends in the small hours.
    for (long day = start; day <= start + kLongestSummer; ++day) {
        const std::tm noon = NoonOf(day);
        if (daylightSaving(noon))
            continue;
        AddAdvice(advice, AdviceSeverity::Notice, "clock",
                  "The clock is set in summer time (daylight saving time), which the camera never leaves: from "
                      + DateText(IsoDate(noon))
                      + " it will be an hour ahead of the time here. Set the clock again then.");
        return;
    }
}

} // namespace mms::rules

namespace mms {
namespace {

constexpr std::array<std::string_view, 3> kSettingsFileNames = {kCameraSetupFileName, kMmsSetupFileName,
                                                                kEmailSetupFileName};
constexpr std::string_view kMacCompanionPrefix = "._";
constexpr std::string_view kMacCompanionSource = "roastidio.us/topic/17062176";
constexpr std::string_view kHiddenExtensionSource = "dbcinc.com/dbcsupport/nohidden.php";

// The settings file whose name `name` holds, compared as the card's FAT file system
// does, without regard to case; none for a name of no settings file.
std::optional<std::string_view> SettingsFileIn(std::string_view name)
{
    const std::string lower = LowerAscii(name);
    for (std::string_view settingsFile : kSettingsFileNames) {
        const std::string stem = LowerAscii(settingsFile.substr(0, settingsFile.find('.')));
        if (lower.find(stem) != std::string::npos)
            return settingsFile;
    }
    return std::nullopt;
}

bool IsExactly(std::string_view name, std::string_view settingsFile)
{
    return LowerAscii(name) == LowerAscii(settingsFile);
}

bool OnCard(std::span<const CardFile> files, std::string_view settingsFile)
{
    return std::any_of(files.begin(), files.end(), [&](const CardFile &f) { return IsExactly(f.name, settingsFile); });
}

Advice StrayCopy(const CardFile &stray, std::string_view settingsFile, bool originalOnCard)
{
    const std::string name = stray.name;
    const std::string original(settingsFile);
    if (name.starts_with(kMacCompanionPrefix))
        return {AdviceSeverity::Notice,
                {},
                name,
                name + " is a companion file a Mac leaves beside " + original
                    + " and holds no settings; the camera may read it instead. Delete it.",
                std::string(kMacCompanionSource)};
    const std::string source = LowerAscii(name).ends_with(".txt") ? std::string(kHiddenExtensionSource) : std::string();
    if (!originalOnCard)
        return {AdviceSeverity::Warning,
                {},
                name,
                "The camera reads only " + original + ", and the card has none: rename " + name + " to " + original
                    + ".",
                source};
    return {AdviceSeverity::Notice,
            {},
            name,
            name + " is a stray copy of " + original + "; the camera may read it instead. Delete it.",
            source};
}

// Photos an hour the camera's settings let it take: bursts at the interval after
// each trigger, and time-lapse photos. None when no setting bounds it from below.
std::optional<int> PhotosPerHour(const CameraSettings &camera)
{
    constexpr uint8_t kOn = 0;
    int photos = 0;
    const int interval = camera.IntervalMinute * 60 + camera.IntervalSecond;
    if (camera.IntervalOnOff == kOn && interval > 0)
        photos += 3600 / interval * (camera.ImageBurst + 1);
    const int lapse = camera.TimeLapseHour * 3600 + camera.TimeLapseMinute * 60;
    if (camera.TimeLapseOnOff == kOn && lapse > 0)
        photos += 3600 / lapse;
    return photos > 0 ? std::optional(photos) : std::nullopt;
}

// "Dozens an hour": two dozen or more.
constexpr int kDozensAnHour = 24;
constexpr uint8_t kStatusOff = 0;

void SendingFlood(const CameraSettings &camera, const SendingHeader &header, std::string_view fileName,
                  std::string_view what, std::vector<Advice> &advice)
{
    const std::optional<int> photos = PhotosPerHour(camera);
    if (header.Status == kStatusOff || header.NumberPerDay != "0" || !photos || *photos < kDozensAnHour)
        return;
    advice.push_back({AdviceSeverity::Notice,
                      std::string(kNumberPerDayName),
                      std::string(fileName),
                      std::string(what) + " sending is on without a daily limit, and " + kCameraSetupFileName
                          + " lets the camera take up to " + std::to_string(*photos)
                          + " photos an hour: that can be dozens of messages an hour, each paid for. Set a daily "
                            "limit, or a longer interval in the camera settings.",
                      {}});
}

template <typename Record>
const Record *RecordOf(std::span<const CardFile> files, std::string_view settingsFile)
{
    for (const CardFile &file : files) {
        if (IsExactly(file.name, settingsFile))
            return std::get_if<Record>(&file.record);
    }
    return nullptr;
}

void AddFileAdvice(const CardFile &file, const DaylightSavingTest &daylightSaving, std::vector<Advice> &advice)
{
    std::vector<Advice> own;
    if (const auto *camera = std::get_if<CameraSettings>(&file.record))
        own = AdviseCamera(*camera, daylightSaving);
    else if (const auto *mmsFile = std::get_if<MmsSettings>(&file.record))
        own = AdviseMms(*mmsFile);
    else if (const auto *email = std::get_if<EmailSettings>(&file.record))
        own = AdviseEmail(*email);
    for (Advice &item : own) {
        item.file = file.name;
        advice.push_back(std::move(item));
    }
}

} // namespace

bool IsSettingsFileName(std::string_view name)
{
    const std::optional<std::string_view> settingsFile = SettingsFileIn(name);
    return settingsFile && IsExactly(name, *settingsFile);
}

bool LooksLikeSettingsFile(std::string_view name)
{
    return SettingsFileIn(name).has_value();
}

std::vector<Advice> AdviseCardAsWhole(std::span<const CardFile> files)
{
    std::vector<Advice> advice;
    for (const CardFile &file : files) {
        const std::optional<std::string_view> settingsFile = SettingsFileIn(file.name);
        if (settingsFile && !IsExactly(file.name, *settingsFile))
            advice.push_back(StrayCopy(file, *settingsFile, OnCard(files, *settingsFile)));
    }
    if (const auto *camera = RecordOf<CameraSettings>(files, kCameraSetupFileName)) {
        if (const auto *mmsFile = RecordOf<MmsSettings>(files, kMmsSetupFileName))
            SendingFlood(*camera, mmsFile->Header, kMmsSetupFileName, "MMS", advice);
        if (const auto *email = RecordOf<EmailSettings>(files, kEmailSetupFileName))
            SendingFlood(*camera, email->Header, kEmailSetupFileName, "E-mail", advice);
    }
    return advice;
}

std::vector<Advice> AdviseCard(std::span<const CardFile> files, const DaylightSavingTest &daylightSaving)
{
    std::vector<Advice> advice;
    for (const CardFile &file : files) {
        if (IsSettingsFileName(file.name))
            AddFileAdvice(file, daylightSaving, advice);
    }
    std::vector<Advice> whole = AdviseCardAsWhole(files);
    advice.insert(advice.end(), std::make_move_iterator(whole.begin()), std::make_move_iterator(whole.end()));
    return advice;
}

} // namespace mms
