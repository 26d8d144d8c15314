#pragma once

#include "settings/Bytes.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>

class QPushButton;

// Puts a composed settings file at a path: true when written, else false with the
// system's reason.
using FileWriter = std::function<bool(const std::string &path, mms::ByteView bytes, std::string *reason)>;

// What one dialog's Generate reports.
struct GenerationResults {
    int generated;
    int failed;
};

// Generate's write, off the interface thread: a failing card reader can hang in open
// or fsync for minutes. `generate` stays disabled until the write ends; then the result
// dialog reports it, as ReportGeneration does. A file that could not be composed
// (`file` empty) is reported failed with `composeFailure` at once.
void WriteSettingsFile(QPushButton *generate, GenerationResults results, const QString &path,
                       std::optional<mms::Bytes> file, const std::string &composeFailure = {});

// Every later Generate writes through `writer`; mms::ReplaceFile until then.
void UseFileWriter(FileWriter writer);
