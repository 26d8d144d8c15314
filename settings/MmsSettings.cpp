#include "settings/MmsSettings.h"

#include "catalogue/MmsCatalogue.h"
#include "settings/FileAccess.h"

namespace mms {

std::optional<Bytes> ComposeMmsSetupFile(const MmsSettings &settings, std::string *error)
{
    std::array<SendingText, 14> texts = TextsOf(MmsTextLines(settings));
    const auto connectionOf = [](const MmsOperatorParams &p) {
        return std::array{p.url, p.apn, p.gateway, p.port, p.account, p.password};
    };
    if (settings.Mode == ConnectionMode::Auto
        && !TakeCatalogueTexts(MmsCatalogue(), settings.Country, settings.Operator, connectionOf, texts, error))
        return std::nullopt;
    return ComposeSendingFile(settings.Header, texts, error);
}

Decoded<MmsSettings> DecodeMmsSetupFile(ByteView file)
{
    Decoded<MmsSettings> decoded;
    decoded.record.Mode = ConnectionMode::Manual;
    DecodeSendingFile(file, kMmsSetupFileSize, decoded.record.Header, MmsTextLines(decoded.record), decoded);
    return decoded;
}

bool WriteMmsSetupFile(const std::string &path, const MmsSettings &settings, std::string *error)
{
    const std::optional<Bytes> file = ComposeMmsSetupFile(settings, error);
    return file && ReplaceFile(path, *file, error);
}

} // namespace mms
