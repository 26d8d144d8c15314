#pragma once

#include <string_view>

namespace mms {

// The user-interface texts of the windows in eleven languages. String id = language
// index x 500 + string number; the same number means the same thing in every block.
namespace StringCatalogue {
inline constexpr int kLanguageCount = 11;
inline constexpr int kIdsPerLanguage = 500;
} // namespace StringCatalogue

// The UTF-8 text of string number `number` in language block `language`, or the empty
// text when the catalogue has no entry with that id.
std::string_view CatalogueString(int language, int number);

} // namespace mms
