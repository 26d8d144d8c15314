// mms-setup-cli: writes and inspects the camera's settings files from the command line.
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "version/Version.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#ifdef _WIN32
#include "settings/WindowsText.h"

#include <windows.h>
#endif

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
    return usage
        + "\nmms-setup-cli COMMAND --help shows the options of a command.\n"
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

int Main(const std::vector<std::string> &arguments)
{
    try {
        return Run(arguments);
    } catch (const cli::UsageError &error) {
        cli::PrintError(error.what());
        return cli::kExitUsage;
    } catch (const cli::FailedError &error) {
        cli::PrintError(error.what());
        return cli::kExitFailed;
    }
}

#ifdef _WIN32

// Windows passes the arguments as UTF-16. The program holds them as UTF-8, which the
// core turns back into UTF-16 where it opens a file, so that any folder name works.
std::optional<std::vector<std::string>> Utf8Arguments(int argc, wchar_t *argv[])
{
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        std::optional<std::string> argument = mms::Utf8FromWide(argv[i]);
        if (!argument) {
            cli::PrintError("argument " + std::to_string(i) + " is not valid Unicode");
            return std::nullopt;
        }
        arguments.push_back(std::move(*argument));
    }
    return arguments;
}

#endif

} // namespace

#ifdef _WIN32

int wmain(int argc, wchar_t *argv[])
{
    // A console shows the UTF-8 names in the messages as letters; the console's own
    // code page is given back as it was.
    const UINT consoleCodePage = GetConsoleOutputCP();
    SetConsoleOutputCP(CP_UTF8);
    const std::optional<std::vector<std::string>> arguments = Utf8Arguments(argc, argv);
    const int status = arguments ? Main(*arguments) : cli::kExitUsage;
    SetConsoleOutputCP(consoleCodePage);
    return status;
}

#else

int main(int argc, char *argv[])
{
    // Arguments are bytes and stay so: a folder's name need not be UTF-8.
    return Main({argv + 1, argv + argc});
}

#endif
