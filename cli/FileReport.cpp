#include "FileReport.h"

#include "CameraFields.h"
#include "CameraSettings.h"
#include "EmailSettings.h"
#include "MmsSettings.h"
#include "Scrambler.h"
#include "SettingsFileWriter.h"

#include <QJsonArray>

namespace {

constexpr int kCameraSignatureOffset = 46;
constexpr int kCameraChecksumOffset = 55;
constexpr int kSignatureInFinalLine = 45;
constexpr int kChecksumInFinalLine = 54;

uint32_t ReadBigEndian32(QByteArrayView bytes)
{
    uint32_t value = 0;
    for (char b : bytes.first(4))
        value = value << 8 | uint8_t(b);
    return value;
}

bool SignatureAt(QByteArrayView data, int offset)
{
    return data.sliced(offset, 9)
        == QByteArrayView(reinterpret_cast<const char *>(kTrailerSignature.data()), kTrailerSignature.size());
}

class CameraDecoder {
public:
    CameraDecoder(const CameraSettings &s, InspectReport &report) : m_s(s), m_report(report) {}

    void Decode()
    {
        for (const CameraChoiceField &field : CameraChoiceFields())
            Choice(field.option, m_s.*field.member, field.names);
        Number(QStringLiteral("image-burst"), m_s.ImageBurst, kImageBurstMax - 1, 1);
        Clock();
        for (const CameraGroup &group : CameraNumberGroups()) {
            OnOff(group.option, m_s.*group.onOff);
            for (const CameraNumberField &number : group.numbers)
                Number(number.option, m_s.*number.member, number.max, 0);
        }
        OnOff(QStringLiteral("serial-no"), m_s.SerialNoOnOff);
        Serial();
        OnOff(QStringLiteral("timer"), m_s.TimerOnOff);
        for (int i = 0; i < 4; ++i)
            Timer(i);
    }

private:
    void Add(const QString &name, const QJsonValue &value) { m_report.fields.append({name, value}); }
    void Invalid(const QString &name, int value)
    {
        m_report.problems << QStringLiteral("%1 holds %2, which is not a valid value").arg(name).arg(value);
        Add(name, value);
    }

    void Choice(const QString &name, uint8_t value, const QStringList &names)
    {
        if (value < names.size())
            Add(name, names[value]);
        else
            Invalid(name, value);
    }
    void OnOff(const QString &name, uint8_t value)
    {
        Choice(name, value, {QStringLiteral("on"), QStringLiteral("off")});
    }
    void Number(const QString &name, uint8_t value, int max, int shown)
    {
        if (value <= max)
            Add(name, value + shown);
        else
            Invalid(name, value);
    }
    void Clock()
    {
        const bool valid = m_s.Month >= 1 && m_s.Month <= 12 && m_s.Day >= 1 && m_s.Day <= 31 && m_s.Hour <= 23
            && m_s.Minute <= 59 && m_s.Second <= 59;
        const QString text = QStringLiteral("%1-%2-%3 %4:%5:%6")
                                 .arg(m_s.Year, 4, 10, QLatin1Char('0'))
                                 .arg(m_s.Month, 2, 10, QLatin1Char('0'))
                                 .arg(m_s.Day, 2, 10, QLatin1Char('0'))
                                 .arg(m_s.Hour, 2, 10, QLatin1Char('0'))
                                 .arg(m_s.Minute, 2, 10, QLatin1Char('0'))
                                 .arg(m_s.Second, 2, 10, QLatin1Char('0'));
        if (!valid)
            m_report.problems << QStringLiteral("clock %1 is not a valid time").arg(text);
        Add(QStringLiteral("clock"), text);
    }
    void Serial()
    {
        QString serial;
        for (uint8_t position : m_s.SerialNoChar) {
            if (position >= kSerialCharCount) {
                Invalid(QStringLiteral("serial"), position);
                return;
            }
            serial += SerialCharAt(position);
        }
        Add(QStringLiteral("serial"), serial);
    }
    void Timer(int i)
    {
        const TimerPeriod &p = m_s.Timer[i];
        const QString name = QStringLiteral("timer%1").arg(i + 1);
        if (p.StartHour > 23 || p.StartMinute > 59 || p.EndHour > 23 || p.EndMinute > 59)
            m_report.problems << QStringLiteral("%1 is not a valid period").arg(name);
        Add(name, TimerPeriodText(p));
    }

