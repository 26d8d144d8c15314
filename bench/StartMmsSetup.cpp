// mms-setup's start-up as a whole process: the program's own start-up sequence, ended
// once its main window is on screen.
#include "bench/StartProbe.h"
#include "ui/Program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    EndOnceFirstWindowShown();
    return RunProgram();
}
