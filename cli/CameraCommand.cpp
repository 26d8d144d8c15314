#include "CameraFields.h"
#include "CliSupport.h"
#include "Commands.h"

#include <QDateTime>
#include <QRegularExpression>

namespace {

const QString kImageBurst = QStringLiteral("image-burst");
const QString kClock = QStringLiteral("clock");
const QString kSerialNo = QStringLiteral("serial-no");
const QString kSerial = QStringLiteral("serial");
const QString kTimer = QStringLiteral("timer");

QString TimerOption(int period) { return QStringLiteral("timer%1").arg(period + 1); }

void AddCameraOptions(QCommandLineParser &parser)
{
    for (const CameraChoiceField &field : CameraChoiceFields())
        parser.addOption({field.option, field.names.join(QLatin1Char('|')), QStringLiteral("VALUE")});
    parser.addOption({kImageBurst, QStringLiteral("Photos per trigger, 1..5."), QStringLiteral("N")});
    parser.addOption({kClock, QStringLiteral("Camera clock: now (default) or YYYY-MM-DDTHH:MM:SS."),
                      QStringLiteral("TIME")});
    for (const CameraGroup &group : CameraNumberGroups()) {
        parser.addOption({group.option, QStringLiteral("on|off (default off)"), QStringLiteral("SWITCH")});
        for (const CameraNumberField &number : group.numbers)
            parser.addOption({number.option, QStringLiteral("0..%1").arg(number.max), QStringLiteral("N")});
    }
    parser.addOption({kSerialNo, QStringLiteral("on|off (default on)"), QStringLiteral("SWITCH")});
    parser.addOption({kSerial, QStringLiteral("Four characters of 0-9 and A-Z (default TEST)."),
                      QStringLiteral("XXXX")});
    parser.addOption({kTimer, QStringLiteral("on|off (default off)"), QStringLiteral("SWITCH")});
    for (int period = 0; period < 4; ++period)
        parser.addOption({TimerOption(period), QStringLiteral("Timer period HH:MM-HH:MM."),
                          QStringLiteral("PERIOD")});
    parser.addOption(OutOption());
}

// Values of a switched-off group would be silently dropped: refuse them instead.
bool GroupSwitch(const QCommandLineParser &parser, const QString &option, const QStringList &valueOptions,
                 bool fallback)
{
    const bool on = SwitchValue(parser, option, fallback);
    for (const QString &valueOption : valueOptions) {
        if (!on && parser.isSet(valueOption))
            throw UsageError(QStringLiteral("--%1 needs --%2 on").arg(valueOption, option));
    }
    return on;
}

uint8_t OnOffByte(bool on) { return on ? 0 : 1; }

void ReadClock(const QCommandLineParser &parser, CameraSettings &s)
{
    const QString value = parser.isSet(kClock) ? parser.value(kClock) : QStringLiteral("now");
    QDateTime clock = QDateTime::currentDateTime();
    if (value.compare(QLatin1String("now"), Qt::CaseInsensitive) != 0) {
        static const QRegularExpression form(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}T\\d{2}:\\d{2}:\\d{2}$"));
        clock = QDateTime::fromString(value, Qt::ISODate);
        if (!form.match(value).hasMatch() || !clock.isValid())
            throw UsageError(QStringLiteral("--clock must be now or a time as YYYY-MM-DDTHH:MM:SS, not \"%1\"")
                                 .arg(value));
    }
    SetCameraClock(s, clock);
}

void ReadSerial(const QCommandLineParser &parser, CameraSettings &s)
{
    const bool on = GroupSwitch(parser, kSerialNo, {kSerial}, true);
    s.SerialNoOnOff = OnOffByte(on);
    if (!on) {
        s.SerialNoChar = {};
        return;
    }
    if (!parser.isSet(kSerial))
        return;
    const QString serial = parser.value(kSerial).toUpper();
    static const QRegularExpression form(QStringLiteral("^[0-9A-Z]{4}$"));
    if (!form.match(serial).hasMatch())
        throw UsageError(QStringLiteral("--serial must be four characters of 0-9 and A-Z, not \"%1\"")
                             .arg(parser.value(kSerial)));
    for (int i = 0; i < 4; ++i) {
        const QChar c = serial[i];
        s.SerialNoChar[i] = uint8_t(c.isDigit() ? c.digitValue() : 10 + (c.unicode() - u'A'));
    }
}

TimerPeriod ParseTimerPeriod(const QString &option, const QString &value)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,2}):(\\d{2})-(\\d{1,2}):(\\d{2})$"));
    const QRegularExpressionMatch match = form.match(value);
    const auto part = [&match](int i) { return match.captured(i).toInt(); };
    if (!match.hasMatch() || part(1) > 23 || part(2) > 59 || part(3) > 23 || part(4) > 59)
        throw UsageError(QStringLiteral("--%1 must be a period HH:MM-HH:MM (hours 0..23, minutes 0..59), not \"%2\"")
                             .arg(option, value));
    return {uint8_t(part(1)), uint8_t(part(2)), uint8_t(part(3)), uint8_t(part(4))};
}

void ReadTimer(const QCommandLineParser &parser, CameraSettings &s)
{
    QStringList periodOptions;
    for (int period = 0; period < 4; ++period)
        periodOptions << TimerOption(period);
    s.TimerOnOff = OnOffByte(GroupSwitch(parser, kTimer, periodOptions, false));
    for (int period = 0; period < 4; ++period) {
        if (parser.isSet(periodOptions[period]))
            s.Timer[period] = ParseTimerPeriod(periodOptions[period], parser.value(periodOptions[period]));
    }
}

CameraSettings CameraSettingsFrom(const QCommandLineParser &parser)
{
    CameraSettings s;
    for (const CameraChoiceField &field : CameraChoiceFields())
        s.*field.member = uint8_t(ChoiceValue(parser, field.option, field.names, s.*field.member));
    s.ImageBurst = uint8_t(NumberValue(parser, kImageBurst, 1, kImageBurstMax, 1) - 1);
    ReadClock(parser, s);
    for (const CameraGroup &group : CameraNumberGroups()) {
        QStringList valueOptions;
        for (const CameraNumberField &number : group.numbers)
            valueOptions << number.option;
        s.*group.onOff = OnOffByte(GroupSwitch(parser, group.option, valueOptions, false));
        for (const CameraNumberField &number : group.numbers)
            s.*number.member = uint8_t(NumberValue(parser, number.option, 0, number.max, 0));
    }
    ReadSerial(parser, s);
    ReadTimer(parser, s);
    return s;
}

} // namespace

int RunCameraCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes CAMERASETUP.dat. Values are case-insensitive; defaults are those of the "
                       "camera dialog, with the clock set to the computer's clock now."));
    AddCameraOptions(parser);
    ParseOrThrow(parser, arguments);
    if (!parser.positionalArguments().isEmpty())
        throw UsageError(QStringLiteral("camera takes no file names; use --out DIR"));
    const CameraSettings settings = CameraSettingsFrom(parser);
    return EmitSettingsFile(OutputTargetFor(parser, QString::fromLatin1(kCameraSetupFileName)),
                            ComposeCameraSetupFile(settings));
}
