#include "settings/MmsSettings.h"

#include "catalogue/MmsCatalogue.h"
#include "settings/FileAccess.h"

namespace mms {

std::optional<Bytes> ComposeMmsSetupFile(const MmsSettings &settings, std::string *error)
{
    std::array<SendingText, 14> texts = TextsOf(MmsTextLines(settings));
    if (settings.Mode == ConnectionMode::Auto) {
        const uint8_t op = MmsCatalogue().FindOperatorKey(MakeOperatorKey(settings.Country, settings.Operator));
        if (op == kCatalogueMiss) {
            if (error)
                *error = NotInCatalogueReason(settings.Country, settings.Operator);
            return std::nullopt;
        }
        const MmsOperatorParams &p = MmsCatalogue().ParamsOf(op);
        const char *const connection[kMmsConnectionTextCount] = {p.url, p.apn, p.gateway, p.port, p.account, p.password};
        for (int i = 0; i < kMmsConnectionTextCount; ++i)
            texts[i].text = connection[i];
    }
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
