// mms-setup's start-up as a whole process: the program's own start-up sequence, ended
// once its main window is on screen.
#include "ui/Program.h"
#include "bench/StartProbe.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    EndOnceFirstWindowShown();
    return RunProgram();
}
