#pragma once

#include "settings/Bytes.h"
#include "settings/Decoded.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <string>

namespace mms {

struct TimerPeriod {
    uint8_t StartHour = 0;
    uint8_t StartMinute = 0;
    uint8_t EndHour = 0;
    uint8_t EndMinute = 0;

    bool operator==(const TimerPeriod &) const = default;
};

// Every value is the position of the chosen entry in the camera dialog's list. The
// on/off switches store 0 for On, except Beep, which stores 1 for On. The member
// defaults are the dialog's defaults with its reset clock, 2012-01-01 00:00:00.
struct CameraSettings {
    uint8_t Mode = 0;        // Camera, Video, Camera+Video
    uint8_t PhotoSize = 0;   // 12MP, 8MP, 5MP
    uint8_t VideoSize = 0;   // 1080P, 720P, VGA
    uint8_t ImageBurst = 0;  // photos in a burst minus one
    uint8_t VideoLength = 0; // 10s, 20s, 30s, 60s
    uint8_t Beep = 1;        // Off, On
    uint8_t SenseLevel = 1;  // Low, Medium, High
    uint8_t TV = 1;          // NTSC, PAL
    uint8_t TimeStamp = 0;   // On, Off
    uint8_t CyclingSave = 1; // On, Off
    uint8_t DateFormat = 1;  // Y/M/D, D/M/Y, M/D/Y
    uint16_t Year = 2012;
    uint8_t Month = 1;
    uint8_t Day = 1;
    uint8_t Hour = 0;
    uint8_t Minute = 0;
    uint8_t Second = 0;
    uint8_t IntervalOnOff = 1;
    uint8_t IntervalMinute = 0;
    uint8_t IntervalSecond = 0;
    uint8_t TimeLapseOnOff = 1;
    uint8_t TimeLapseHour = 0;
    uint8_t TimeLapseMinute = 0;
    uint8_t SerialNoOnOff = 0;
    std::array<uint8_t, 4> SerialNoChar = {29, 14, 28, 29}; // 0-9 digits, 10-35 "A".."Z": TEST
    uint8_t TimerOnOff = 1;
    std::array<TimerPeriod, 4> Timer = {};

    bool operator==(const CameraSettings &) const = default;
};

inline constexpr int kCameraSetupFileSize = 59;
inline constexpr const char *kCameraSetupFileName = "CAMERASETUP.dat";

// Puts a calendar time (as std::localtime gives it) into the record's clock, to the second.
void SetCameraClock(CameraSettings &settings, const std::tm &clock);
// The computer's local time now.
std::tm LocalClockNow();
// The record's clock as a calendar time (fields std::mktime reads; no day of the week).
std::tm CameraClockOf(const CameraSettings &settings);
// Whether daylight saving time is in force at `local`, a local time of the computer's
// time zone (TZ where it is set).
bool IsDaylightSavingLocal(const std::tm &local);

// The 59 bytes of CAMERASETUP.dat for a record.
Bytes ComposeCameraSetupFile(const CameraSettings &settings);

// The record a CAMERASETUP.dat carries, with what is wrong with the file: its size,
// signature, checksum, and values outside their lists.
Decoded<CameraSettings> DecodeCameraSetupFile(ByteView file);

// Replaces the file at path; on false, error (when given) receives the reason and the
// file that was there is unchanged.
bool WriteCameraSetupFile(const std::string &path, const CameraSettings &settings, std::string *error = nullptr);

} // namespace mms
