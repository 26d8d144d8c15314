#pragma once

#include "settings/Bytes.h"

#include <QString>

#include <functional>
#include <string>

class QObject;

// Puts a composed settings file at a path: true when written, else false with the
// system's reason.
using FileWriter = std::function<bool(const std::string &path, mms::ByteView bytes, std::string *reason)>;

// Generate's write, off the interface thread: a failing card reader can hang in open
// or fsync for minutes. `done(written, reason)` runs on `context`'s thread when the
// write ends, unless `context` is gone by then.
void WriteSettingsFile(QObject *context, const QString &path, mms::Bytes bytes,
                       std::function<void(bool written, const QString &reason)> done);

// Every later Generate writes through `writer`; mms::ReplaceFile until then.
void UseFileWriter(FileWriter writer);
