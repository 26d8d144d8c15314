#pragma once

// Helpers the test programs share. Each returns what it found, for the test to
// verify, so that a failure shows in the test that met it.
#include "settings/Bytes.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <string>

// The core's bytes and texts in Qt's types, and back.
QByteArray ToQ(mms::ByteView bytes);
mms::Bytes ToBytes(const QByteArray &bytes);
std::string Utf8(const QString &text);
QByteArray Hex(const char *hex);

// A text line laid out by hand: the placed (already scrambled) bytes, 0xFF up to byte
// 49, seven zeros, the length byte, CR LF.
QByteArray TextLine(const QByteArray &placed, int length);
// Line `line` (60 bytes) of an MMS or e-mail file.
QByteArray LineOf(const QByteArray &file, int line);

QByteArray ReadFile(const QString &path);
[[nodiscard]] bool WriteFile(const QString &path, const QByteArray &content);
// Every entry of the folder, hidden ones included.
QStringList FolderEntries(const QString &folder);
// Writes the file and takes away every write permission bit, as on a card whose file
// is read-only: the writers refuse it for an administrator too.
[[nodiscard]] bool WriteReadOnlyFile(const QString &path, const QByteArray &content);

struct CliResult {
    int exitCode = -1; // -1: did not finish normally
    QByteArray out;
    QByteArray err;
};

// Runs the built mms-setup-cli in `workingFolder` (the current one when empty).
CliResult RunCli(const QStringList &arguments, const QString &workingFolder = QString());
// `mms-setup-cli inspect --json path`: its exit status and the object it printed.
QJsonObject InspectJson(const QString &path, int *exitCode = nullptr);
