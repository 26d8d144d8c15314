// mms-setup-cli: writes and inspects the camera's settings files from the command line.
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "version/Version.h"

#include <algorithm>
#include <cstdio>

namespace {

struct Command {
    std::string_view name;
    std::string_view summary;
    int (*run)(const std::vector<std::string> &arguments);
};

constexpr Command kCommands[] = {
    {"camera", "write CAMERASETUP.dat", cli::RunCameraCommand},
    {"mms", "write MMSSETUP.dat", cli::RunMmsCommand},
    {"email", "write SMTPSETUP.dat", cli::RunEmailCommand},
    {"catalogue", "list the operators and their settings", cli::RunCatalogueCommand},
    {"inspect", "decode and check settings files", cli::RunInspectCommand},
    {"check", "say what will not work on a card, before it goes into the camera", cli::RunCheckCommand},
    {"strings", "print the user-interface texts of one language", cli::RunStringsCommand},
};

std::string Usage()
{
    std::string usage = "Usage: mms-setup-cli COMMAND [OPTIONS]\n"
                        "Prepares the settings files a cellular trail camera reads from its memory card.\n\n"
                        "Commands:\n";
    for (const Command &command : kCommands) {
        char line[96];
        std::snprintf(line, sizeof line, "  %-9.*s %.*s\n", int(command.name.size()), command.name.data(),
                      int(command.summary.size()), command.summary.data());
        usage += line;
    }
    return usage + "\nmms-setup-cli COMMAND --help shows the options of a command.\n"
                   "mms-setup-cli --version shows the version.\n";
}

int Run(const std::vector<std::string> &arguments)
{
    if (arguments.empty()) {
        cli::PrintOut(Usage());
        return cli::kExitUsage;
    }
    const std::string &first = arguments.front();
    if (first == "--help" || first == "-h") {
        cli::PrintOut(Usage());
        return cli::kExitOk;
    }
    if (first == "--version" || first == "-V") {
        cli::PrintOut("mms-setup-cli " + std::string(mms::kVersion) + '\n');
        return cli::kExitOk;
    }
    const auto command = std::ranges::find(kCommands, first, &Command::name);
    if (command == std::end(kCommands))
        throw cli::UsageError("unknown command " + cli::Quoted(first) + "; try mms-setup-cli --help");
    return command->run({arguments.begin() + 1, arguments.end()});
}

} // namespace

int main(int argc, char *argv[])
{
    try {
        // Arguments are bytes and stay so: a folder's name need not be UTF-8.
        return Run({argv + 1, argv + argc});
    } catch (const cli::UsageError &error) {
        cli::PrintError(error.what());
        return cli::kExitUsage;
    } catch (const cli::FailedError &error) {
        cli::PrintError(error.what());
        return cli::kExitFailed;
    }
}
