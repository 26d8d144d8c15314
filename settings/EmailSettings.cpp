#include "settings/EmailSettings.h"

#include "catalogue/EmailCatalogue.h"
#include "settings/FileAccess.h"

namespace mms {
namespace {

// The record as written: in Auto mode with the catalogue's GPRS texts.
std::optional<EmailSettings> Resolved(const EmailSettings &s, std::string *error)
{
    if (s.Mode == ConnectionMode::Manual)
        return s;
    const uint8_t op = EmailCatalogue().FindOperatorKey(MakeOperatorKey(s.Country, s.Operator));
    if (op == kCatalogueMiss) {
        if (error)
            *error = "\"" + s.Operator + "\" of \"" + s.Country + "\" is not in the operator catalogue";
        return std::nullopt;
    }
    const EmailOperatorParams &p = EmailCatalogue().ParamsOf(op);
    EmailSettings resolved = s;
    const char *const texts[] = {p.apn, p.account, p.password};
    const auto lines = EmailTextLines(resolved);
    for (int i = 0; i < kGprsTextCount; ++i)
        *lines[i].text = texts[i];
    return resolved;
}

} // namespace

std::optional<Bytes> ComposeEmailSetupFile(const EmailSettings &settings, std::string *error)
{
    const std::optional<EmailSettings> resolved = Resolved(settings, error);
    if (!resolved)
        return std::nullopt;
    return ComposeSendingFile(resolved->Header, EmailTextLines(*resolved), error);
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
