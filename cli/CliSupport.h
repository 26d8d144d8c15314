#pragma once

#include <QByteArray>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>
#include <stdexcept>

// Exit statuses of mms-setup-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1; // a write failed, or a file did not pass inspection
inline constexpr int kExitUsage = 2;  // bad options or unreadable input

// Bad input: one line for standard error, exit status 2, nothing written.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const QString &message) : std::runtime_error(message.toStdString()) {}
};

void PrintError(const QString &message);
void PrintOut(const QString &text);
void WriteStdout(const QByteArray &bytes);

// Parses the arguments after the subcommand; --help prints the help and exits.
void ParseOrThrow(QCommandLineParser &parser, const QStringList &arguments);

// The position of the option's value in `names`, compared without regard to case; the
// default when the option is not given.
int ChoiceValue(const QCommandLineParser &parser, const QString &option, const QStringList &names, int fallback);
// A whole number in [min, max]; the default when the option is not given.
int NumberValue(const QCommandLineParser &parser, const QString &option, int min, int max, int fallback);
// "on" -> true, "off" -> false.
bool SwitchValue(const QCommandLineParser &parser, const QString &option, bool fallback);

// Where a subcommand's file goes: DIR/NAME, or standard output for "-".
struct OutputTarget {
    bool toStdout = false;
    QString path;
};
OutputTarget OutputTargetFor(const QCommandLineParser &parser, const QString &fileName);

// Writes a composed settings file to its target and reports; returns the exit status.
int EmitSettingsFile(const OutputTarget &target, const QByteArray &content);

QCommandLineOption OutOption();
