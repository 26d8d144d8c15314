#include "CliSupport.h"

#include "SettingsFileWriter.h"

#include <QDir>

#include <cstdio>

void PrintError(const QString &message)
{
    std::fprintf(stderr, "mms-setup-cli: %s\n", qPrintable(message));
}

void PrintOut(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stdout);
}

void WriteStdout(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void ParseOrThrow(QCommandLineParser &parser, const QStringList &arguments)
{
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    parser.addOption(help);
    if (!parser.parse(arguments))
        throw UsageError(parser.errorText());
    if (parser.isSet(help)) {
        PrintOut(parser.helpText());
        std::exit(kExitOk);
    }
}

int ChoiceValue(const QCommandLineParser &parser, const QString &option, const QStringList &names, int fallback)
{
    if (!parser.isSet(option))
        return fallback;
    const QString value = parser.value(option);
    for (int i = 0; i < names.size(); ++i) {
        if (names[i].compare(value, Qt::CaseInsensitive) == 0)
            return i;
    }
    throw UsageError(QStringLiteral("--%1 must be one of %2, not \"%3\"")
                         .arg(option, names.join(QStringLiteral(", ")), value));
}

int NumberValue(const QCommandLineParser &parser, const QString &option, int min, int max, int fallback)
{
    if (!parser.isSet(option))
        return fallback;
    const QString value = parser.value(option);
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok || number < min || number > max || value.trimmed() != value)
        throw UsageError(QStringLiteral("--%1 must be a whole number from %2 to %3, not \"%4\"")
                             .arg(option).arg(min).arg(max).arg(value));
    return number;
}

bool SwitchValue(const QCommandLineParser &parser, const QString &option, bool fallback)
{
    return ChoiceValue(parser, option, {QStringLiteral("off"), QStringLiteral("on")}, fallback ? 1 : 0) == 1;
}

QCommandLineOption OutOption()
{
    return QCommandLineOption(QStringLiteral("out"),
                              QStringLiteral("Folder to write into (default: the current folder); "
                                             "\"-\" writes the file to standard output."),
                              QStringLiteral("DIR"), QStringLiteral("."));
}

OutputTarget OutputTargetFor(const QCommandLineParser &parser, const QString &fileName)
{
    const QString out = parser.value(QStringLiteral("out"));
    if (out == QLatin1String("-"))
        return {true, QString()};
    return {false, QDir(out).filePath(fileName)};
}

int EmitSettingsFile(const OutputTarget &target, const QByteArray &content)
{
    if (target.toStdout) {
        WriteStdout(content);
        return kExitOk;
    }
    QString error;
    if (!WriteSettingsFile(target.path, content, &error)) {
        PrintError(QStringLiteral("cannot write %1: %2").arg(QDir::toNativeSeparators(target.path), error));
        return kExitFailed;
    }
    PrintOut(QStringLiteral("wrote %1\n").arg(QDir::toNativeSeparators(target.path)));
    return kExitOk;
}
