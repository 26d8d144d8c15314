#include "cli/InspectOutput.h"

#include "cli/CliSupport.h"
#include "settings/FileAccess.h"

namespace cli {
namespace {

constexpr std::string_view kUnknownKind = "unknown";

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

} // namespace

std::string ReportText(const mms::SettingsFileReport &report, const std::string &path)
{
    std::string text = Printable(path) + ": " + std::string(KindTitle(report.kind)) + ", "
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

nlohmann::json ReportObject(const mms::SettingsFileReport &report, const std::string &path)
{
    nlohmann::json object = {{"kind", report.kind},
                             {"valid", report.check.Valid()},
                             {"signature_ok", report.check.signatureOk},
                             {"checksum_ok", report.check.checksumOk},
                             {"problems", report.check.problems},
                             {"file", path}};
    for (const mms::ReportField &field : report.fields)
        object[field.name] = ValueJson(field.value);
    return object;
}

// A file's name need not be UTF-8, which JSON text must be: a byte that is not
// becomes U+FFFD.
std::string JsonLine(const nlohmann::json &object)
{
    return object.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) + '\n';
}

std::optional<InspectedFile> Inspect(const std::string &path, std::string &reason)
{
    mms::FileContent content;
    // One byte more than the largest settings file tells a file that is too long.
    if (!mms::ReadRegularFile(path, mms::kLargestSettingsFile + 1, content, &reason))
        return std::nullopt;
    mms::SettingsFileReport report = mms::InspectSettingsFile(content.bytes, content.size);
    return InspectedFile{std::move(content.bytes), std::move(report)};
}

std::optional<InspectedFile> ReadInspected(const std::string &path)
{
    std::string reason;
    std::optional<InspectedFile> file = Inspect(path, reason);
    if (!file)
        PrintError("cannot read " + path + ": " + reason);
    return file;
}

int ReportStatus(const mms::SettingsFileReport &report)
{
    return report.check.Valid() ? kExitOk : kExitFailed;
}

} // namespace cli
