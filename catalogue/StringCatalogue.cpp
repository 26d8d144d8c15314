#include "StringCatalogue.h"

#include "StringCatalogueData.h"

#include <algorithm>

QString CatalogueString(int language, int number)
{
    if (language < 0 || language >= StringCatalogue::kLanguageCount || number < 0
        || number >= StringCatalogue::kIdsPerLanguage)
        return QString();
    const StringEntry *end = kStringEntries + kStringEntryCount;
    const StringEntry *found = std::lower_bound(kStringEntries, end, std::pair(language, number),
        [](const StringEntry &entry, std::pair<int, int> id) {
            return std::pair(entry.language, entry.number) < id;
        });
    if (found == end || found->language != language || found->number != number)
        return QString();
    return QString::fromUtf8(found->text);
}