    const CameraSettings &m_s;
    InspectReport &m_report;
};

void InspectCamera(QByteArrayView data, InspectReport &report)
{
    report.kind = QStringLiteral("camera");
    report.signatureOk = SignatureAt(data, kCameraSignatureOffset);
    report.checksumOk = ReadBigEndian32(data.sliced(kCameraChecksumOffset)) == ByteSum(data.first(kCameraChecksumOffset));
    CameraDecoder(DecodeCameraSetupFile(data), report).Decode();
}

// Reads the lines of the MMS and e-mail files back: the header, text lines, the
// sender name line and the final line.
class LineFileDecoder {
public:
    LineFileDecoder(QByteArrayView data, InspectReport &report) : m_data(data), m_report(report) {}

    void Header()
    {
        const QByteArrayView line = Line(0);
        const uint8_t status = uint8_t(line[0]);
        const QStringList statuses = {QStringLiteral("off"), QStringLiteral("800x600"), QStringLiteral("vga"),
                                      QStringLiteral("sms")};
        Add(QStringLiteral("status"), status < statuses.size() ? QJsonValue(statuses[status]) : Invalid(status));
        Add(QStringLiteral("number-per-day"), NumberPerDay(uint8_t(line[3]), uint8_t(line[4])));
        const uint8_t report = uint8_t(line[5]);
        Add(QStringLiteral("daily-report"), report <= 1 ? QJsonValue(report == 0 ? "on" : "off") : Invalid(report));
        const uint8_t hour = uint8_t(line[6]);
        Add(QStringLiteral("report-hour"), hour <= 23 ? QJsonValue(hour) : Invalid(hour));
        if (line.sliced(1, 2) != "\xFF\xFF" || line.sliced(7) != ComposeTextLine("").sliced(7)
            || line[kTextLineLengthByte] != 0)
            m_report.problems << QStringLiteral("the header line's fixed bytes are wrong");
    }

    void Text(int lineIndex, const QString &name)
    {
        const QByteArrayView line = Line(lineIndex);
        const int length = uint8_t(line[kTextLineLengthByte]);
        const QByteArrayView placed = line.first(std::min(length, kTextLineCapacity));
        const QString text = Unscrambled(placed);
        Add(name, text);
        QByteArray wellFormed = ComposeTextLine(text.toLatin1());
        wellFormed[kTextLineLengthByte] = char(length);
        if (line != wellFormed)
            m_report.problems << QStringLiteral("the line of %1 is not a well-formed text line").arg(name);
    }

    // The address up to its "@": the camera's name for the sender.
    void SenderName(int lineIndex)
    {
        const QByteArrayView line = Line(lineIndex).first(kTextLineCapacity);
        const qsizetype end = line.indexOf('\xFF');
        Add(QStringLiteral("sender-name"), Unscrambled(end < 0 ? line : line.first(end)));
    }

    void FinalLine()
    {
        const QByteArrayView line = m_data.last(kLineLength);
        if (line.first(kSignatureInFinalLine) != QByteArray(kSignatureInFinalLine, '\0') || !line.endsWith("\r\n"))
            m_report.problems << QStringLiteral("the final line's fixed bytes are wrong");
    }

private:
    QByteArrayView Line(int index) const { return m_data.sliced(index * kLineLength, kLineLength); }
    void Add(const QString &name, const QJsonValue &value) { m_report.fields.append({name, value}); }
    QJsonValue Invalid(int value)
    {
        m_report.problems << QStringLiteral("the header holds %1, which is not a valid value").arg(value);
        return value;
    }

    static int DigitOf(uint8_t code)
    {
        const int complement = 255 - code;
        return complement % 16 == 0 && complement / 16 <= 9 ? complement / 16 : -1;
    }

    QJsonValue NumberPerDay(uint8_t tens, uint8_t units)
    {
        // A one-digit number and a leading zero both give 0xFF first, as "0" codes to 0xFF.
        const int high = DigitOf(tens);
        const int low = DigitOf(units);
        if (high < 0 || low < 0) {
            m_report.problems << QStringLiteral("the number per day is not coded as digits");
            return QJsonValue::Null;
        }
        return high * 10 + low;
    }

