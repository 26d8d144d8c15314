#include "cli/SettingsOutput.h"

#include "cli/CliSupport.h"
#include "settings/FileAccess.h"

namespace cli {
namespace {

constexpr std::string_view kOut = "out";
constexpr std::string_view kStandardOutput = "-";
#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

// The folder's name is passed on as given: on POSIX it is bytes, not necessarily UTF-8.
std::string PathIn(const std::string &folder, std::string_view fileName)
{
    const bool separated = folder.back() == '/' || folder.back() == kSeparator;
    return folder + (separated ? "" : std::string(1, kSeparator)) + std::string(fileName);
}

} // namespace

void AddOutOption(CommandLine &line)
{
    line.AddValue(kOut, "DIR",
                  "Folder to write into (default: the current folder); \"-\" writes the file to standard output.");
}

void RefuseFileNames(const CommandLine &line, std::string_view command)
{
    if (!line.Arguments().empty())
        throw UsageError(std::string(command) + " takes no file names; use --out DIR");
}

int EmitSettingsFile(const CommandLine &line, std::string_view fileName, mms::ByteView content)
{
    const std::string out = line.Value(kOut).value_or(".");
    if (out.empty())
        throw UsageError(OptionName(kOut) + " needs a folder, or " + std::string(kStandardOutput)
                         + " for standard output");
    if (out == kStandardOutput) {
        WriteStdout(content);
        return kExitOk;
    }
    const std::string path = PathIn(out, fileName);
    std::string reason;
    if (!mms::ReplaceFile(path, content, &reason)) {
        PrintError("cannot write " + path + ": " + reason);
        return kExitFailed;
    }
    PrintOut("wrote " + Printable(path) + '\n');
    return kExitOk;
}

} // namespace cli
