#include "ui/SettingsFileWrite.h"

#include "settings/FileAccess.h"
#include "ui/CoreText.h"
#include "ui/RunDetached.h"

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
void WriteSettingsFile(QObject *context, const QString &path, mms::Bytes bytes,
                       std::function<void(bool written, const QString &reason)> done)
{
    RunDetached(
        context,
        [write = CurrentWriter(), path = ToCorePath(path), bytes = std::move(bytes)] {
            WriteOutcome outcome;
            outcome.written = write(path, bytes, &outcome.reason);
            return outcome;
        },
        [done = std::move(done)](const WriteOutcome &outcome) { done(outcome.written, FromCore(outcome.reason)); });
}

void UseFileWriter(FileWriter writer)
{
    CurrentWriter() = std::move(writer);
}
