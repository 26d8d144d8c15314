#include "catalogue/StringCatalogue.h"
#include "cli/CliSupport.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/OptionValues.h"

#include <nlohmann/json.hpp>

namespace cli {
namespace {

constexpr std::string_view kLanguage = "language";
constexpr std::string_view kJson = "json";

} // namespace

int RunStringsCommand(const std::vector<std::string> &arguments)
{
    namespace Strings = mms::StringCatalogue;
    CommandLine line("strings", "Prints one block of the user-interface texts, for translators and reviewers.");
    line.AddValue(kLanguage, "N",
                  "Language index 0.." + std::to_string(Strings::kLanguageCount - 1) + " (default 0, English).");
    line.AddFlag(kJson, "Print a JSON object from string number to text.");
    if (!line.Parse(arguments))
        return kExitOk;
    const int language = NumberValue(line, kLanguage, 0, Strings::kLanguageCount - 1, 0);

    nlohmann::json block = nlohmann::json::object();
    std::string lines;
    for (int number = 1; number < Strings::kIdsPerLanguage; ++number) {
        const std::string_view text = mms::CatalogueString(language, number);
        if (text.empty())
            continue;
        block[std::to_string(number)] = text;
        lines += std::to_string(number) + '\t' + std::string(text) + '\n';
    }
    PrintOut(line.Has(kJson) ? block.dump(4) + '\n' : lines);
    return kExitOk;
}

} // namespace cli
