#pragma once

#include <QStringList>

// Each takes the arguments from the subcommand's name on and returns the exit status;
// bad options throw UsageError.
int RunCameraCommand(const QStringList &arguments);
int RunMmsCommand(const QStringList &arguments);
int RunEmailCommand(const QStringList &arguments);
int RunCatalogueCommand(const QStringList &arguments);
int RunInspectCommand(const QStringList &arguments);
int RunStringsCommand(const QStringList &arguments);
