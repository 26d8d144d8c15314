#include "cli/OptionValues.h"

#include "cli/CliSupport.h"
#include "settings/CameraFields.h"
#include "settings/CameraText.h"
#include "settings/SendingLines.h"

#include <algorithm>
#include <charconv>

namespace cli {
namespace {

bool SameIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, {}, AsciiUpper, AsciiUpper);
}

} // namespace

std::string Joined(std::span<const std::string_view> names, std::string_view separator)
{
    std::string joined;
    for (const std::string_view name : names)
        joined.append(joined.empty() ? "" : separator).append(name);
    return joined;
}

bool IsAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

char AsciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

uint8_t ChoiceValue(const CommandLine &line, std::string_view option, std::span<const std::string_view> choices,
                    uint8_t fallback)
{
    const std::optional<std::string> value = line.Value(option);
    if (!value)
        return fallback;
    const auto choice =
        std::ranges::find_if(choices, [&value](std::string_view c) { return SameIgnoringAsciiCase(c, *value); });
    if (choice == choices.end())
        throw UsageError(OptionName(option) + " must be one of " + Joined(choices, ", ") + ", not " + Quoted(*value));
    return uint8_t(choice - choices.begin());
}

int NumberValue(const CommandLine &line, std::string_view option, int min, int max, int fallback)
{
    const std::optional<std::string> value = line.Value(option);
    if (!value)
        return fallback;
    int number = 0;
    const char *end = value->data() + value->size();
    const std::from_chars_result read = std::from_chars(value->data(), end, number);
    if (read.ec != std::errc() || read.ptr != end || number < min || number > max)
        throw UsageError(OptionName(option) + " must be a whole number from " + std::to_string(min) + " to "
                         + std::to_string(max) + ", not " + Quoted(*value));
    return number;
}

uint8_t SwitchValue(const CommandLine &line, std::string_view option, const std::vector<std::string> &governed,
                    uint8_t fallback)
{
    const uint8_t onOff = ChoiceValue(line, option, mms::kOnOffNames, fallback);
    for (const std::string &governedOption : governed) {
        if (onOff != kSwitchOn && line.Has(governedOption))
            throw UsageError(OptionName(governedOption) + " needs " + OptionName(option) + " on");
    }
    return onOff;
}

std::string TextValue(const CommandLine &line, std::string_view option)
{
    const std::string text = line.Value(option).value_or("");
    const std::string name = OptionName(option);
    if (const std::string reason = mms::UnwritableTextReason(name, text); !reason.empty())
        throw UsageError(reason);
    if (const size_t length = mms::ToCameraText(text).size(); length > mms::kMaxTextLength)
        throw UsageError(name + " is " + std::to_string(length) + " characters long; the camera keeps only "
                         + std::to_string(mms::kMaxTextLength));
    return text;
}

std::string SwitchHelp(uint8_t fallback)
{
    return Joined(mms::kOnOffNames, "|") + " (default " + std::string(mms::kOnOffNames[fallback]) + ")";
}

} // namespace cli
