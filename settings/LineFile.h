#pragma once

#include "SettingsFileWriter.h"

#include <QList>
#include <QString>

#include <optional>

// Where the connection texts of the MMS and e-mail files come from.
enum class ConnectionMode { Auto, Manual };

// The first line of the MMS and e-mail files. Positions are those of the dialogs' lists.
struct SendingHeader {
    uint8_t Status = 1;             // Off, 800x600, VGA, SMS
    QString NumberPerDay = QStringLiteral("0"); // one or two digits; 0 means unlimited
    uint8_t DailyReportOnOff = 1;   // On, Off
    uint8_t DailyReportHour = 0;    // 0..23
};

// A text bound for a text line, with the name under which errors mention it.
struct NamedText {
    QString name;
    QString text;
};

inline constexpr int kMaxTextLength = kTextLineCapacity;

// Why the camera could not read the text as typed (a character outside Latin-1 or a
// control character), or an empty text when it can.
QString UnwritableTextReason(const NamedText &text);

// The texts as the bytes of their lines, or none (with the reason) when one of them
// cannot be written faithfully.
std::optional<QList<QByteArray>> EncodeTexts(const QList<NamedText> &texts, QString *error);

void WriteHeaderLine(SettingsFileWriter &writer, const SendingHeader &header);
