#include "LineFile.h"

// Header line of the MMS and e-mail files (60 bytes):
//
//  bytes   content
//   0      status
//   1..2   0xFF 0xFF
//   3..4   number field of the number per day
//   5      daily report switch, 0 On, 1 Off
//   6      daily report hour
//   7..49  0xFF
//  50..57  0x00 (no length byte, unlike a text line)
//  58..59  CR LF
namespace {

constexpr int kHeaderFillFrom = 7;
constexpr int kHeaderZerosFrom = 50;

QByteArray HeaderTail()
{
    QByteArray tail(kHeaderZerosFrom - kHeaderFillFrom, char(0xFF));
    tail += QByteArray(kLineLength - 2 - kHeaderZerosFrom, '\0');
    tail += "\r\n";
    return tail;
}

} // namespace

QString UnwritableTextReason(const NamedText &text)
{
    for (const QChar c : text.text) {
        if (c.unicode() < 0x20 || c.unicode() > 0xFF)
            return QStringLiteral("%1 holds %2, which the camera cannot read; use letters, digits and signs "
                                  "of Western European text")
                .arg(text.name,
                     c.unicode() < 0x20 ? QStringLiteral("a control character (U+%1)")
                                              .arg(c.unicode(), 4, 16, QLatin1Char('0'))
                                        : QStringLiteral("\"%1\"").arg(c));
    }
    return QString();
}

std::optional<QList<QByteArray>> EncodeTexts(const QList<NamedText> &texts, QString *error)
{
    QList<QByteArray> encoded;
    for (const NamedText &text : texts) {
        const QString reason = UnwritableTextReason(text);
        if (!reason.isEmpty()) {
            if (error)
                *error = reason;
            return std::nullopt;
        }
        encoded << text.text.toLatin1();
    }
    return encoded;
}

void WriteHeaderLine(SettingsFileWriter &writer, const SendingHeader &header)
{
    writer.WriteBlock(Bytes({header.Status, 0xFF, 0xFF}));
    writer.WriteNumberField(header.NumberPerDay.toLatin1());
    writer.WriteBlock(Bytes({header.DailyReportOnOff, header.DailyReportHour}));
    writer.WriteBlock(HeaderTail());
}
