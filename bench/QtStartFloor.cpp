// The floor under any Qt command-line program: start, load QtCore and the libraries
// it needs, create the application object, exit. mms-setup-cli does this before its work.
#include <QCoreApplication>

int main(int argc, char *argv[])
{
    const QCoreApplication app(argc, argv);
    return 0;
}
