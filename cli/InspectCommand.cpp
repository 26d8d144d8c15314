#include "cli/CliSupport.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "settings/FileAccess.h"
#include "settings/SettingsFileReport.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace cli {
namespace {

constexpr std::string_view kJson = "json";
constexpr std::string_view kUnknownKind = "unknown";

struct KindTitle {
    std::string_view kind;
    std::string_view title;
};

constexpr KindTitle kKindTitles[] = {
    {"camera", "camera settings"},
    {"mms", "MMS settings"},
    {"email", "e-mail settings"},
    {kUnknownKind, "not a settings file"},
};

std::string_view TitleOf(std::string_view kind)
{
    const auto entry = std::ranges::find(kKindTitles, kind, &KindTitle::kind);
    return entry == std::end(kKindTitles) ? kind : entry->title;
}

template <typename... Visitors>
struct Overloaded : Visitors... {
    using Visitors::operator()...;
};

// A decoded text is shown printable: a crafted file must not drive the terminal.
std::string ValueText(const mms::ReportValue &value)
{
    return std::visit(Overloaded{[](std::monostate) { return std::string(); },
                                 [](int number) { return std::to_string(number); },
                                 [](const std::string &text) { return Printable(text); }},
                      value);
}

nlohmann::json ValueJson(const mms::ReportValue &value)
{
    return std::visit(Overloaded{[](std::monostate) { return nlohmann::json(); },
                                 [](int number) { return nlohmann::json(number); },
                                 [](const std::string &text) { return nlohmann::json(text); }},
                      value);
}

std::string_view OkOrWrong(bool ok)
{
    return ok ? "ok" : "WRONG";
}

std::string ReportText(const mms::SettingsFileReport &report, const std::string &path)
{
    std::string text = Printable(path) + ": " + std::string(TitleOf(report.kind)) + ", "
        + (report.check.Valid() ? "valid" : "NOT VALID") + '\n';
    if (report.kind != kUnknownKind) {
        text += "  signature: " + std::string(OkOrWrong(report.check.signatureOk)) + '\n';
        text += "  checksum: " + std::string(OkOrWrong(report.check.checksumOk)) + '\n';
    }
    for (const mms::ReportField &field : report.fields)
        text += "  " + field.name + ": " + ValueText(field.value) + '\n';
    for (const std::string &problem : report.check.problems)
        text += "  problem: " + Printable(problem) + '\n';
    return text;
}

// One line. A file's name need not be UTF-8, which JSON text must be: a byte that is
// not becomes U+FFFD.
std::string ReportJson(const mms::SettingsFileReport &report, const std::string &path)
{
    nlohmann::json object = {{"kind", report.kind},
                             {"valid", report.check.Valid()},
                             {"signature_ok", report.check.signatureOk},
                             {"checksum_ok", report.check.checksumOk},
                             {"problems", report.check.problems},
                             {"file", path}};
    for (const mms::ReportField &field : report.fields)
        object[field.name] = ValueJson(field.value);
    return object.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) + '\n';
}

// Prints the report of one file; returns its exit status.
int InspectFile(const std::string &path, bool json)
{
    mms::FileContent content;
    std::string reason;
    // One byte more than the largest settings file tells a file that is too long.
    if (!mms::ReadRegularFile(path, mms::kLargestSettingsFile + 1, content, &reason)) {
        PrintError("cannot read " + path + ": " + reason);
        return kExitUsage;
    }
    const mms::SettingsFileReport report = mms::InspectSettingsFile(content.bytes, content.size);
    PrintOut(json ? ReportJson(report, path) : ReportText(report, path));
    return report.check.Valid() ? kExitOk : kExitFailed;
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
