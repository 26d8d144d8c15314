#pragma once

// Runs the built mms-setup-cli (its path comes from the build as MMS_SETUP_CLI).
#include <QProcess>
#include <QStringList>

struct CliResult {
    int exitCode = -1; // -1: did not finish normally
    QByteArray out;
    QByteArray err;
};

inline CliResult RunCli(const QStringList &arguments, const QString &workingFolder = QString())
{
    QProcess process;
    process.setWorkingDirectory(workingFolder);
    process.start(QStringLiteral(MMS_SETUP_CLI), arguments);
    CliResult result;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}
