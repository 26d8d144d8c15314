#include "cli/CardFolder.h"

#include <filesystem>

namespace cli {

std::map<std::string, std::string> SettingsFilesIn(const std::string &folder, std::error_code &error)
{
    std::map<std::string, std::string> files;
    for (const std::filesystem::directory_entry &entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (mms::LooksLikeSettingsFile(name))
            files[name] = entry.path().string();
    }
    return files;
}

mms::CardFile CardFileOf(const std::string &name, const InspectedFile &file)
{
    mms::CardFile card{name, {}};
    if (!file.report.check.Valid())
        return card;
    if (file.report.kind == "camera")
        card.record = mms::DecodeCameraSetupFile(file.bytes).record;
    else if (file.report.kind == "mms")
        card.record = mms::DecodeMmsSetupFile(file.bytes).record;
    else if (file.report.kind == "email")
        card.record = mms::DecodeEmailSetupFile(file.bytes).record;
    return card;
}

std::vector<mms::CardFile> ReadCardFolder(const std::string &folder)
{
    std::error_code error;
    std::vector<mms::CardFile> card;
    for (const auto &[name, path] : SettingsFilesIn(folder, error)) {
        std::string reason;
        const std::optional<InspectedFile> file = mms::IsSettingsFileName(name) ? Inspect(path, reason) : std::nullopt;
        card.push_back(file ? CardFileOf(name, *file) : mms::CardFile{name, {}});
    }
    return card;
}

} // namespace cli
