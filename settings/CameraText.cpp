#include "settings/CameraText.h"

#include <cstdio>
#include <optional>

namespace mms {
namespace {

constexpr char32_t kLastLatin1 = 0xFF;

std::string CodePointName(char32_t c)
{
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", unsigned(c));
    return name;
}

void AppendUtf8(std::string &to, char32_t c)
{
    if (c < 0x80) {
        to += char(c);
        return;
    }
    // Latin-1 needs two bytes at most; wider code points never come from a file.
    to += char(0xC0 | (c >> 6));
    to += char(0x80 | (c & 0x3F));
}

} // namespace

std::optional<char32_t> NextCodePoint(std::string_view &text)
{
    const auto byte = [&text](size_t i) { return uint8_t(text[i]); };
    const uint8_t lead = byte(0);
    size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || length > text.size())
        return std::nullopt;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return std::nullopt;
        c = c << 6 | (byte(i) & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return std::nullopt;
    text.remove_prefix(length);
    return c;
}

bool IsControlCharacter(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

std::string UnwritableTextReason(std::string_view field, std::string_view utf8)
{
    constexpr std::string_view advice = ", which the camera cannot read; use letters, digits and signs of Western "
                                        "European text";
    while (!utf8.empty()) {
        const std::string_view rest = utf8;
        const std::optional<char32_t> c = NextCodePoint(utf8);
        if (!c)
            return std::string(field) + " is not valid UTF-8 text";
        if (IsControlCharacter(*c))
            return std::string(field) + " holds a control character (" + CodePointName(*c) + ")" + std::string(advice);
        if (*c > kLastLatin1) {
            const std::string_view character = rest.substr(0, rest.size() - utf8.size());
            return std::string(field) + " holds \"" + std::string(character) + "\" (" + CodePointName(*c) + ")"
                + std::string(advice);
        }
    }
    return {};
}

bool AppendCameraText(std::string_view utf8, std::string &latin1)
{
    while (!utf8.empty()) {
        // Plain ASCII, the common case, needs no decoding.
        const char next = utf8.front();
        if (next >= 0x20 && next < 0x7F) {
            latin1 += next;
            utf8.remove_prefix(1);
            continue;
        }
        const std::optional<char32_t> c = NextCodePoint(utf8);
        if (!c || IsControlCharacter(*c) || *c > kLastLatin1)
            return false;
        latin1 += char(*c);
    }
    return true;
}

std::string ToCameraText(std::string_view utf8)
{
    std::string latin1;
    AppendCameraText(utf8, latin1);
    return latin1;
}

std::string FromCameraText(std::string_view latin1)
{
    std::string utf8;
    for (char c : latin1)
        AppendUtf8(utf8, uint8_t(c));
    return utf8;
}

} // namespace mms
