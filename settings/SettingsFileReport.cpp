#include "settings/SettingsFileReport.h"

#include "settings/CameraFields.h"
#include "settings/EmailSettings.h"
#include "settings/MmsSettings.h"

#include <span>
#include <utility>

namespace mms {
namespace {

// A list entry's name, or the stored number where it is outside the list.
ReportValue Choice(uint8_t value, std::span<const std::string_view> names)
{
    if (value < names.size())
        return std::string(names[value]);
    return int(value);
}

std::vector<ReportField> CameraFields(const CameraSettings &s)
{
    std::vector<ReportField> fields;
    for (const CameraChoiceField &field : CameraChoiceFields())
        fields.push_back({std::string(field.name), Choice(s.*field.member, field.choices)});
    fields.push_back({std::string(kImageBurstName), s.ImageBurst + 1});
    fields.push_back({std::string(kClockName), ClockText(s)});
    for (const CameraGroup &group : CameraNumberGroups()) {
        fields.push_back({std::string(group.name), Choice(s.*group.onOff, kOnOffNames)});
        for (const CameraNumberField &number : group.numbers)
            fields.push_back({std::string(number.name), int(s.*number.member)});
    }
    fields.push_back({std::string(kSerialSwitchName), Choice(s.SerialNoOnOff, kOnOffNames)});
    std::string serial;
    for (uint8_t position : s.SerialNoChar)
        serial += position < kSerialCharCount ? SerialCharAt(position) : '?';
    fields.push_back({std::string(kSerialName), serial});
    fields.push_back({std::string(kTimerSwitchName), Choice(s.TimerOnOff, kOnOffNames)});
    for (int i = 0; i < kTimerPeriodCount; ++i)
        fields.push_back({TimerPeriodName(i), TimerPeriodText(s.Timer[i])});
    return fields;
}

std::vector<ReportField> HeaderFields(const SendingHeader &h)
{
    ReportValue number;
    if (!h.NumberPerDay.empty())
        number = std::stoi(h.NumberPerDay);
    return {{std::string(kStatusName), Choice(h.Status, kStatusNames)},
            {std::string(kNumberPerDayName), number},
            {std::string(kDailyReportName), Choice(h.DailyReportOnOff, kOnOffNames)},
            {std::string(kReportHourName), int(h.DailyReportHour)}};
}

template <typename Record, size_t N>
std::vector<ReportField> SendingFields(const SendingHeader &header, const std::array<SendingLine<Record>, N> &lines)
{
    std::vector<ReportField> fields = HeaderFields(header);
    for (const SendingLine<Record> &line : lines) {
        const std::string &text = *line.text;
        fields.push_back(
            {std::string(line.name), line.kind == LineKind::SenderName ? text.substr(0, text.find('@')) : text});
    }
    return fields;
}

template <typename Record>
void Take(SettingsFileReport &report, const char *kind, Decoded<Record> &&decoded)
{
    report.kind = kind;
    report.check = std::move(decoded);
}

} // namespace

SettingsFileReport InspectSettingsFile(ByteView data, uint64_t fileSize)
{
    SettingsFileReport report;
    if (fileSize == kCameraSetupFileSize && data.size() == fileSize) {
        Decoded<CameraSettings> decoded = DecodeCameraSetupFile(data);
        report.fields = CameraFields(decoded.record);
        Take(report, "camera", std::move(decoded));
    } else if (fileSize == kMmsSetupFileSize && data.size() == fileSize) {
        Decoded<MmsSettings> decoded = DecodeMmsSetupFile(data);
        report.fields = SendingFields(decoded.record.Header, MmsTextLines(std::as_const(decoded.record)));
        Take(report, "mms", std::move(decoded));
    } else if (fileSize == kEmailSetupFileSize && data.size() == fileSize) {
        Decoded<EmailSettings> decoded = DecodeEmailSetupFile(data);
        report.fields = SendingFields(decoded.record.Header, EmailTextLines(std::as_const(decoded.record)));
        Take(report, "email", std::move(decoded));
    } else {
        report.kind = "unknown";
        report.check.problems.push_back(std::to_string(fileSize)
                                        + " bytes is the size of no settings file (59, 960 or 840)");
    }
    return report;
}

} // namespace mms
