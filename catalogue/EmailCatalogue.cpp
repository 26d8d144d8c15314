#include "catalogue/EmailCatalogue.h"

namespace mms {

const OperatorCatalogue<EmailOperatorParams> &EmailCatalogue()
{
    static constexpr OperatorCatalogue<EmailOperatorParams> catalogue(kEmailCountries, kEmailOperators);
    return catalogue;
}

std::optional<SmtpPreset> FindSmtpPreset(std::string_view operatorKey)
{
    for (const SmtpPresetRow &row : kSmtpPresets) {
        if (row.operatorKey == operatorKey)
            return row.preset;
    }
    return std::nullopt;
}

} // namespace mms
