// mms-setup: the desktop program that prepares the settings files a cellular trail
// camera reads from its memory card.
#include "ui/Program.h"
#include "version/Version.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QString::fromLatin1(mms::kVersion));
    // Lets a Wayland desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("mms-setup"));

    // --help and --version; Qt's own options (-platform, -style) are taken before this.
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Prepares the settings files a cellular trail camera reads from its memory card."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);

    return RunProgram();
}
