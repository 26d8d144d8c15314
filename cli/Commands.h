#pragma once

#include <string>
#include <vector>

namespace cli {

// Each takes the arguments after the command's name and returns the exit status;
// bad options throw UsageError.
int RunCameraCommand(const std::vector<std::string> &arguments);
int RunMmsCommand(const std::vector<std::string> &arguments);
int RunEmailCommand(const std::vector<std::string> &arguments);
int RunCatalogueCommand(const std::vector<std::string> &arguments);
int RunInspectCommand(const std::vector<std::string> &arguments);
int RunCheckCommand(const std::vector<std::string> &arguments);
int RunStringsCommand(const std::vector<std::string> &arguments);

} // namespace cli
