// Fuzz harness for the decoder behind `mms-setup-cli inspect`: any bytes must decode
// without a crash, a hang or a read past the data, and a file that passes inspection
// must be one the writer would produce.
#include "CameraSettings.h"
#include "FileReport.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const InspectReport report = InspectSettingsFile(bytes);
    (void)report.ToJson();
    (void)report.ToText();
    if (report.kind == QLatin1String("camera") && report.Valid()
        && ComposeCameraSetupFile(DecodeCameraSetupFile(bytes)) != bytes)
        std::abort();
    return 0;
}
