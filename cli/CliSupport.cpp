#include "cli/CliSupport.h"

#include "settings/CameraText.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <optional>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace cli {
namespace {

constexpr size_t kQuotedLength = 40;

// Besides the control characters: the line and paragraph separators, which end a
// line, and the bidirectional embeddings, overrides and isolates, which reorder it.
bool IsHidden(char32_t c)
{
    return mms::IsControlCharacter(c) || (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

void AppendEscaped(std::string &to, std::string_view bytes)
{
    for (const char byte : bytes) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", unsigned(uint8_t(byte)));
        to += escaped;
    }
}

// Appends the first `limit` characters of `text`, printable; false when some were left.
bool AppendPrintable(std::string &to, std::string_view text, size_t limit)
{
    for (size_t count = 0; !text.empty(); ++count) {
        if (count == limit)
            return false;
        const std::string_view rest = text;
        const std::optional<char32_t> c = mms::NextCodePoint(text);
        if (!c)
            text.remove_prefix(1); // a byte that is not UTF-8 counts as one character
        const std::string_view character = rest.substr(0, rest.size() - text.size());
        if (!c || IsHidden(*c))
            AppendEscaped(to, character);
        else
            to += character;
    }
    return true;
}

void Write(std::FILE *stream, std::string_view bytes)
{
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
}

} // namespace

std::string Printable(std::string_view text)
{
    std::string printable;
    AppendPrintable(printable, text, std::numeric_limits<size_t>::max());
    return printable;
}

std::string Quoted(std::string_view value)
{
    std::string quoted = "\"";
    if (!AppendPrintable(quoted, value, kQuotedLength))
        quoted += "...";
    return quoted + '"';
}

std::string_view KindTitle(std::string_view kind)
{
    struct Title {
        std::string_view kind;
        std::string_view title;
    };
    static constexpr Title kTitles[] = {
        {"camera", "camera settings"},
        {"mms", "MMS settings"},
        {"email", "e-mail settings"},
        {"unknown", "not a settings file"},
    };
    const auto entry = std::ranges::find(kTitles, kind, &Title::kind);
    return entry == std::end(kTitles) ? kind : entry->title;
}

std::string OptionName(std::string_view name)
{
    return "--" + std::string(name);
}

void PrintError(std::string_view message)
{
    Write(stderr, "mms-setup-cli: " + Printable(message) + '\n');
}

void PrintOut(std::string_view text)
{
    Write(stdout, text);
}

void PrintDiagnostics(std::string_view text)
{
    Write(stderr, text);
}

void WriteStdout(mms::ByteView bytes)
{
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY); // or every LF of the file would gain a CR
#endif
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

} // namespace cli
