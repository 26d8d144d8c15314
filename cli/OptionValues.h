#pragma once

#include "cli/CommandLine.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// The options' values as the core takes them, each refused with a usage error that
// names the option and quotes the value.

// "a|b|c" with separator "|".
std::string Joined(std::span<const std::string_view> names, std::string_view separator);

bool IsAsciiDigit(char c);

// A capital for an ASCII letter; any other byte, UTF-8 ones included, stays as it is.
char AsciiUpper(char c);

// The position of the option's value in `choices`, compared without regard to the
// case of ASCII letters; `fallback` when the option is not given.
uint8_t ChoiceValue(const CommandLine &line, std::string_view option, std::span<const std::string_view> choices,
                    uint8_t fallback);

// A whole number in [min, max]; `fallback` when the option is not given.
int NumberValue(const CommandLine &line, std::string_view option, int min, int max, int fallback);

// The option's text, refused when the camera cannot read it or would keep only part
// of it; the empty text when the option is not given.
std::string TextValue(const CommandLine &line, std::string_view option);

// The byte an on/off switch stores for On: the position of "on" in mms::kOnOffNames.
inline constexpr uint8_t kSwitchOn = 0;

// The byte of an on/off switch. The options it governs are refused while it is off,
// as their values would be dropped.
uint8_t SwitchValue(const CommandLine &line, std::string_view option, const std::vector<std::string> &governed,
                    uint8_t fallback);

// The help of an on/off switch: "on|off (default off)".
std::string SwitchHelp(uint8_t fallback);

} // namespace cli
