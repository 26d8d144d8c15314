#include "settings/MmsSettings.h"

#include "catalogue/MmsCatalogue.h"
#include "settings/FileAccess.h"

namespace mms {
namespace {

// The record as written: in Auto mode with the catalogue's connection texts.
std::optional<MmsSettings> Resolved(const MmsSettings &s, std::string *error)
{
    if (s.Mode == ConnectionMode::Manual)
        return s;
    const uint8_t op = MmsCatalogue().FindOperatorKey(MakeOperatorKey(s.Country, s.Operator));
    if (op == kCatalogueMiss) {
        if (error)
            *error = "\"" + s.Operator + "\" of \"" + s.Country + "\" is not in the operator catalogue";
        return std::nullopt;
    }
    const MmsOperatorParams &p = MmsCatalogue().ParamsOf(op);
    MmsSettings resolved = s;
    const char *const texts[] = {p.url, p.apn, p.gateway, p.port, p.account, p.password};
    const auto lines = MmsTextLines(resolved);
    for (int i = 0; i < kMmsConnectionTextCount; ++i)
        *lines[i].text = texts[i];
    return resolved;
}

} // namespace

std::optional<Bytes> ComposeMmsSetupFile(const MmsSettings &settings, std::string *error)
{
    const std::optional<MmsSettings> resolved = Resolved(settings, error);
    if (!resolved)
        return std::nullopt;
    return ComposeSendingFile(resolved->Header, MmsTextLines(*resolved), error);
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
