#pragma once

// Windows takes names and texts as UTF-16; the program holds them as UTF-8 and
// converts where it meets the system.
#ifdef _WIN32

#include <optional>
#include <string>
#include <string_view>

namespace mms {

std::wstring WideFromUtf8(std::string_view utf8);
// Empty when `wide` is not UTF-16, as a lone surrogate in a file name is not.
std::optional<std::string> Utf8FromWide(std::wstring_view wide);

} // namespace mms

#endif
