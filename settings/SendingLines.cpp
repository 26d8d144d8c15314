#include "settings/SendingLines.h"

#include "settings/CameraText.h"
#include "settings/Scrambler.h"
#include "settings/SettingsFileWriter.h"

#include <algorithm>

// Lines of the MMS and e-mail files, 60 bytes each:
//
//  header line                 text line                    final line (not summed)
//   0      status               0..49  the text scrambled,   0..44  0x00
//   1..2   0xFF 0xFF                   then 0xFF             45..53 trailer signature
//   3..4   number field        50..56  0x00                 54..57 sum of every byte
//   5      daily report 0 On   57      length of the whole          before this line,
//   6      daily report hour           text, modulo 256             big-endian
//   7..49  0xFF                58..59  CR LF                58..59 CR LF
//  50..57  0x00 (no length)
//  58..59  CR LF
//
// A number field is two digit codes; a one-digit number gives 0xFF, then its code.
// The sender name line is a text line of the sender address up to its first "@",
// whose length byte counts the whole address.
namespace mms {
namespace {

constexpr uint8_t kFill = 0xFF;
constexpr size_t kHeaderNumberField = 3;
constexpr size_t kHeaderDailyReport = 5;
constexpr size_t kHeaderReportHour = 6;
constexpr size_t kHeaderFillFrom = 7;
constexpr size_t kLineZerosFrom = 50;
constexpr size_t kFinalSignatureOffset = 45;
constexpr size_t kFinalChecksumOffset = 54;
constexpr size_t kLineEnd = kLineLength - 2;

Line EmptyLine()
{
    Line line{};
    std::fill(line.begin(), line.begin() + kLineZerosFrom, kFill);
    line[kLineEnd] = 0x0D;
    line[kLineEnd + 1] = 0x0A;
    return line;
}

std::string_view BeforeAt(std::string_view address)
{
    return address.substr(0, address.find('@'));
}

std::string Unscrambled(ByteView bytes)
{
    std::string text;
    for (uint8_t b : bytes)
        text += char(UnscrambleChar(b));
    return text;
}

// The number a number field holds, as the text that composes back to it.
std::optional<std::string> NumberFieldText(uint8_t tens, uint8_t units)
{
    // A one-digit number and a leading zero both give 0xFF first, as "0" codes to 0xFF.
    const int high = DecodeDigit(tens);
    const int low = DecodeDigit(units);
    if (high < 0 || low < 0)
        return std::nullopt;
    return std::to_string(high * 10 + low);
}

void DecodeHeader(const Line &line, SendingHeader &header, std::vector<std::string> &problems)
{
    header.Status = line[0];
    header.DailyReportOnOff = line[kHeaderDailyReport];
    header.DailyReportHour = line[kHeaderReportHour];
    const auto invalid = [&problems](std::string_view name, int value) {
        problems.push_back(std::string(name) + " holds " + std::to_string(value) + ", which is not a valid value");
    };
    if (header.Status >= std::size(kStatusNames))
        invalid(kStatusName, header.Status);
    if (header.DailyReportOnOff > 1)
        invalid(kDailyReportName, header.DailyReportOnOff);
    if (header.DailyReportHour > kReportHourMax)
        invalid(kReportHourName, header.DailyReportHour);
    const std::optional<std::string> number = NumberFieldText(line[kHeaderNumberField], line[kHeaderNumberField + 1]);
    header.NumberPerDay = number.value_or("");
    if (!number)
        problems.push_back("the number per day is not coded as digits");
    Line expected = ComposeHeaderLine(header);
    std::copy_n(line.begin() + kHeaderNumberField, 2, expected.begin() + kHeaderNumberField);
    if (line != expected)
        problems.push_back("the header line's fixed bytes are wrong");
}

std::string DecodeTextLine(const Line &line, std::string_view name, std::vector<std::string> &problems)
{
    const size_t length = line[kTextLineLengthByte];
    const std::string text = Unscrambled(ByteView(line).first(std::min(length, kTextLineCapacity)));
    Line wellFormed = ComposeTextLine(text);
    wellFormed[kTextLineLengthByte] = uint8_t(length);
    const std::string utf8 = FromCameraText(text);
    if (length > kTextLineCapacity)
        problems.push_back("the line of " + std::string(name) + " counts " + std::to_string(length)
                           + " characters, more than a line holds");
    else if (line != wellFormed)
        problems.push_back("the line of " + std::string(name) + " is not a well-formed text line");
    else if (const std::string reason = UnwritableTextReason(name, utf8); !reason.empty())
        problems.push_back(reason);
    return utf8;
}

} // namespace

Line ComposeTextLine(std::string_view cameraText)
{
    Line line = EmptyLine();
    const size_t placed = std::min(cameraText.size(), kTextLineCapacity);
    for (size_t i = 0; i < placed; ++i)
        line[i] = ScrambleChar(uint8_t(cameraText[i]));
    line[kTextLineLengthByte] = uint8_t(cameraText.size() % 256);
    return line;
}

std::array<uint8_t, 2> ComposeNumberField(std::string_view digits)
{
    // A character that is no digit gets the "no digit" byte 0xFF.
    if (digits.empty())
        digits = "0";
    if (digits.size() == 1)
        return {kFill, EncodeDigit(uint8_t(digits[0]), kFill)};
    return {EncodeDigit(uint8_t(digits[0]), kFill), EncodeDigit(uint8_t(digits[1]), kFill)};
}

Line ComposeSenderNameLine(std::string_view cameraSenderEmail)
{
    Line line = ComposeTextLine(BeforeAt(cameraSenderEmail));
    line[kTextLineLengthByte] = uint8_t(cameraSenderEmail.size() % 256);
    return line;
}

Line ComposeHeaderLine(const SendingHeader &header)
{
    Line line = EmptyLine();
    line[0] = header.Status;
    const std::array<uint8_t, 2> number = ComposeNumberField(header.NumberPerDay);
    std::copy(number.begin(), number.end(), line.begin() + kHeaderNumberField);
    line[kHeaderDailyReport] = header.DailyReportOnOff;
    line[kHeaderReportHour] = header.DailyReportHour;
    return line;
}

Line ComposeFinalLine(uint32_t checksum)
{
    Line line{};
    std::copy(kTrailerSignature.begin(), kTrailerSignature.end(), line.begin() + kFinalSignatureOffset);
    const std::array<uint8_t, 4> sum = BigEndian32(checksum);
    std::copy(sum.begin(), sum.end(), line.begin() + kFinalChecksumOffset);
    line[kLineEnd] = 0x0D;
    line[kLineEnd + 1] = 0x0A;
    return line;
}

std::string NotInCatalogueReason(std::string_view country, std::string_view operatorName)
{
    // Appended rather than added up: g++ 12 for Windows warns of overlapping copies in
    // "text" + std::string (a false alarm, GCC bug 105329).
    std::string reason = "\"";
    reason.append(operatorName).append("\" of \"").append(country).append("\" is not in the operator catalogue");
    return reason;
}

std::optional<Bytes> ComposeSendingFile(const SendingHeader &header, std::span<const SendingText> lines,
                                        std::string *error)
{
    SettingsFileWriter writer((lines.size() + 2) * kLineLength);
    writer.WriteBlock(ComposeHeaderLine(header));
    std::string text; // one buffer for every line's camera bytes
    for (const SendingText &line : lines) {
        text.clear();
        // A sender name line is made of the address that its own text line names in
        // the error, after it.
        if (!AppendCameraText(line.text, text) && line.kind == LineKind::Text) {
            if (error)
                *error = UnwritableTextReason(line.name, line.text);
            return std::nullopt;
        }
        writer.WriteBlock(line.kind == LineKind::SenderName ? ComposeSenderNameLine(text) : ComposeTextLine(text));
    }
    writer.WriteUnsummed(ComposeFinalLine(writer.Checksum()));
    return writer.TakeContent();
}

void DecodeSendingFile(ByteView file, size_t fileSize, SendingHeader &header,
                       std::span<const SendingLine<std::string>> lines, DecodeReport &report)
{
    if (file.size() != fileSize) {
        report.problems.push_back(std::to_string(file.size()) + " bytes is not the size of this settings file ("
                                  + std::to_string(fileSize) + ")");
        return;
    }
    const auto lineAt = [&file](size_t index) {
        Line line;
        std::copy_n(file.begin() + index * kLineLength, kLineLength, line.begin());
        return line;
    };
    const size_t finalOffset = fileSize - kLineLength;
    const Line final = lineAt(finalOffset / kLineLength);
    report.signatureOk =
        std::equal(kTrailerSignature.begin(), kTrailerSignature.end(), final.begin() + kFinalSignatureOffset);
    report.checksumOk =
        ReadBigEndian32(ByteView(final).subspan(kFinalChecksumOffset)) == ByteSum(file.first(finalOffset));
    if (!report.signatureOk)
        report.problems.push_back("the trailer signature is wrong");
    if (!report.checksumOk)
        report.problems.push_back("the checksum does not match the content");
    DecodeHeader(lineAt(0), header, report.problems);
    // Text lines first: a sender name line is checked against the address after it.
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == LineKind::Text)
            *lines[i].text = DecodeTextLine(lineAt(1 + i), lines[i].name, report.problems);
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == LineKind::SenderName
            && lineAt(1 + i) != ComposeSenderNameLine(ToCameraText(*lines[i].text)))
            report.problems.push_back("the sender name line does not match the sender address");
    }
    Line emptyFinal = ComposeFinalLine(0);
    std::copy(final.begin() + kFinalSignatureOffset, final.begin() + kLineEnd,
              emptyFinal.begin() + kFinalSignatureOffset);
    if (final != emptyFinal)
        report.problems.push_back("the final line's fixed bytes are wrong");
}

} // namespace mms
