#include "settings/EmailSettings.h"

#include "catalogue/EmailCatalogue.h"
#include "settings/FileAccess.h"

namespace mms {

std::optional<Bytes> ComposeEmailSetupFile(const EmailSettings &settings, std::string *error)
{
    std::array<SendingText, 12> texts = TextsOf(EmailTextLines(settings));
    if (settings.Mode == ConnectionMode::Auto) {
        const uint8_t op = EmailCatalogue().FindOperatorKey(MakeOperatorKey(settings.Country, settings.Operator));
        if (op == kCatalogueMiss) {
            if (error)
                *error = NotInCatalogueReason(settings.Country, settings.Operator);
            return std::nullopt;
        }
        const EmailOperatorParams &p = EmailCatalogue().ParamsOf(op);
        const char *const gprs[kGprsTextCount] = {p.apn, p.account, p.password};
        for (int i = 0; i < kGprsTextCount; ++i)
            texts[i].text = gprs[i];
    }
    return ComposeSendingFile(settings.Header, texts, error);
}

Decoded<EmailSettings> DecodeEmailSetupFile(ByteView file)
{
    Decoded<EmailSettings> decoded;
    decoded.record.Mode = ConnectionMode::Manual;
    DecodeSendingFile(file, kEmailSetupFileSize, decoded.record.Header, EmailTextLines(decoded.record), decoded);
    return decoded;
}

bool WriteEmailSetupFile(const std::string &path, const EmailSettings &settings, std::string *error)
{
    const std::optional<Bytes> file = ComposeEmailSetupFile(settings, error);
    return file && ReplaceFile(path, *file, error);
}

} // namespace mms
