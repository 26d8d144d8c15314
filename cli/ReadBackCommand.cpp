#include "CliSupport.h"
#include "Commands.h"
#include "FileReport.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>

namespace {

const QString kKindTitles[][2] = {
    {QStringLiteral("camera"), QStringLiteral("camera settings")},
    {QStringLiteral("mms"), QStringLiteral("MMS settings")},
    {QStringLiteral("email"), QStringLiteral("e-mail settings")},
    {QStringLiteral("unknown"), QStringLiteral("not a settings file")},
};

QString KindTitle(const QString &kind)
{
    for (const auto &entry : kKindTitles) {
        if (entry[0] == kind)
            return entry[1];
    }
    return kind;
}

} // namespace

int RunInspectCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Decodes settings files, recognised by their size and trailer, and checks their signature and "
        "checksum. Exit status 0 when every file is valid, 1 when one is not, 2 when one cannot be read.\n"
        "Texts are unscrambled. The camera's scrambling is not one-to-one (\")\" and \"m\" give the same "
        "byte, as do five more pairs): such a byte is shown as the letter, digit or sign that the "
        "scrambling changes, since that is what an address or a number holds."));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print one JSON object per file, one per line."));
    parser.addOption(json);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Settings files to inspect."), QStringLiteral("FILE..."));
    ParseOrThrow(parser, arguments);
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty())
        throw UsageError(QStringLiteral("inspect needs at least one FILE"));

    int status = kExitOk;
    for (const QString &path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            PrintError(QStringLiteral("cannot read %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
            status = kExitUsage;
            continue;
        }
        // No settings file is larger than 960 bytes: read a little more, enough to tell.
        const QByteArray data = file.read(4096);
        const InspectReport report = InspectSettingsFile(data);
        if (parser.isSet(json)) {
            QJsonObject object = report.ToJson();
            object.insert(QStringLiteral("file"), path);
            PrintOut(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + QLatin1Char('\n'));
        } else {
            PrintOut(QStringLiteral("%1: %2, %3\n%4")
                         .arg(QDir::toNativeSeparators(path), KindTitle(report.kind),
                              report.Valid() ? QStringLiteral("valid") : QStringLiteral("NOT VALID"), report.ToText()));
        }
        if (!report.Valid() && status == kExitOk)
            status = kExitFailed;
    }
    return status;
}
