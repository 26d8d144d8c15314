#include "cli/CliSupport.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/InspectOutput.h"

#include <algorithm>

namespace cli {
namespace {

constexpr std::string_view kJson = "json";

// Prints the report of one file; returns its exit status.
int InspectFile(const std::string &path, bool json)
{
    const std::optional<InspectedFile> file = ReadInspected(path);
    if (!file)
        return kExitUsage;
    PrintOut(json ? JsonLine(ReportObject(file->report, path)) : ReportText(file->report, path));
    return ReportStatus(file->report);
}

} // namespace

int RunInspectCommand(const std::vector<std::string> &arguments)
{
    CommandLine line("inspect",
                     "Decodes settings files, recognised by their size and trailer, and checks their signature and "
                     "checksum. Exit status 0 when every file is valid, 1 when one is not, 2 when one cannot be "
                     "read.\nTexts are unscrambled. The camera's scrambling is not one-to-one (\")\" and \"m\" give "
                     "the same byte, as do five more pairs): such a byte is shown as the letter, digit or sign that "
                     "the scrambling changes, since that is what an address or a number holds.");
    line.AddFlag(kJson, "Print one JSON object per file, one per line.");
    line.AddArguments("FILE", "Settings files to inspect.");
    if (!line.Parse(arguments))
        return kExitOk;
    if (line.Arguments().empty())
        throw UsageError("inspect needs at least one FILE");
    // Every file is reported; the status is the worst of them.
    int status = kExitOk;
    for (const std::string &path : line.Arguments())
        status = std::max(status, InspectFile(path, line.Has(kJson)));
    return status;
}

} // namespace cli
