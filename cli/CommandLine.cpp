#include "cli/CommandLine.h"

#include "cli/CliSupport.h"

#include <CLI/CLI.hpp>

#include <algorithm>

namespace cli {
namespace {

constexpr std::string_view kOptionsEnd = "--";

bool LooksLikeOption(std::string_view argument)
{
    return argument.size() > kOptionsEnd.size() && argument.starts_with(kOptionsEnd);
}

} // namespace

struct CommandLine::Parser {
    CLI::App app;
    std::vector<std::string> valueOptions;
    std::vector<std::string> flags;
    std::vector<std::string> arguments;
    CLI::Option *argumentsOption = nullptr;

    const CLI::Option *Find(std::string_view name) const { return app.get_option_no_throw(OptionName(name)); }
    bool TakesValue(std::string_view name) const { return std::ranges::find(valueOptions, name) != valueOptions.end(); }
    bool IsFlag(std::string_view name) const { return std::ranges::find(flags, name) != flags.end(); }
    std::vector<std::string> Normalised(const std::vector<std::string> &given) const;
    void TakeRemaining();
    void RefuseRepeated() const;
};

// CLI11 2.1.2 reads "--url=" as "--url" with the next argument for its value, and
// takes any argument after an option as its value, "--out" too. So it is given every
// value as the argument after its option, and only a value the caller wrote.
std::vector<std::string> CommandLine::Parser::Normalised(const std::vector<std::string> &given) const
{
    std::vector<std::string> normalised;
    for (auto argument = given.begin(); argument != given.end(); ++argument) {
        if (*argument == kOptionsEnd) {
            normalised.insert(normalised.end(), argument, given.end());
            break;
        }
        const size_t equals = argument->find('=');
        const std::string name = LooksLikeOption(*argument) ? argument->substr(2, equals - 2) : std::string();
        if (IsFlag(name) && equals != std::string::npos)
            throw UsageError(OptionName(name) + " takes no value");
        if (!TakesValue(name)) {
            normalised.push_back(*argument);
            continue;
        }
        normalised.push_back(OptionName(name));
        if (equals != std::string::npos)
            normalised.push_back(argument->substr(equals + 1));
        else if (argument + 1 != given.end() && !LooksLikeOption(argument[1]))
            normalised.push_back(*++argument);
        else
            throw UsageError(OptionName(name) + " needs a value");
    }
    return normalised;
}

// What CLI11 did not take: unknown options, refused, and the arguments of a command
// that shows none in its help.
void CommandLine::Parser::TakeRemaining()
{
    const std::vector<std::string> remaining = app.remaining();
    for (const std::string &extra : remaining) {
        if (extra.size() > 1 && extra.front() == '-' && extra != kOptionsEnd)
            throw UsageError("unknown option " + Quoted(extra));
    }
    std::ranges::copy_if(remaining, std::back_inserter(arguments),
                         [](const std::string &extra) { return extra != kOptionsEnd; });
}

void CommandLine::Parser::RefuseRepeated() const
{
    for (const CLI::Option *option : app.get_options()) {
        if (option != argumentsOption && option->count() > 1)
            throw UsageError(option->get_name() + " is given more than once");
    }
}

CommandLine::CommandLine(std::string_view command, std::string description) : m_parser(std::make_unique<Parser>())
{
    CLI::App &app = m_parser->app;
    app.name("mms-setup-cli " + std::string(command));
    app.description(std::move(description));
    app.set_help_flag("-h,--help", "Show this help.");
    m_parser->flags.emplace_back("help");
    app.allow_extras();
}

CommandLine::~CommandLine() = default;

void CommandLine::AddValue(std::string_view name, std::string_view placeholder, std::string help)
{
    m_parser->app.add_option(OptionName(name))
        ->description(std::move(help))
        ->type_name(std::string(placeholder))
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    m_parser->valueOptions.emplace_back(name);
}

void CommandLine::AddFlag(std::string_view name, std::string help)
{
    m_parser->app.add_flag(OptionName(name))->description(std::move(help));
    m_parser->flags.emplace_back(name);
}

void CommandLine::AddArguments(std::string_view placeholder, std::string help)
{
    m_parser->argumentsOption = m_parser->app.add_option(std::string(placeholder), m_parser->arguments)
                                    ->description(std::move(help))
                                    ->type_name("");
}

bool CommandLine::Parse(const std::vector<std::string> &arguments)
{
    Parser &parser = *m_parser;
    // CLI11 takes its arguments last first.
    std::vector<std::string> reversed = parser.Normalised(arguments);
    std::reverse(reversed.begin(), reversed.end());
    try {
        parser.app.parse(reversed);
    } catch (const CLI::CallForHelp &) {
        PrintOut(parser.app.help());
        return false;
    } catch (const CLI::ParseError &error) {
        throw UsageError(error.what());
    }
    parser.TakeRemaining();
    parser.RefuseRepeated();
    return true;
}

bool CommandLine::Has(std::string_view name) const
{
    return m_parser->Find(name)->count() > 0;
}

std::optional<std::string> CommandLine::Value(std::string_view name) const
{
    const CLI::Option *option = m_parser->Find(name);
    if (option->count() == 0)
        return std::nullopt;
    return option->results().front();
}

const std::vector<std::string> &CommandLine::Arguments() const
{
    return m_parser->arguments;
}

} // namespace cli
