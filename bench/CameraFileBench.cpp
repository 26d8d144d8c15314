// Time per CAMERASETUP.dat: composed in memory, and written in-process to a real
// folder (temporary file, flush to the medium, rename over the old file).
#include "settings/CameraSettings.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int kRounds = 5;

// The best of several rounds, in nanoseconds per call: the least disturbed by the
// other work on the machine.
double BestNanosecondsPerCall(int calls, const std::function<void(int)> &call)
{
    double best = 0;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < calls; ++i)
            call(i);
        const double perCall = double(timer.nsecsElapsed()) / calls;
        best = round == 0 ? perCall : std::min(best, perCall);
    }
    return best;
}

} // namespace

int main()
{
    CameraSettings settings;
    unsigned lastBytes = 0; // uses every composed file, so the compiler cannot drop the work

    constexpr int kComposed = 200000;
    const double compose = BestNanosecondsPerCall(kComposed, [&](int i) {
        settings.Second = uint8_t(i % 60);
        lastBytes += uint8_t(ComposeCameraSetupFile(settings).back());
    });
    std::printf("compose CAMERASETUP.dat in memory: %8.0f ns per file (best of %d rounds of %d)\n", compose,
                kRounds, kComposed);

    QTemporaryDir folder;
    const QString path = folder.filePath(QString::fromLatin1(kCameraSetupFileName));
    constexpr int kWritten = 200;
    bool allWritten = true;
    const double write = BestNanosecondsPerCall(kWritten, [&](int i) {
        settings.Second = uint8_t(i % 60);
        allWritten = WriteCameraSetupFile(path, settings) && allWritten;
    });
    std::printf("write CAMERASETUP.dat in-process:  %8.0f ns per file (best of %d rounds of %d, in %s)\n", write,
                kRounds, kWritten, qPrintable(folder.path()));
    std::printf("(sum of the composed files' last bytes: %u)\n", lastBytes);
    return allWritten ? 0 : 1;
}
