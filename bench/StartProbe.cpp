#include "bench/StartProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

// A probe that never sees its window stops here rather than hanging the benchmark.
constexpr int kGiveUpMilliseconds = 10000;

void PrintPeakMemory()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmHWM:")) {
            std::puts(line.c_str());
            return;
        }
    }
    std::puts("VmHWM: unknown");
}

// Ends at once: tearing the windows down is no part of the start-up being measured.
[[noreturn]] void EndProcess(int status)
{
    PrintPeakMemory();
    std::fflush(stdout);
    std::_Exit(status);
}

// Sees every event of the application; the first exposure of a window lets the window
// paint itself (it does so while handling the event) and then ends the process.
class FirstExposureWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && watched->isWindowType() && static_cast<QWindow *>(watched)->isExposed())
            QTimer::singleShot(0, [] { EndProcess(EXIT_SUCCESS); });
        return false;
    }
};

} // namespace

void EndOnceFirstWindowShown()
{
    QCoreApplication::instance()->installEventFilter(new FirstExposureWatch(QCoreApplication::instance()));
    QTimer::singleShot(kGiveUpMilliseconds, [] {
        std::fputs("no window was shown\n", stderr);
        EndProcess(EXIT_FAILURE);
    });
}
