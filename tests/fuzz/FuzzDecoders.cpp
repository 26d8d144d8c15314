// Fuzz harness for the decoders of the three settings files: any bytes must decode
// without a crash, a hang or a read past the data, and a file found valid must be one
// the writers produce, byte for byte.
#include "settings/CameraSettings.h"
#include "settings/EmailSettings.h"
#include "settings/MmsSettings.h"
#include "settings/SettingsFileReport.h"

#include <cstdint>
#include <cstdlib>

namespace {

void RequireRoundTrip(bool sameBytes)
{
    if (!sameBytes)
        std::abort();
}

template <typename Decode, typename Compose>
void CheckRoundTrip(mms::ByteView bytes, Decode decode, Compose compose)
{
    const auto decoded = decode(bytes);
    if (!decoded.Valid())
        return;
    const auto composed = compose(decoded.record);
    RequireRoundTrip(mms::Bytes(composed.begin(), composed.end()) == mms::Bytes(bytes.begin(), bytes.end()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const mms::ByteView bytes(data, size);
    (void)mms::InspectSettingsFile(bytes, size);
    CheckRoundTrip(bytes, mms::DecodeCameraSetupFile, mms::ComposeCameraSetupFile);
    CheckRoundTrip(bytes, mms::DecodeMmsSetupFile,
                   [](const mms::MmsSettings &s) { return mms::ComposeMmsSetupFile(s).value_or(mms::Bytes()); });
    CheckRoundTrip(bytes, mms::DecodeEmailSetupFile,
                   [](const mms::EmailSettings &s) { return mms::ComposeEmailSetupFile(s).value_or(mms::Bytes()); });
    return 0;
}
