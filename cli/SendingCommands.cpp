// mms and email: the two files made of text lines share their header options, the
// operator choice and the checks on texts.
#include "catalogue/EmailCatalogue.h"
#include "catalogue/MmsCatalogue.h"
#include "cli/AdviceOutput.h"
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/OptionValues.h"
#include "cli/SettingsOutput.h"
#include "settings/EmailSettings.h"
#include "settings/MmsSettings.h"

#include <algorithm>

namespace cli {
namespace {

using mms::ConnectionMode;
using TextLine = mms::SendingLine<std::string>;

// Where the connection texts come from is the command line's choice; the files do
// not record it.
constexpr std::string_view kModeName = "mode";
constexpr std::string_view kModeNames[] = {"auto", "manual"}; // in the order of ConnectionMode
constexpr std::string_view kCountryName = "country";
constexpr std::string_view kOperatorName = "operator";
constexpr size_t kMaxNumberPerDayDigits = 2;

// What tells the two files apart, chosen by the type of the record.
const auto &CatalogueOf(const mms::MmsSettings &)
{
    return mms::MmsCatalogue();
}
const auto &CatalogueOf(const mms::EmailSettings &)
{
    return mms::EmailCatalogue();
}
std::optional<mms::Bytes> Composed(const mms::MmsSettings &s, std::string *error)
{
    return mms::ComposeMmsSetupFile(s, error);
}
std::optional<mms::Bytes> Composed(const mms::EmailSettings &s, std::string *error)
{
    return mms::ComposeEmailSetupFile(s, error);
}
mms::MmsSettings Decoded(const mms::MmsSettings &, mms::ByteView file)
{
    return mms::DecodeMmsSetupFile(file).record;
}
mms::EmailSettings Decoded(const mms::EmailSettings &, mms::ByteView file)
{
    return mms::DecodeEmailSetupFile(file).record;
}
std::vector<mms::Advice> Advised(const mms::MmsSettings &s)
{
    return mms::AdviseMms(s);
}
std::vector<mms::Advice> Advised(const mms::EmailSettings &s)
{
    return mms::AdviseEmail(s);
}
// The MMS catalogue knows no outgoing mail servers.
void FillFromPreset(mms::MmsSettings &)
{
}
// An operator whose outgoing mail server is known gives the server and its port.
void FillFromPreset(mms::EmailSettings &s)
{
    const std::optional<mms::SmtpPreset> preset = mms::FindSmtpPreset(mms::MakeOperatorKey(s.Country, s.Operator));
    if (preset) {
        s.SmtpServer = preset->server;
        s.SmtpPort = preset->port;
    }
}

// "--a, --b and --c"
std::string OptionList(std::span<const TextLine> lines)
{
    std::string list;
    for (size_t i = 0; i < lines.size(); ++i)
        list += (i == 0 ? "" : i + 1 == lines.size() ? " and " : ", ") + OptionName(lines[i].name);
    return list;
}

std::string_view NameOf(std::span<const TextLine> lines, const std::string &text)
{
    return std::ranges::find(lines, &text, &TextLine::text)->name;
}

template <typename Params>
void AddHeaderOptions(CommandLine &line, const mms::OperatorCatalogue<Params> &catalogue)
{
    const mms::SendingHeader defaults;
    line.AddValue(kModeName, "MODE",
                  "auto (connection settings from the catalogue; the default) or manual (the default with --from).");
    line.AddValue(mms::kStatusName, "STATUS",
                  "What to send: " + Joined(mms::kStatusNames, "|") + " (default "
                      + std::string(mms::kStatusNames[defaults.Status]) + ").");
    line.AddValue(mms::kNumberPerDayName, "N", "Daily limit, one or two digits; 0 is unlimited (default).");
    line.AddValue(mms::kDailyReportName, "SWITCH", SwitchHelp(defaults.DailyReportOnOff) + ".");
    line.AddValue(mms::kReportHourName, "HOUR",
                  "Hour of the daily report, 0.." + std::to_string(mms::kReportHourMax) + ".");
    line.AddValue(kCountryName, "NAME",
                  "Country as the catalogue names it (default " + std::string(catalogue.CountryName(0)) + ").");
    line.AddValue(kOperatorName, "NAME", "Operator of that country (default: its first).");
}

void AddTextOptions(CommandLine &line, std::span<const TextLine> lines)
{
    for (const TextLine &text : lines) {
        if (text.kind == mms::LineKind::Text)
            line.AddValue(text.name, "TEXT", "Text of at most " + std::to_string(mms::kMaxTextLength) + " characters.");
    }
}

bool IsNumberPerDay(std::string_view text)
{
    return !text.empty() && text.size() <= kMaxNumberPerDayDigits && std::ranges::all_of(text, IsAsciiDigit);
}

// The header `header` (the defaults, or --from's file's) with the options applied.
mms::SendingHeader HeaderFrom(const CommandLine &line, mms::SendingHeader header)
{
    header.Status = ChoiceValue(line, mms::kStatusName, mms::kStatusNames, header.Status);
    if (const std::optional<std::string> number = line.Value(mms::kNumberPerDayName)) {
        if (!IsNumberPerDay(*number))
            throw UsageError(OptionName(mms::kNumberPerDayName) + " must be one or two digits (0..99), not "
                             + Quoted(*number));
        header.NumberPerDay = *number;
    }
    header.DailyReportOnOff =
        SwitchValue(line, mms::kDailyReportName, {std::string(mms::kReportHourName)}, header.DailyReportOnOff);
    header.DailyReportHour =
        uint8_t(NumberValue(line, mms::kReportHourName, 0, mms::kReportHourMax, header.DailyReportHour));
    return header;
}

// In auto mode the catalogue supplies the connection texts, and they are refused.
void RefuseInAutoMode(const CommandLine &line, std::span<const TextLine> catalogueTexts)
{
    for (const TextLine &text : catalogueTexts) {
        if (line.Has(text.name))
            throw UsageError(OptionName(text.name)
                             + " is taken from the catalogue in auto mode; use --mode manual to give it");
    }
}

void RefuseOperatorInManualMode(const CommandLine &line)
{
    if (line.Has(kCountryName) || line.Has(kOperatorName))
        throw UsageError(OptionName(kCountryName) + " and " + OptionName(kOperatorName)
                         + " choose catalogue settings; they have no effect in manual mode");
}

template <typename Params>
void ChooseOperator(const CommandLine &line, const mms::OperatorCatalogue<Params> &catalogue, std::string &country,
                    std::string &operatorName)
{
    country = line.Value(kCountryName).value_or(std::string(catalogue.CountryName(0)));
    const uint8_t index = catalogue.FindCountry(country);
    if (index == mms::kCatalogueMiss)
        throw UsageError(OptionName(kCountryName) + " " + Quoted(country)
                         + " is not in the catalogue; choose one of: " + Joined(catalogue.CountryNames(), ", "));
    const std::vector<std::string_view> operators = catalogue.OperatorNames(index);
    operatorName = line.Value(kOperatorName).value_or(std::string(operators.front()));
    if (std::ranges::find(operators, operatorName) == operators.end())
        throw UsageError(OptionName(kOperatorName) + " " + Quoted(operatorName) + " is not an operator of " + country
                         + "; choose one of: " + Joined(operators, ", "));
}

struct SendingCommand {
    std::string_view name; // also the kind of its file
    std::string description;
    std::string_view fileName;
    size_t catalogueTextCount; // the first text lines, which auto mode takes from the catalogue
};

// Parses the options into `s`, whose text lines are `lines`, and writes its file.
template <typename Record>
int RunSendingCommand(const std::vector<std::string> &arguments, const SendingCommand &command, Record &s,
                      std::span<const TextLine> lines)
{
    CommandLine line(command.name, command.description);
    AddHeaderOptions(line, CatalogueOf(s));
    AddTextOptions(line, lines);
    AddFromOption(line, command.name);
    AddOutOption(line);
    AddQuietOption(line);
    if (!line.Parse(arguments))
        return kExitOk;
    RefuseFileNames(line, command.name);
    // A file holds the connection texts, not the operator they came from: it is read
    // back in manual mode.
    if (const std::optional<mms::Bytes> file = FromFile(line, command.name))
        s = Decoded(s, *file);
    s.Mode = ConnectionMode(ChoiceValue(line, kModeName, kModeNames, uint8_t(s.Mode)));
    s.Header = HeaderFrom(line, s.Header);
    if (s.Mode == ConnectionMode::Auto) {
        RefuseInAutoMode(line, lines.first(command.catalogueTextCount));
        ChooseOperator(line, CatalogueOf(s), s.Country, s.Operator);
        FillFromPreset(s);
    } else {
        RefuseOperatorInManualMode(line);
    }
    for (const TextLine &text : lines) {
        if (text.kind == mms::LineKind::Text && line.Has(text.name))
            *text.text = TextValue(line, text.name);
    }
    // Composing can still refuse what the options let through; that is a usage error too.
    std::string error;
    const std::optional<mms::Bytes> composed = Composed(s, &error);
    if (!composed)
        throw UsageError(error);
    return EmitSettingsFile(line, command.fileName, *composed, Advised(s));
}

constexpr std::string_view kValuesAndDefaults =
    " Values are case-insensitive, names of countries and operators excepted; defaults are those of the ";

} // namespace

int RunMmsCommand(const std::vector<std::string> &arguments)
{
    mms::MmsSettings s;
    const auto lines = mms::MmsTextLines(s);
    const std::span<const TextLine> connection = std::span(lines).first(mms::kMmsConnectionTextCount);
    const SendingCommand command{"mms",
                                 "Writes " + std::string(mms::kMmsSetupFileName) + "." + std::string(kValuesAndDefaults)
                                     + "MMS dialog. " + OptionList(connection) + " are for manual mode.",
                                 mms::kMmsSetupFileName, connection.size()};
    return RunSendingCommand(arguments, command, s, lines);
}

int RunEmailCommand(const std::vector<std::string> &arguments)
{
    mms::EmailSettings s;
    const auto lines = mms::EmailTextLines(s);
    const std::span<const TextLine> gprs = std::span(lines).first(mms::kGprsTextCount);
    const SendingCommand command{
        "email",
        "Writes " + std::string(mms::kEmailSetupFileName) + "." + std::string(kValuesAndDefaults) + "e-mail dialog. "
            + OptionList(gprs) + " are for manual mode. In auto mode an operator with a known outgoing mail server "
            + "fills " + OptionName(NameOf(lines, s.SmtpServer)) + " and " + OptionName(NameOf(lines, s.SmtpPort))
            + " unless they are given.",
        mms::kEmailSetupFileName, gprs.size()};
    return RunSendingCommand(arguments, command, s, lines);
}

} // namespace cli
