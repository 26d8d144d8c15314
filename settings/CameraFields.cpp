#include "settings/CameraFields.h"

#include <cstdio>

namespace mms {
namespace {

constexpr std::string_view kModes[] = {"Camera", "Video", "Camera+Video"};
constexpr std::string_view kPhotoSizes[] = {"12MP", "8MP", "5MP"};
constexpr std::string_view kVideoSizes[] = {"1080P", "720P", "VGA"};
constexpr std::string_view kVideoLengths[] = {"10s", "20s", "30s", "60s"};
constexpr std::string_view kOffOn[] = {"off", "on"}; // the beep list alone stores 1 for On
constexpr std::string_view kSenseLevels[] = {"low", "medium", "high"};
constexpr std::string_view kTvSystems[] = {"NTSC", "PAL"};
constexpr std::string_view kDateFormats[] = {"Y/M/D", "D/M/Y", "M/D/Y"};

constexpr CameraChoiceField kChoiceFields[] = {
    {"mode", &CameraSettings::Mode, kModes},
    {"photo-size", &CameraSettings::PhotoSize, kPhotoSizes},
    {"video-size", &CameraSettings::VideoSize, kVideoSizes},
    {"video-length", &CameraSettings::VideoLength, kVideoLengths},
    {"beep", &CameraSettings::Beep, kOffOn},
    {"sense-level", &CameraSettings::SenseLevel, kSenseLevels},
    {"tv", &CameraSettings::TV, kTvSystems},
    {"time-stamp", &CameraSettings::TimeStamp, kOnOffNames},
    {"cycling-save", &CameraSettings::CyclingSave, kOnOffNames},
    {"date-format", &CameraSettings::DateFormat, kDateFormats},
};

constexpr CameraNumberField kIntervalNumbers[] = {
    {"interval-minute", &CameraSettings::IntervalMinute, 59},
    {"interval-second", &CameraSettings::IntervalSecond, 59},
};
constexpr CameraNumberField kTimeLapseNumbers[] = {
    {"time-lapse-hour", &CameraSettings::TimeLapseHour, 23},
    {"time-lapse-minute", &CameraSettings::TimeLapseMinute, 59},
};
constexpr CameraGroup kGroups[] = {
    {"interval", &CameraSettings::IntervalOnOff, kIntervalNumbers},
    {"time-lapse", &CameraSettings::TimeLapseOnOff, kTimeLapseNumbers},
};

constexpr int kDigitCount = 10;

} // namespace

std::span<const CameraChoiceField> CameraChoiceFields()
{
    return kChoiceFields;
}

std::span<const CameraGroup> CameraNumberGroups()
{
    return kGroups;
}

std::string TimerPeriodName(int period)
{
    return std::string(kTimerSwitchName) + char('1' + period);
}

char SerialCharAt(uint8_t position)
{
    return position < kDigitCount ? char('0' + position) : char('A' + (position - kDigitCount));
}

std::optional<uint8_t> SerialPositionOf(char c)
{
    if (c >= '0' && c <= '9')
        return uint8_t(c - '0');
    if (c >= 'A' && c <= 'Z')
        return uint8_t(kDigitCount + (c - 'A'));
    return std::nullopt;
}

bool IsValidClock(const CameraSettings &s)
{
    return s.Month >= 1 && s.Month <= 12 && s.Day >= 1 && s.Day <= 31 && s.Hour <= 23 && s.Minute <= 59
        && s.Second <= 59;
}

bool IsValidPeriod(const TimerPeriod &p)
{
    return p.StartHour <= 23 && p.StartMinute <= 59 && p.EndHour <= 23 && p.EndMinute <= 59;
}

std::string ClockText(const CameraSettings &s)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", unsigned(s.Year), unsigned(s.Month),
                  unsigned(s.Day), unsigned(s.Hour), unsigned(s.Minute), unsigned(s.Second));
    return text;
}

std::string TimerPeriodText(const TimerPeriod &p)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02u:%02u-%02u:%02u", unsigned(p.StartHour), unsigned(p.StartMinute),
                  unsigned(p.EndHour), unsigned(p.EndMinute));
    return text;
}

} // namespace mms
