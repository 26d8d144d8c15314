#pragma once

#include "catalogue/OperatorCatalogue.h"
#include "settings/Bytes.h"
#include "settings/Decoded.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace mms {

// The MMS and e-mail files (the Sending family) are made of 60-byte lines ending in
// CR LF: a header line, text lines, and a final line with the signature and the
// checksum of every line before it. This unit composes and reads every kind of line.

// Where the connection texts of the MMS and e-mail files come from.
enum class ConnectionMode { Auto, Manual };

// The first line of the MMS and e-mail files. Positions are those of the dialogs' lists.
struct SendingHeader {
    uint8_t Status = 1;             // Off, 800x600, VGA, SMS
    std::string NumberPerDay = "0"; // one or two digits; 0 means unlimited
    uint8_t DailyReportOnOff = 1;   // On, Off
    uint8_t DailyReportHour = 0;    // 0..23

    bool operator==(const SendingHeader &) const = default;
};

// The header's settings as the command line and inspect name them.
inline constexpr std::string_view kStatusName = "status";
inline constexpr std::string_view kStatusNames[] = {"off", "800x600", "vga", "sms"};
inline constexpr std::string_view kNumberPerDayName = "number-per-day";
inline constexpr std::string_view kDailyReportName = "daily-report"; // on, off
inline constexpr std::string_view kReportHourName = "report-hour";
inline constexpr int kReportHourMax = 23;

inline constexpr size_t kLineLength = 60;
inline constexpr size_t kTextLineCapacity = 50;
inline constexpr size_t kTextLineLengthByte = 57;
// The dialogs' fields hold at most what a line holds.
inline constexpr size_t kMaxTextLength = kTextLineCapacity;

using Line = std::array<uint8_t, kLineLength>;

// A text line holds one text; the e-mail file's sender name line is made from the
// sender address up to its first "@", with the length byte of the whole address.
enum class LineKind { Text, SenderName };

// One line of a file's layout between its header and its final line: the name under
// which the command line, inspect and error messages know it, and the record's UTF-8
// text it carries. `Text` is `const std::string` when composing, `std::string` when
// decoding.
template <typename Text>
struct SendingLine {
    std::string_view name;
    Text *text;
    LineKind kind = LineKind::Text;
};

// A text to compose into its line: its name and its UTF-8 text.
struct SendingText {
    std::string_view name;
    std::string_view text;
    LineKind kind = LineKind::Text;
};

// The texts of a record's lines, to compose them.
template <size_t N>
std::array<SendingText, N> TextsOf(const std::array<SendingLine<const std::string>, N> &lines)
{
    std::array<SendingText, N> texts;
    for (size_t i = 0; i < N; ++i)
        texts[i] = {lines[i].name, *lines[i].text, lines[i].kind};
    return texts;
}

// Why an Auto-mode record cannot be written: its operator is not in the catalogue.
std::string NotInCatalogueReason(std::string_view country, std::string_view operatorName);

// Auto mode: the first texts become the connection texts that `connectionOf` takes
// from the catalogue entry of the operator. False, with the reason, when the catalogue
// has no such operator.
template <typename Params, typename ConnectionOf>
bool TakeCatalogueTexts(const OperatorCatalogue<Params> &catalogue, std::string_view country,
                        std::string_view operatorName, ConnectionOf connectionOf, std::span<SendingText> texts,
                        std::string *error)
{
    const uint8_t op = catalogue.FindOperatorKey(MakeOperatorKey(country, operatorName));
    if (op == kCatalogueMiss) {
        if (error)
            *error = NotInCatalogueReason(country, operatorName);
        return false;
    }
    const auto connection = connectionOf(catalogue.ParamsOf(op));
    for (size_t i = 0; i < connection.size(); ++i)
        texts[i].text = connection[i];
    return true;
}

// Pieces of the lines, on the camera's bytes (Latin-1, one byte per character).
Line ComposeTextLine(std::string_view cameraText);
std::array<uint8_t, 2> ComposeNumberField(std::string_view digits);
Line ComposeSenderNameLine(std::string_view cameraSenderEmail);
Line ComposeHeaderLine(const SendingHeader &header);
Line ComposeFinalLine(uint32_t checksum);

// The whole file: the header, `lines` in order, the final line. None, with the
// reason, when a text is one the camera cannot read (see UnwritableTextReason).
std::optional<Bytes> ComposeSendingFile(const SendingHeader &header, std::span<const SendingText> lines,
                                        std::string *error);

// Reads a file of `fileSize` bytes back into `header` and the texts of `lines`, and
// reports what is wrong with it.
void DecodeSendingFile(ByteView file, size_t fileSize, SendingHeader &header,
                       std::span<const SendingLine<std::string>> lines, DecodeReport &report);

} // namespace mms
