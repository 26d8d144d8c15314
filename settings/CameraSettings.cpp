#include "settings/CameraSettings.h"

#include "settings/CameraFields.h"
#include "settings/FileAccess.h"
#include "settings/SettingsFileWriter.h"

#include <algorithm>

// CAMERASETUP.dat, 59 bytes; every value one byte unless stated:
//
//  offset  width  content                                     block
//   0      10     Mode .. CyclingSave, in record order        1
//  10       1     DateFormat                                  2, the clock
//  11       2     Year, most significant byte first           2
//  13       5     Month, Day, Hour, Minute, Second            2
//  18       3     IntervalOnOff, IntervalMinute, -Second      3
//  21       3     TimeLapseOnOff, TimeLapseHour, -Minute      4
//  24       5     SerialNoOnOff, SerialNoChar 1..4            5
//  29      17     TimerOnOff, periods 1..4 (start h, start m,
//                 end h, end m)                               6
//  46       9     trailer signature                           summed
//  55       4     sum of bytes 0..54, big-endian              not summed
//
// Values are written as their low 8 bits; nothing is range-checked, as the camera
// dialog only offers positions inside its lists.
namespace mms {
namespace {

constexpr size_t kSignatureOffset = 46;
constexpr size_t kChecksumOffset = 55;

// The record's one-byte fields in file order; the year's two bytes follow DateFormat.
template <typename Record>
auto ByteFieldsBeforeYear(Record &s)
{
    return std::array{&s.Mode,       &s.PhotoSize, &s.VideoSize, &s.ImageBurst,  &s.VideoLength, &s.Beep,
                      &s.SenseLevel, &s.TV,        &s.TimeStamp, &s.CyclingSave, &s.DateFormat};
}

template <typename Record>
auto ByteFieldsAfterYear(Record &s)
{
    // clang-format off
    return std::array{&s.Month,          &s.Day,           &s.Hour,          &s.Minute,
                      &s.Second,         &s.IntervalOnOff, &s.IntervalMinute, &s.IntervalSecond,
                      &s.TimeLapseOnOff, &s.TimeLapseHour, &s.TimeLapseMinute, &s.SerialNoOnOff,
                      &s.SerialNoChar[0], &s.SerialNoChar[1], &s.SerialNoChar[2], &s.SerialNoChar[3],
                      &s.TimerOnOff};
    // clang-format on
}

template <typename Record>
auto TimerBytes(Record &s)
{
    std::array<decltype(&s.Timer[0].StartHour), 4 * kTimerPeriodCount> bytes;
    for (int i = 0; i < kTimerPeriodCount; ++i) {
        auto &p = s.Timer[i];
        std::copy_n(std::array{&p.StartHour, &p.StartMinute, &p.EndHour, &p.EndMinute}.begin(), 4, &bytes[4 * i]);
    }
    return bytes;
}

// The values in file order, bytes 0..45.
std::array<uint8_t, kSignatureOffset> ValueBytes(const CameraSettings &s)
{
    std::array<uint8_t, kSignatureOffset> bytes;
    uint8_t *next = bytes.data();
    for (const uint8_t *value : ByteFieldsBeforeYear(s))
        *next++ = *value;
    *next++ = uint8_t(s.Year >> 8);
    *next++ = uint8_t(s.Year & 0xFF);
    for (const uint8_t *value : ByteFieldsAfterYear(s))
        *next++ = *value;
    for (const uint8_t *value : TimerBytes(s))
        *next++ = *value;
    return bytes;
}

void CheckValues(const CameraSettings &s, std::vector<std::string> &problems)
{
    const auto invalid = [&problems](std::string_view name, int value) {
        problems.push_back(std::string(name) + " holds " + std::to_string(value) + ", which is not a valid value");
    };
    const auto checkSwitch = [&invalid](std::string_view name, uint8_t value) {
        if (value >= std::size(kOnOffNames))
            invalid(name, value);
    };
    for (const CameraChoiceField &field : CameraChoiceFields()) {
        if (s.*field.member >= field.choices.size())
            invalid(field.name, s.*field.member);
    }
    if (s.ImageBurst >= kImageBurstMax)
        invalid(kImageBurstName, s.ImageBurst);
    if (!IsValidClock(s))
        problems.push_back("clock " + ClockText(s) + " is not a valid time");
    for (const CameraGroup &group : CameraNumberGroups()) {
        checkSwitch(group.name, s.*group.onOff);
        for (const CameraNumberField &number : group.numbers) {
            if (s.*number.member > number.max)
                invalid(number.name, s.*number.member);
        }
    }
    checkSwitch(kSerialSwitchName, s.SerialNoOnOff);
    checkSwitch(kTimerSwitchName, s.TimerOnOff);
    for (uint8_t position : s.SerialNoChar) {
        if (position >= kSerialCharCount)
            invalid(kSerialName, position);
    }
    for (int i = 0; i < kTimerPeriodCount; ++i) {
        if (!IsValidPeriod(s.Timer[i]))
            problems.push_back(TimerPeriodName(i) + " is not a valid period");
    }
}

} // namespace

void SetCameraClock(CameraSettings &s, const std::tm &clock)
{
    s.Year = uint16_t(clock.tm_year + 1900);
    s.Month = uint8_t(clock.tm_mon + 1);
    s.Day = uint8_t(clock.tm_mday);
    s.Hour = uint8_t(clock.tm_hour);
    s.Minute = uint8_t(clock.tm_min);
    // A leap second shows as :60, which the camera's clock does not have.
    s.Second = uint8_t(std::min(clock.tm_sec, 59));
}

std::tm LocalClockNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm clock{};
#ifdef _WIN32
    localtime_s(&clock, &now);
#else
    localtime_r(&now, &clock);
#endif
    return clock;
}