    static QString Unscrambled(QByteArrayView bytes)
    {
        QByteArray text;
        for (char b : bytes)
            text += char(UnscrambleChar(uint8_t(b)));
        return QString::fromLatin1(text);
    }

    QByteArrayView m_data;
    InspectReport &m_report;
};

void InspectLineFile(QByteArrayView data, const QString &kind, InspectReport &report)
{
    report.kind = kind;
    const qsizetype finalLine = data.size() - kLineLength;
    report.signatureOk = SignatureAt(data, int(finalLine + kSignatureInFinalLine));
    report.checksumOk = ReadBigEndian32(data.sliced(finalLine + kChecksumInFinalLine)) == ByteSum(data.first(finalLine));
}

void InspectMms(QByteArrayView data, InspectReport &report)
{
    InspectLineFile(data, QStringLiteral("mms"), report);
    LineFileDecoder decoder(data, report);
    decoder.Header();
    const QStringList texts = {QStringLiteral("url"),     QStringLiteral("apn"),     QStringLiteral("gateway"),
                               QStringLiteral("port"),    QStringLiteral("account"), QStringLiteral("password"),
                               QStringLiteral("mobile1"), QStringLiteral("mobile2"), QStringLiteral("mobile3"),
                               QStringLiteral("mobile4"), QStringLiteral("email1"),  QStringLiteral("email2"),
                               QStringLiteral("email3"),  QStringLiteral("email4")};
    for (int i = 0; i < texts.size(); ++i)
        decoder.Text(1 + i, texts[i]);
    decoder.FinalLine();
}

void InspectEmail(QByteArrayView data, InspectReport &report)
{
    InspectLineFile(data, QStringLiteral("email"), report);
    LineFileDecoder decoder(data, report);
    decoder.Header();
    const QStringList texts = {QStringLiteral("apn"),         QStringLiteral("account"), QStringLiteral("password"),
                               QStringLiteral("smtp-server"), QStringLiteral("smtp-port")};
    for (int i = 0; i < texts.size(); ++i)
        decoder.Text(1 + i, texts[i]);
    decoder.SenderName(6);
    const QStringList after = {QStringLiteral("sender"), QStringLiteral("sender-password"), QStringLiteral("email1"),
                               QStringLiteral("email2"), QStringLiteral("email3"),          QStringLiteral("email4")};
    for (int i = 0; i < after.size(); ++i)
        decoder.Text(7 + i, after[i]);
    decoder.FinalLine();
}

} // namespace

InspectReport InspectSettingsFile(QByteArrayView data)
{
    InspectReport report;
    switch (data.size()) {
    case kCameraSetupFileSize:
        InspectCamera(data, report);
        break;
    case kMmsSetupFileSize:
        InspectMms(data, report);
        break;
    case kEmailSetupFileSize:
        InspectEmail(data, report);
        break;
    default:
        report.kind = QStringLiteral("unknown");
        report.problems << QStringLiteral("%1 bytes is the size of no settings file (59, 960 or 840)").arg(data.size());
    }
    return report;
}

QJsonObject InspectReport::ToJson() const
{
    QJsonObject object{{QStringLiteral("kind"), kind},
                       {QStringLiteral("valid"), Valid()},
                       {QStringLiteral("signature_ok"), signatureOk},
                       {QStringLiteral("checksum_ok"), checksumOk},
                       {QStringLiteral("problems"), QJsonArray::fromStringList(problems)}};
    for (const InspectedField &field : fields)
        object.insert(field.name, field.value);
    return object;
}

QString InspectReport::ToText() const
{
    QString text;
    if (kind != QLatin1String("unknown")) {
        text += QStringLiteral("  signature: %1\n  checksum: %2\n")
                    .arg(signatureOk ? QStringLiteral("ok") : QStringLiteral("WRONG"),
                         checksumOk ? QStringLiteral("ok") : QStringLiteral("WRONG"));
    }
    for (const InspectedField &field : fields)
        text += QStringLiteral("  %1: %2\n").arg(field.name, field.value.toVariant().toString());
    for (const QString &problem : problems)
        text += QStringLiteral("  problem: %1\n").arg(problem);
    return text;
}
