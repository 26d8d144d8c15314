#pragma once

#include "settings/CameraSettings.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace mms {

// The one description of the camera record's settings: the names under which the
// command line takes them and inspect shows them, their lists and their ranges.

inline constexpr std::string_view kOnOffNames[] = {"on", "off"}; // the switches store 0 for On

// A setting chosen from a list; a name's position is the byte the file stores.
struct CameraChoiceField {
    std::string_view name;
    uint8_t CameraSettings::*member;
    std::span<const std::string_view> choices;
};

struct CameraNumberField {
    std::string_view name;
    uint8_t CameraSettings::*member;
    int max;
};

// A switch and the numbers it governs: the camera dialog writes every number of a
// switched-off group as 0.
struct CameraGroup {
    std::string_view name;
    uint8_t CameraSettings::*onOff;
    std::span<const CameraNumberField> numbers;
};

std::span<const CameraChoiceField> CameraChoiceFields();
std::span<const CameraGroup> CameraNumberGroups();

// Image burst is stored as photos minus one.
inline constexpr std::string_view kImageBurstName = "image-burst";
inline constexpr int kImageBurstMax = 5;
inline constexpr std::string_view kClockName = "clock";
inline constexpr std::string_view kSerialSwitchName = "serial-no";
inline constexpr std::string_view kSerialName = "serial";
inline constexpr std::string_view kTimerSwitchName = "timer";
inline constexpr int kTimerPeriodCount = 4;
// "timer1" .. "timer4"
std::string TimerPeriodName(int period);

// Serial number characters: positions 0..9 are "0".."9", 10..35 "A".."Z".
inline constexpr int kSerialCharCount = 36;
char SerialCharAt(uint8_t position);
// The position of "0".."9" or "A".."Z" (ASCII capitals only), or none.
std::optional<uint8_t> SerialPositionOf(char c);

bool IsValidClock(const CameraSettings &settings);
bool IsValidPeriod(const TimerPeriod &period);
// "YYYY-MM-DD HH:MM:SS"
std::string ClockText(const CameraSettings &settings);
// "HH:MM-HH:MM"
std::string TimerPeriodText(const TimerPeriod &period);

} // namespace mms
