// The floor under mms-setup's start-up: a minimal Qt Widgets program that shows one
// window, ended the same way once that window is on screen. The window is empty, or
// shows the line of text given as the argument, which adds setting up the fonts.
#include "bench/StartProbe.h"

#include <QApplication>
#include <QLabel>

#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    EndOnceFirstWindowShown();
    const auto window =
        argc > 1 ? std::make_unique<QLabel>(QString::fromLocal8Bit(argv[1])) : std::make_unique<QWidget>();
    window->show();
    return QApplication::exec();
}
