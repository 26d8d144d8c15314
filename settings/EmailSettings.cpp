#include "settings/EmailSettings.h"

#include "catalogue/EmailCatalogue.h"
#include "settings/FileAccess.h"

namespace mms {

std::optional<Bytes> ComposeEmailSetupFile(const EmailSettings &settings, std::string *error)
{
    std::array<SendingText, 12> texts = TextsOf(EmailTextLines(settings));
    const auto connectionOf = [](const EmailOperatorParams &p) { return std::array{p.apn, p.account, p.password}; };
    if (settings.Mode == ConnectionMode::Auto
        && !TakeCatalogueTexts(EmailCatalogue(), settings.Country, settings.Operator, connectionOf, texts, error))
        return std::nullopt;
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
