// mms-setup: the desktop program that prepares the settings files a cellular trail
// camera reads from its memory card.
#include "ui/Program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return RunProgram();
}
