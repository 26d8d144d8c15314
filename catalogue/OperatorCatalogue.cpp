#include "catalogue/OperatorCatalogue.h"

namespace mms {

std::string MakeOperatorKey(std::string_view country, std::string_view operatorName)
{
    std::string key;
    key.reserve(country.size() + kOperatorKeySeparator.size() + operatorName.size());
    return key.append(country).append(kOperatorKeySeparator).append(operatorName);
}

bool IsOperatorKey(std::string_view key, std::string_view country, std::string_view operatorName)
{
    return key.size() == country.size() + kOperatorKeySeparator.size() + operatorName.size() && key.starts_with(country)
        && key.substr(country.size()).starts_with(kOperatorKeySeparator) && key.ends_with(operatorName);
}

} // namespace mms
