// check: what is on a card, read with the core's decoders, and everything that will
// not work once it is in the camera.
#include "cli/AdviceOutput.h"
#include "cli/CardFolder.h"
#include "cli/CliSupport.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/InspectOutput.h"

#include <algorithm>
#include <filesystem>
#include <map>

namespace cli {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kJson = "json";

// What one argument names: a folder, or the files given one by one.
struct Card {
    std::string label;                          // the argument as given
    std::map<std::string, std::string> pathsOf; // file name -> path, every file of the card
    std::vector<std::string> inspected;         // names of the files to decode and check
};

// A folder's settings files are inspected; stray copies of them are only named.
Card FolderCard(const std::string &folder)
{
    std::error_code error;
    Card card{folder, SettingsFilesIn(folder, error), {}};
    if (error)
        throw UsageError("cannot read the folder " + folder + ": " + error.message());
    for (const auto &[name, path] : card.pathsOf) {
        if (mms::IsSettingsFileName(name))
            card.inspected.push_back(name);
    }
    return card;
}

Card FileCard(const std::string &path)
{
    const std::string name = fs::path(path).filename().string();
    return {path, {{name, path}}, {name}};
}

// Prints what is on the card and its advice; returns the exit status.
int CheckCard(const CommandLine &line, const Card &card)
{
    int status = kExitOk;
    std::vector<mms::CardFile> files;
    std::string text;
    nlohmann::json reports = nlohmann::json::array();
    for (const auto &[name, path] : card.pathsOf) {
        if (std::ranges::find(card.inspected, name) == card.inspected.end()) {
            files.push_back({name, {}});
            continue;
        }
        const std::optional<InspectedFile> file = ReadInspected(path);
        if (!file) {
            status = kExitUsage;
            continue;
        }
        status = std::max(status, ReportStatus(file->report));
        text += ReportText(file->report, path);
        reports.push_back(ReportObject(file->report, path));
        files.push_back(CardFileOf(name, *file));
    }
    if (card.pathsOf.empty())
        text += Printable(card.label) + ": no settings file\n";
    nlohmann::json advice = nlohmann::json::array();
    for (mms::Advice &item : mms::AdviseCard(files, mms::IsDaylightSavingLocal)) {
        if (!Shown(line, item))
            continue;
        item.file = card.pathsOf.at(item.file);
        text += AdviceLine(item);
        advice.push_back(AdviceJson(item));
    }
    PrintOut(line.Has(kJson) ? JsonLine({{"card", card.label}, {"files", reports}, {"advice", advice}}) : text);
    return status;
}

} // namespace

int RunCheckCommand(const std::vector<std::string> &arguments)
{
    CommandLine line("check",
                     "Reads the settings files on a card (a folder: its settings files and stray copies of them) or "
                     "the files given, checks them as inspect does, and says what will not work once the card is in "
                     "the camera. Exit status 0 when every settings file is valid, 1 when one is not, 2 when one "
                     "cannot be read; advice does not change it.");
    line.AddFlag(kJson,
                 "Print one JSON object per folder or file: its files as inspect --json gives them, and "
                 "its advice.");
    AddQuietOption(line);
    line.AddArguments("DIR|FILE",
                      "Folders (a card's top folder) or settings files; the default is the current "
                      "folder.");
    if (!line.Parse(arguments))
        return kExitOk;
    const std::vector<std::string> targets =
        line.Arguments().empty() ? std::vector<std::string>{"."} : line.Arguments();
    int status = kExitOk;
    for (const std::string &target : targets) {
        std::error_code error;
        const Card card = fs::is_directory(target, error) ? FolderCard(target) : FileCard(target);
        status = std::max(status, CheckCard(line, card));
    }
    return status;
}

} // namespace cli
