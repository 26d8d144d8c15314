#include "cli/AdviceOutput.h"
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/OptionValues.h"
#include "cli/SettingsOutput.h"
#include "settings/CameraFields.h"

#include <algorithm>
#include <chrono>

namespace cli {
namespace {

using mms::CameraSettings;

constexpr std::string_view kNow = "now";
constexpr std::string_view kKeep = "keep"; // the clock of --from's file
constexpr std::string_view kClockForm = "YYYY-MM-DDTHH:MM:SS";
constexpr std::string_view kSerialCharacters = "0-9 and A-Z";
constexpr std::string_view kPeriodForm = "HH:MM-HH:MM";
constexpr int kHoursPerDay = 24;
constexpr int kMinutesPerHour = 60;
constexpr int kSecondsPerMinute = 60;

std::string SerialHelp(const CameraSettings &defaults)
{
    std::string serial;
    for (const uint8_t position : defaults.SerialNoChar)
        serial += mms::SerialCharAt(position);
    return "Four characters of " + std::string(kSerialCharacters) + " (default " + serial + ").";
}

void AddCameraOptions(CommandLine &line)
{
    const CameraSettings defaults;
    for (const mms::CameraChoiceField &field : mms::CameraChoiceFields())
        line.AddValue(field.name, "VALUE", Joined(field.choices, "|"));
    line.AddValue(mms::kImageBurstName, "N", "Photos per trigger, 1.." + std::to_string(mms::kImageBurstMax) + ".");
    line.AddValue(mms::kClockName, "TIME",
                  "Camera clock: now (default), " + std::string(kClockForm)
                      + ", or keep (the clock of --from's file).");
    for (const mms::CameraGroup &group : mms::CameraNumberGroups()) {
        line.AddValue(group.name, "SWITCH", SwitchHelp(defaults.*group.onOff));
        for (const mms::CameraNumberField &number : group.numbers)
            line.AddValue(number.name, "N", "0.." + std::to_string(number.max));
    }
    line.AddValue(mms::kSerialSwitchName, "SWITCH", SwitchHelp(defaults.SerialNoOnOff));
    line.AddValue(mms::kSerialName, "XXXX", SerialHelp(defaults));
    line.AddValue(mms::kTimerSwitchName, "SWITCH", SwitchHelp(defaults.TimerOnOff));
    for (int period = 0; period < mms::kTimerPeriodCount; ++period)
        line.AddValue(mms::TimerPeriodName(period), "PERIOD", "Timer period " + std::string(kPeriodForm) + ".");
    AddFromOption(line, "camera");
    AddOutOption(line);
    AddQuietOption(line);
}

// The number of the ASCII digits text[at, at + width).
int DigitsAt(std::string_view text, size_t at, size_t width)
{
    int number = 0;
    for (const char digit : text.substr(at, width))
        number = number * 10 + (digit - '0');
    return number;
}

// A time as YYYY-MM-DDTHH:MM:SS that names a real second of the calendar.
std::optional<std::tm> ClockAt(std::string_view text)
{
    const bool formed =
        text.size() == kClockForm.size() && std::ranges::equal(text, kClockForm, [](char c, char form) {
            return std::string_view("YMDHS").find(form) != std::string_view::npos ? IsAsciiDigit(c) : c == form;
        });
    if (!formed)
        return std::nullopt;
    std::tm clock{};
    const int year = DigitsAt(text, 0, 4);
    const unsigned month = unsigned(DigitsAt(text, 5, 2));
    const unsigned day = unsigned(DigitsAt(text, 8, 2));
    clock.tm_hour = DigitsAt(text, 11, 2);
    clock.tm_min = DigitsAt(text, 14, 2);
    clock.tm_sec = DigitsAt(text, 17, 2);
    const std::chrono::year_month_day date{std::chrono::year(year), std::chrono::month(month), std::chrono::day(day)};
    if (!date.ok() || clock.tm_hour >= kHoursPerDay || clock.tm_min >= kMinutesPerHour
        || clock.tm_sec >= kSecondsPerMinute)
        return std::nullopt;
    clock.tm_year = year - 1900;
    clock.tm_mon = int(month) - 1;
    clock.tm_mday = int(day);
    return clock;
}

bool SameWord(std::string_view value, std::string_view word)
{
    return std::ranges::equal(value, word, {}, AsciiUpper, AsciiUpper);
}

void ReadClock(const CommandLine &line, bool fromFile, CameraSettings &s)
{
    const std::string value = line.Value(mms::kClockName).value_or(std::string(kNow));
    if (SameWord(value, kKeep)) {
        if (!fromFile)
            throw UsageError(OptionName(mms::kClockName) + " keep needs --from FILE, whose clock it keeps");
        return;
    }
    const std::optional<std::tm> clock = SameWord(value, kNow) ? mms::LocalClockNow() : ClockAt(value);
    if (!clock)
        throw UsageError(OptionName(mms::kClockName) + " must be now, keep or a time as " + std::string(kClockForm)
                         + ", not " + Quoted(value));
    mms::SetCameraClock(s, *clock);
}

void ReadSerial(const CommandLine &line, CameraSettings &s)
{
    s.SerialNoOnOff = SwitchValue(line, mms::kSerialSwitchName, {std::string(mms::kSerialName)}, s.SerialNoOnOff);
    if (s.SerialNoOnOff != kSwitchOn) {
        s.SerialNoChar = {};
        return;
    }
    const std::optional<std::string> serial = line.Value(mms::kSerialName);
    if (!serial)
        return;
    const auto refuse = [&serial] {
        return UsageError(OptionName(mms::kSerialName) + " must be four characters of " + std::string(kSerialCharacters)
                          + ", not " + Quoted(*serial));
    };
    if (serial->size() != s.SerialNoChar.size())
        throw refuse();
    for (size_t i = 0; i < s.SerialNoChar.size(); ++i) {
        const std::optional<uint8_t> position = mms::SerialPositionOf(AsciiUpper((*serial)[i]));
        if (!position)
            throw refuse();
        s.SerialNoChar[i] = *position;
    }
}

// "H:MM" or "HH:MM" into hours and minutes, unchecked.
bool ReadClockTime(std::string_view text, uint8_t &hour, uint8_t &minute)
{
    const size_t colon = text.find(':');
    const bool formed = (colon == 1 || colon == 2) && text.size() == colon + 3
        && std::ranges::all_of(text.substr(0, colon), IsAsciiDigit)
        && std::ranges::all_of(text.substr(colon + 1), IsAsciiDigit);
    if (formed) {
        hour = uint8_t(DigitsAt(text, 0, colon));
        minute = uint8_t(DigitsAt(text, colon + 1, 2));
    }
    return formed;
}

mms::TimerPeriod ParseTimerPeriod(const std::string &option, const std::string &value)
{
    const size_t dash = value.find('-');
    mms::TimerPeriod p;
    const bool formed = dash != std::string::npos
        && ReadClockTime(std::string_view(value).substr(0, dash), p.StartHour, p.StartMinute)
        && ReadClockTime(std::string_view(value).substr(dash + 1), p.EndHour, p.EndMinute);
    if (!formed || !mms::IsValidPeriod(p))
        throw UsageError(OptionName(option) + " must be a period " + std::string(kPeriodForm)
                         + " (hours 0..23, minutes 0..59), not " + Quoted(value));
    return p;
}

void ReadTimer(const CommandLine &line, CameraSettings &s)
{
    std::vector<std::string> periodOptions;
    for (int period = 0; period < mms::kTimerPeriodCount; ++period)
        periodOptions.push_back(mms::TimerPeriodName(period));
    s.TimerOnOff = SwitchValue(line, mms::kTimerSwitchName, periodOptions, s.TimerOnOff);
    if (s.TimerOnOff != kSwitchOn)
        s.Timer = {};
    for (int period = 0; period < mms::kTimerPeriodCount; ++period) {
        if (const std::optional<std::string> value = line.Value(periodOptions[period]))
            s.Timer[period] = ParseTimerPeriod(periodOptions[period], *value);
    }
}

void ReadGroups(const CommandLine &line, CameraSettings &s)
{
    for (const mms::CameraGroup &group : mms::CameraNumberGroups()) {
        std::vector<std::string> valueOptions;
        for (const mms::CameraNumberField &number : group.numbers)
            valueOptions.emplace_back(number.name);
        s.*group.onOff = SwitchValue(line, group.name, valueOptions, s.*group.onOff);
        // A switched-off group is written at position 0, as the dialog does.
        const bool on = s.*group.onOff == kSwitchOn;
        for (const mms::CameraNumberField &number : group.numbers)
            s.*number.member = on ? uint8_t(NumberValue(line, number.name, 0, number.max, s.*number.member)) : 0;
    }
}

// The settings of `start` (the defaults, or --from's file) with the options applied.
CameraSettings CameraSettingsFrom(const CommandLine &line, CameraSettings s, bool fromFile)
{
    for (const mms::CameraChoiceField &field : mms::CameraChoiceFields())
        s.*field.member = ChoiceValue(line, field.name, field.choices, s.*field.member);
    // The record stores the photos of a burst less one.
    s.ImageBurst = uint8_t(NumberValue(line, mms::kImageBurstName, 1, mms::kImageBurstMax, s.ImageBurst + 1) - 1);
    ReadClock(line, fromFile, s);
    ReadGroups(line, s);
    ReadSerial(line, s);
    ReadTimer(line, s);
    return s;
}

} // namespace

int RunCameraCommand(const std::vector<std::string> &arguments)
{
    CommandLine line("camera",
                     "Writes CAMERASETUP.dat. Values are case-insensitive; defaults are those of the "
                     "camera dialog, with the clock set to the computer's clock now.");
    AddCameraOptions(line);
    if (!line.Parse(arguments))
        return kExitOk;
    RefuseFileNames(line, "camera");
    const std::optional<mms::Bytes> file = FromFile(line, "camera");
    const CameraSettings start = file ? mms::DecodeCameraSetupFile(*file).record : CameraSettings();
    const CameraSettings s = CameraSettingsFrom(line, start, file.has_value());
    return EmitSettingsFile(line, mms::kCameraSetupFileName, mms::ComposeCameraSetupFile(s),
                            mms::AdviseCamera(s, mms::IsDaylightSavingLocal));
}

} // namespace cli
