#include "CameraFields.h"

namespace {

QStringList OnFirst() { return {QStringLiteral("on"), QStringLiteral("off")}; }

} // namespace

const QList<CameraChoiceField> &CameraChoiceFields()
{
    static const QList<CameraChoiceField> fields = {
        {QStringLiteral("mode"), &CameraSettings::Mode,
         {QStringLiteral("Camera"), QStringLiteral("Video"), QStringLiteral("Camera+Video")}},
        {QStringLiteral("photo-size"), &CameraSettings::PhotoSize,
         {QStringLiteral("12MP"), QStringLiteral("8MP"), QStringLiteral("5MP")}},
        {QStringLiteral("video-size"), &CameraSettings::VideoSize,
         {QStringLiteral("1080P"), QStringLiteral("720P"), QStringLiteral("VGA")}},
        {QStringLiteral("video-length"), &CameraSettings::VideoLength,
         {QStringLiteral("10s"), QStringLiteral("20s"), QStringLiteral("30s"), QStringLiteral("60s")}},
        // The beep list alone stores 1 for On.
        {QStringLiteral("beep"), &CameraSettings::Beep, {QStringLiteral("off"), QStringLiteral("on")}},
        {QStringLiteral("sense-level"), &CameraSettings::SenseLevel,
         {QStringLiteral("low"), QStringLiteral("medium"), QStringLiteral("high")}},
        {QStringLiteral("tv"), &CameraSettings::TV, {QStringLiteral("NTSC"), QStringLiteral("PAL")}},
        {QStringLiteral("time-stamp"), &CameraSettings::TimeStamp, OnFirst()},
        {QStringLiteral("cycling-save"), &CameraSettings::CyclingSave, OnFirst()},
        {QStringLiteral("date-format"), &CameraSettings::DateFormat,
         {QStringLiteral("Y/M/D"), QStringLiteral("D/M/Y"), QStringLiteral("M/D/Y")}},
    };
    return fields;
}

const QList<CameraGroup> &CameraNumberGroups()
{
    static const QList<CameraGroup> groups = {
        {QStringLiteral("interval"), &CameraSettings::IntervalOnOff,
         {{QStringLiteral("interval-minute"), &CameraSettings::IntervalMinute, 59},
          {QStringLiteral("interval-second"), &CameraSettings::IntervalSecond, 59}}},
        {QStringLiteral("time-lapse"), &CameraSettings::TimeLapseOnOff,
         {{QStringLiteral("time-lapse-hour"), &CameraSettings::TimeLapseHour, 23},
          {QStringLiteral("time-lapse-minute"), &CameraSettings::TimeLapseMinute, 59}}},
    };
    return groups;
}

QChar SerialCharAt(uint8_t position)
{
    return position < 10 ? QChar(u'0' + position) : QChar(u'A' + (position - 10));
}

QString TimerPeriodText(const TimerPeriod &period)
{
    return QStringLiteral("%1:%2-%3:%4")
        .arg(period.StartHour, 2, 10, QLatin1Char('0'))
        .arg(period.StartMinute, 2, 10, QLatin1Char('0'))
        .arg(period.EndHour, 2, 10, QLatin1Char('0'))
        .arg(period.EndMinute, 2, 10, QLatin1Char('0'));
}
