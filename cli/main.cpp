// mms-setup-cli: writes and inspects the camera's settings files from the command line.
#include "CliSupport.h"
#include "Commands.h"

#include <QCoreApplication>

#include <functional>
#include <map>

namespace {

const char kUsage[] =
    "Usage: mms-setup-cli COMMAND [OPTIONS]\n"
    "Prepares the settings files a cellular trail camera reads from its memory card.\n\n"
    "Commands:\n"
    "  camera    write CAMERASETUP.dat\n"
    "  mms       write MMSSETUP.dat\n"
    "  email     write SMTPSETUP.dat\n"
    "  catalogue list the operators and their settings\n"
    "  inspect   decode and check settings files\n"
    "  strings   print the user-interface texts of one language\n\n"
    "mms-setup-cli COMMAND --help shows the options of a command.\n";

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("mms-setup-cli"));
    const std::map<QString, std::function<int(const QStringList &)>> commands = {
        {QStringLiteral("camera"), RunCameraCommand},
        {QStringLiteral("mms"), RunMmsCommand},
        {QStringLiteral("email"), RunEmailCommand},
        {QStringLiteral("catalogue"), RunCatalogueCommand},
        {QStringLiteral("inspect"), RunInspectCommand},
        {QStringLiteral("strings"), RunStringsCommand},
    };
    const QStringList arguments = app.arguments();
    if (arguments.size() < 2 || arguments[1] == QLatin1String("--help") || arguments[1] == QLatin1String("-h")) {
        PrintOut(QString::fromLatin1(kUsage));
        return arguments.size() < 2 ? kExitUsage : kExitOk;
    }
    const auto command = commands.find(arguments[1]);
    if (command == commands.end()) {
        PrintError(QStringLiteral("unknown command \"%1\"; try mms-setup-cli --help").arg(arguments[1]));
        return kExitUsage;
    }
    try {
        return command->second(arguments.mid(1));
    } catch (const UsageError &error) {
        PrintError(QString::fromStdString(error.what()));
        return kExitUsage;
    }
}
