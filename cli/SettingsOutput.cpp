#include "cli/SettingsOutput.h"

#include "cli/AdviceOutput.h"
#include "cli/CardFolder.h"
#include "cli/CliSupport.h"
#include "settings/FileAccess.h"
#include "settings/SettingsFileReport.h"

namespace cli {
namespace {

constexpr std::string_view kFrom = "from";
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

// The folder that holds the file at `path`.
std::string FolderOf(const std::string &path)
{
    const size_t end = path.find_last_of(kSeparator == '/' ? "/" : "/\\");
    if (end == std::string::npos)
        return ".";
    return end == 0 ? path.substr(0, 1) : path.substr(0, end);
}

// The record's advice, then what the card in `folder` says as a whole now that the
// file is on it: stray copies, files that contradict each other.
std::vector<mms::Advice> WithCardAdvice(std::vector<mms::Advice> advice, const std::string &folder)
{
    for (mms::Advice &item : mms::AdviseCardAsWhole(ReadCardFolder(folder))) {
        item.file = PathIn(folder, item.file);
        advice.push_back(std::move(item));
    }
    return advice;
}

} // namespace

void AddFromOption(CommandLine &line, std::string_view kind)
{
    line.AddValue(kFrom, "FILE",
                  "Start from the " + std::string(KindTitle(kind)) + " in FILE: every option given replaces one "
                      + "value, the others keep the file's. --out defaults to FILE's folder.");
}

std::optional<mms::Bytes> FromFile(const CommandLine &line, std::string_view kind)
{
    const std::optional<std::string> path = line.Value(kFrom);
    if (!path)
        return std::nullopt;
    mms::FileContent content;
    std::string reason;
    if (!mms::ReadRegularFile(*path, mms::kLargestSettingsFile + 1, content, &reason))
        throw UsageError("cannot read " + *path + ": " + reason);
    const mms::SettingsFileReport report = mms::InspectSettingsFile(content.bytes, content.size);
    if (report.kind == "unknown")
        throw UsageError(*path + " is not a settings file: " + report.check.problems.front());
    if (report.kind != kind)
        throw UsageError(*path + " holds " + std::string(KindTitle(report.kind)) + ", not "
                         + std::string(KindTitle(kind)));
    if (!report.check.Valid()) {
        std::string problems;
        for (const std::string &problem : report.check.problems)
            problems += (problems.empty() ? "" : "; ") + problem;
        throw FailedError(*path + " is damaged: " + problems);
    }
    return content.bytes;
}

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

int EmitSettingsFile(const CommandLine &line, std::string_view fileName, mms::ByteView content,
                     const std::vector<mms::Advice> &advice)
{
    const std::optional<std::string> from = line.Value(kFrom);
    const std::string out = line.Value(kOut).value_or(from ? FolderOf(*from) : ".");
    if (out.empty())
        throw UsageError(OptionName(kOut) + " needs a folder, or " + std::string(kStandardOutput)
                         + " for standard output");
    if (out == kStandardOutput) {
        WriteStdout(content);
        PrintAdvice(line, advice);
        return kExitOk;
    }
    const std::string path = PathIn(out, fileName);
    std::string reason;
    if (!mms::ReplaceFile(path, content, &reason)) {
        PrintError("cannot write " + path + ": " + reason);
        return kExitFailed;
    }
    PrintOut("wrote " + Printable(path) + '\n');
    PrintAdvice(line, WithCardAdvice(advice, out));
    return kExitOk;
}

} // namespace cli
