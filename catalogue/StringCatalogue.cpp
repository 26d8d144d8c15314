#include "catalogue/StringCatalogue.h"

#include "catalogue/StringCatalogueData.h"

#include <algorithm>
#include <utility>

namespace mms {

std::string_view CatalogueString(int language, int number)
{
    if (language < 0 || language >= StringCatalogue::kLanguageCount || number < 0
        || number >= StringCatalogue::kIdsPerLanguage)
        return {};
    const StringEntry *end = kStringEntries + kStringEntryCount;
    const StringEntry *found = std::lower_bound(
        kStringEntries, end, std::pair(language, number),
        [](const StringEntry &entry, std::pair<int, int> id) { return std::pair(entry.language, entry.number) < id; });
    if (found == end || found->language != language || found->number != number)
        return {};
    return found->text;
}

} // namespace mms
