#include "EmailCatalogue.h"

const OperatorCatalogue<EmailOperatorParams> &EmailCatalogue()
{
    static const OperatorCatalogue<EmailOperatorParams> catalogue(kEmailCountries, kEmailOperators);
    return catalogue;
}

std::optional<SmtpPreset> FindSmtpPreset(const QString &operatorKey)
{
    for (const SmtpPresetRow &row : kSmtpPresets) {
        if (QLatin1String(row.operatorKey) == operatorKey)
            return row.preset;
    }
    return std::nullopt;
}
