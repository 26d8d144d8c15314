#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mms {

// Texts reach the core as UTF-8. The camera reads one byte per character, Latin-1,
// and no control characters: U+0000..U+001F and U+007F..U+009F are refused.

// Why the camera cannot read `utf8` as typed, naming `field` and the first character
// it cannot read as U+XXXX; the empty text when it can.
std::string UnwritableTextReason(std::string_view field, std::string_view utf8);

// The camera's bytes of a text that UnwritableTextReason passed.
std::string ToCameraText(std::string_view utf8);
// Appends the camera's bytes of `utf8` to `latin1`; false, with `latin1` cut short,
// for a text that UnwritableTextReason refuses.
bool AppendCameraText(std::string_view utf8, std::string &latin1);

// A text read from a file (Latin-1 bytes) as UTF-8.
std::string FromCameraText(std::string_view latin1);

// True for a Latin-1 byte the camera's texts never hold.
bool IsControlCharacter(char32_t c);

// One code point from the front of `text`, which it consumes; none for a byte
// sequence that is not UTF-8 (overlong forms and surrogates included). `text` must
// not be empty.
std::optional<char32_t> NextCodePoint(std::string_view &text);

} // namespace mms
