#include "CameraSettings.h"

#include "SettingsFileWriter.h"

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
namespace {

constexpr int kDateFormatOffset = 10;
constexpr int kIntervalOffset = 18;
constexpr int kTimeLapseOffset = 21;
constexpr int kSerialNoOffset = 24;
constexpr int kTimerOffset = 29;

void WriteCameraBlocks(SettingsFileWriter &writer, const CameraSettings &s)
{
    writer.WriteBlock(Bytes({s.Mode, s.PhotoSize, s.VideoSize, s.ImageBurst, s.VideoLength, s.Beep, s.SenseLevel,
                             s.TV, s.TimeStamp, s.CyclingSave}));
    writer.WriteBlock(Bytes({s.DateFormat, uint8_t(s.Year >> 8), uint8_t(s.Year & 0xFF), s.Month, s.Day, s.Hour,
                             s.Minute, s.Second}));
    writer.WriteBlock(Bytes({s.IntervalOnOff, s.IntervalMinute, s.IntervalSecond}));
    writer.WriteBlock(Bytes({s.TimeLapseOnOff, s.TimeLapseHour, s.TimeLapseMinute}));
    writer.WriteBlock(Bytes({s.SerialNoOnOff, s.SerialNoChar[0], s.SerialNoChar[1], s.SerialNoChar[2],
                             s.SerialNoChar[3]}));
    QByteArray timer = Bytes({s.TimerOnOff});
    for (const TimerPeriod &p : s.Timer)
        timer += Bytes({p.StartHour, p.StartMinute, p.EndHour, p.EndMinute});
    writer.WriteBlock(timer);
    writer.WriteCompactTrailer();
}

} // namespace

void SetCameraClock(CameraSettings &s, const QDateTime &clock)
{
    const QDate date = clock.date();
    const QTime time = clock.time();
    s.Year = uint16_t(date.year());
    s.Month = uint8_t(date.month());
    s.Day = uint8_t(date.day());
    s.Hour = uint8_t(time.hour());
    s.Minute = uint8_t(time.minute());
    s.Second = uint8_t(time.second());
}

QByteArray ComposeCameraSetupFile(const CameraSettings &settings)
{
    return ComposeSettingsFile([&settings](SettingsFileWriter &writer) { WriteCameraBlocks(writer, settings); });
}

CameraSettings DecodeCameraSetupFile(QByteArrayView file)
{
    Q_ASSERT(file.size() == kCameraSetupFileSize);
    const auto at = [&file](int offset) { return uint8_t(file[offset]); };
    CameraSettings s;
    uint8_t *const firstBlock[] = {&s.Mode, &s.PhotoSize, &s.VideoSize, &s.ImageBurst, &s.VideoLength,
                                   &s.Beep, &s.SenseLevel, &s.TV, &s.TimeStamp, &s.CyclingSave};
    for (int i = 0; i < 10; ++i)
        *firstBlock[i] = at(i);
    s.DateFormat = at(kDateFormatOffset);
    s.Year = uint16_t(at(kDateFormatOffset + 1) << 8 | at(kDateFormatOffset + 2));
    uint8_t *const clock[] = {&s.Month, &s.Day, &s.Hour, &s.Minute, &s.Second};
    for (int i = 0; i < 5; ++i)
        *clock[i] = at(kDateFormatOffset + 3 + i);
    s.IntervalOnOff = at(kIntervalOffset);
    s.IntervalMinute = at(kIntervalOffset + 1);
    s.IntervalSecond = at(kIntervalOffset + 2);
    s.TimeLapseOnOff = at(kTimeLapseOffset);
    s.TimeLapseHour = at(kTimeLapseOffset + 1);
    s.TimeLapseMinute = at(kTimeLapseOffset + 2);
    s.SerialNoOnOff = at(kSerialNoOffset);
    for (int i = 0; i < 4; ++i)
        s.SerialNoChar[i] = at(kSerialNoOffset + 1 + i);
    s.TimerOnOff = at(kTimerOffset);
    for (int i = 0; i < 4; ++i) {
        const int period = kTimerOffset + 1 + 4 * i;
        s.Timer[i] = {at(period), at(period + 1), at(period + 2), at(period + 3)};
    }
    return s;
}

bool WriteCameraSetupFile(const QString &path, const CameraSettings &settings, QString *error)
{
    return WriteSettingsFile(path, ComposeCameraSetupFile(settings), error);
}
