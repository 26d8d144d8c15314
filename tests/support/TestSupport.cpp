#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>

QByteArray ToQ(mms::ByteView bytes)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

mms::Bytes ToBytes(const QByteArray &bytes)
{
    return mms::Bytes(bytes.begin(), bytes.end());
}

std::string Utf8(const QString &text)
{
    return text.toStdString();
}

QByteArray Hex(const char *hex)
{
    return QByteArray::fromHex(hex);
}

QByteArray TextLine(const QByteArray &placed, int length)
{
    return placed + QByteArray(50 - placed.size(), char(0xFF)) + QByteArray(7, '\0') + char(length) + "\r\n";
}

QByteArray LineOf(const QByteArray &file, int line)
{
    return file.mid(line * 60, 60);
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QStringList FolderEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

bool WriteReadOnlyFile(const QString &path, const QByteArray &content)
{
    return WriteFile(path, content)
        && QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
}

CliResult RunCli(const QStringList &arguments, const QString &workingFolder)
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

QJsonObject InspectJson(const QString &path, int *exitCode)
{
    const CliResult inspected = RunCli({QStringLiteral("inspect"), QStringLiteral("--json"), path});
    if (exitCode)
        *exitCode = inspected.exitCode;
    return QJsonDocument::fromJson(inspected.out).object();
}
