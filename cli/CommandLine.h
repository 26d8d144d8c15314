#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// The options of one command, parsed by CLI11. Only CommandLine.cpp includes CLI11,
// which is heavy to compile. Names are given without their leading "--".
//
// Every option is given at most once. A value follows its option as the next
// argument or after "=", and may be empty either way ("--url=", "--url ''"); a value
// that begins with "--" is taken only after "=", so that an option whose value was
// left out is reported rather than swallowing the next option.
class CommandLine {
public:
    CommandLine(std::string_view command, std::string description);
    ~CommandLine();

    void AddValue(std::string_view name, std::string_view placeholder, std::string help);
    void AddFlag(std::string_view name, std::string help);
    // Shows the arguments that are not options in the help. Without it they are still
    // collected, for the command to refuse.
    void AddArguments(std::string_view placeholder, std::string help);

    // Parses the arguments after the command's name; throws UsageError. False when
    // --help was asked for: the help is printed then.
    bool Parse(const std::vector<std::string> &arguments);

    bool Has(std::string_view name) const;
    std::optional<std::string> Value(std::string_view name) const;
    const std::vector<std::string> &Arguments() const;

private:
    struct Parser;
    std::unique_ptr<Parser> m_parser;
};

} // namespace cli