std::tm CameraClockOf(const CameraSettings &s)
{
    std::tm clock{};
    clock.tm_year = s.Year - 1900;
    clock.tm_mon = s.Month - 1;
    clock.tm_mday = s.Day;
    clock.tm_hour = s.Hour;
    clock.tm_min = s.Minute;
    clock.tm_sec = s.Second;
    return clock;
}

bool IsDaylightSavingLocal(const std::tm &local)
{
    std::tm resolved = local;
    resolved.tm_isdst = -1; // let the zone's rules decide
    return std::mktime(&resolved) != std::time_t(-1) && resolved.tm_isdst > 0;
}

Bytes ComposeCameraSetupFile(const CameraSettings &settings)
{
    // Blocks 1 to 6 are summed alike, so the values go in as one block.
    SettingsFileWriter writer(kCameraSetupFileSize);
    writer.WriteBlock(ValueBytes(settings));
    writer.WriteCompactTrailer();
    return writer.TakeContent();
}

Decoded<CameraSettings> DecodeCameraSetupFile(ByteView file)
{
    Decoded<CameraSettings> decoded;
    if (file.size() != size_t(kCameraSetupFileSize)) {
        decoded.problems.push_back(std::to_string(file.size()) + " bytes is not the size of a camera settings file ("
                                   + std::to_string(kCameraSetupFileSize) + ")");
        return decoded;
    }
    CameraSettings &s = decoded.record;
    size_t offset = 0;
    for (uint8_t *value : ByteFieldsBeforeYear(s))
        *value = file[offset++];
    s.Year = uint16_t(file[offset] << 8 | file[offset + 1]);
    offset += 2;
    for (uint8_t *value : ByteFieldsAfterYear(s))
        *value = file[offset++];
    for (uint8_t *value : TimerBytes(s))
        *value = file[offset++];

    decoded.signatureOk = std::equal(kTrailerSignature.begin(), kTrailerSignature.end(), &file[kSignatureOffset]);
    decoded.checksumOk = ReadBigEndian32(file.subspan(kChecksumOffset)) == ByteSum(file.first(kChecksumOffset));
    if (!decoded.signatureOk)
        decoded.problems.push_back("the trailer signature is wrong");
    if (!decoded.checksumOk)
        decoded.problems.push_back("the checksum does not match the content");
    CheckValues(s, decoded.problems);
    return decoded;
}

bool WriteCameraSetupFile(const std::string &path, const CameraSettings &settings, std::string *error)
{
    return ReplaceFile(path, ComposeCameraSetupFile(settings), error);
}

} // namespace mms
