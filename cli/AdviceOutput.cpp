#include "cli/AdviceOutput.h"

#include "cli/CliSupport.h"

namespace cli {
namespace {

constexpr std::string_view kQuiet = "quiet";

} // namespace

void AddQuietOption(CommandLine &line)
{
    line.AddFlag(kQuiet,
                 "Show only warnings (what will not work), not notices (what may not, or will stop on a "
                 "known date).");
}

bool Shown(const CommandLine &line, const mms::Advice &item)
{
    return item.severity == mms::AdviceSeverity::Warning || !line.Has(kQuiet);
}

std::string AdviceLine(const mms::Advice &item)
{
    std::string text = std::string(mms::SeverityName(item.severity)) + ": ";
    if (!item.file.empty())
        text += item.file + ": ";
    if (!item.field.empty())
        text += OptionName(item.field) + ": ";
    text += item.sentence;
    if (!item.source.empty())
        text += " (source: " + item.source + ")";
    // A sentence quotes what the user typed or a file held: it must not drive the terminal.
    return Printable(text) + '\n';
}

void PrintAdvice(const CommandLine &line, const std::vector<mms::Advice> &advice)
{
    std::string text;
    for (const mms::Advice &item : advice) {
        if (Shown(line, item))
            text += AdviceLine(item);
    }
    PrintDiagnostics(text);
}

nlohmann::json AdviceJson(const mms::Advice &item)
{
    return {{"severity", mms::SeverityName(item.severity)},
            {"file", item.file},
            {"field", item.field},
            {"sentence", item.sentence},
            {"source", item.source}};
}

} // namespace cli
