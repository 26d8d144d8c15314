#include "ui/SettingsFileWrite.h"

#include "settings/FileAccess.h"
#include "ui/CoreText.h"
#include "ui/Program.h"
#include "ui/RunDetached.h"

#include <QPushButton>

namespace {

struct WriteOutcome {
    bool written = false;
    std::string reason;
};

FileWriter &CurrentWriter()
{
    static FileWriter writer = [](const std::string &path, mms::ByteView bytes, std::string *reason) {
        return mms::ReplaceFile(path, bytes, reason);
    };
    return writer;
}

} // namespace

// Nobody waits for the write when the program ends: the file only takes the old one's
// place in its last step, so a write cut short leaves the old file as it was.
void WriteSettingsFile(QPushButton *generate, GenerationResults results, const QString &path,
                       std::optional<mms::Bytes> file, const std::string &composeFailure)
{
    if (!file) {
        ReportGeneration(results.failed, FromCore(composeFailure));
        return;
    }
    generate->setEnabled(false);
    RunDetached(
        generate,
        [write = CurrentWriter(), path = ToCorePath(path), bytes = std::move(*file)] {
            WriteOutcome outcome;
            outcome.written = write(path, bytes, &outcome.reason);
            return outcome;
        },
        [generate, results](const WriteOutcome &outcome) {
            generate->setEnabled(true);
            ReportGeneration(outcome.written ? results.generated : results.failed, FromCore(outcome.reason));
        });
}

void UseFileWriter(FileWriter writer)
{
    CurrentWriter() = std::move(writer);
}
