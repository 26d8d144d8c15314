#include "settings/FileAccess.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <string_view>

#ifdef _WIN32
#include "settings/WindowsText.h"

#include <windows.h>
// windows.h makes ReplaceFile a macro for its own ReplaceFileW.
#undef ReplaceFile
#else
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace mms {
namespace {

// A temporary of an interrupted write is removed once it is this old, so that a
// concurrent writer's temporary is never touched.
constexpr std::chrono::seconds kStaleTemporaryAge(60);
constexpr std::string_view kTemporaryMark = ".tmp-";
constexpr size_t kTemporarySuffixLength = 6;

bool Fail(std::string *reason, std::string text)
{
    if (reason)
        *reason = std::move(text);
    return false;
}

struct PathParts {
    std::string folder;
    std::string name;
};

bool IsSeparator(char c)
{
#ifdef _WIN32
    return c == '/' || c == '\\';
#else
    return c == '/';
#endif
}

PathParts SplitPath(const std::string &path)
{
    size_t end = path.size();
    while (end > 0 && !IsSeparator(path[end - 1]))
        --end;
    if (end == 0)
        return {".", path};
    // The folder keeps its separator, so that "/" and "C:\" stay roots.
    return {path.substr(0, end), path.substr(end)};
}

// NAME.tmp-XXXXXX: the pattern of this target's temporaries.
bool IsTemporaryOf(std::string_view entry, std::string_view name)
{
    return entry.size() == name.size() + kTemporaryMark.size() + kTemporarySuffixLength
        && entry.substr(0, name.size()) == name && entry.substr(name.size(), kTemporaryMark.size()) == kTemporaryMark;
}

#ifdef _WIN32

std::string SystemMessage(DWORD code)
{
    wchar_t *buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t *>(&buffer), 0, nullptr);
    std::wstring message(buffer ? buffer : L"", length);
    LocalFree(buffer);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L'.'))
        message.pop_back();
    const std::optional<std::string> text = Utf8FromWide(message);
    return text && !text->empty() ? *text : "Error " + std::to_string(code);
}

bool FailWithSystem(std::string *reason)
{
    return Fail(reason, SystemMessage(GetLastError()));
}

void RemoveStaleTemporaries(const PathParts &parts)
{
    const std::wstring folder = WideFromUtf8(parts.folder);
    WIN32_FIND_DATAW entry;
    const HANDLE search = FindFirstFileW((folder + WideFromUtf8(parts.name) + L".tmp-*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return;
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const auto ticks = [](const FILETIME &t) { return ULONGLONG(t.dwHighDateTime) << 32 | t.dwLowDateTime; };
    constexpr ULONGLONG kTicksPerSecond = 10000000;
    do {
        const bool stale = ticks(now) - ticks(entry.ftLastWriteTime) > kStaleTemporaryAge.count() * kTicksPerSecond;
        if (stale && IsTemporaryOf(Utf8FromWide(entry.cFileName).value_or(""), parts.name))
            DeleteFileW((folder + entry.cFileName).c_str());
    } while (FindNextFileW(search, &entry));
    FindClose(search);
}

// Why the target cannot be replaced, checked by the program itself: Windows would
// refuse a read-only file, but other systems that run the program do not.
bool CheckTarget(const std::wstring &target, const PathParts &parts, std::string *reason)
{
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD folder = GetFileAttributesW(WideFromUtf8(parts.folder).c_str());
        if (folder == INVALID_FILE_ATTRIBUTES || !(folder & FILE_ATTRIBUTE_DIRECTORY))
            return Fail(reason, "No such folder");
        return true;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return Fail(reason, "A folder of that name is in the way");
    if (attributes & FILE_ATTRIBUTE_READONLY)
        return Fail(reason, "The file is read-only");
    return true;
}

bool WriteAll(HANDLE file, ByteView bytes, std::string *reason)
{
    while (!bytes.empty()) {
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr))
            return FailWithSystem(reason);
        bytes = bytes.subspan(written);
    }
    return FlushFileBuffers(file) || FailWithSystem(reason);
}

} // namespace

bool ReplaceFile(const std::string &path, ByteView bytes, std::string *reason)
{
    if (path.empty())
        return Fail(reason, "No file name");
    const PathParts parts = SplitPath(path);
    const std::wstring target = WideFromUtf8(path);
    if (!CheckTarget(target, parts, reason))
        return false;
    RemoveStaleTemporaries(parts);
    // The new file takes the old one's hidden, system and archive attributes, as a
    // replaced file keeps its permission bits elsewhere.
    const DWORD oldAttributes = GetFileAttributesW(target.c_str());
    const DWORD kept = oldAttributes == INVALID_FILE_ATTRIBUTES
        ? 0
        : oldAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE);
    std::wstring temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (unsigned attempt = 0; file == INVALID_HANDLE_VALUE; ++attempt) {
        wchar_t suffix[kTemporarySuffixLength + 1];
        swprintf(suffix, kTemporarySuffixLength + 1, L"%06lX",
                 (GetTickCount() ^ GetCurrentProcessId() * 2654435761u ^ attempt * 40503u) & 0xFFFFFF);
        temporary = target + L".tmp-" + suffix;
        file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           kept ? kept : FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && (GetLastError() != ERROR_FILE_EXISTS || attempt > 100))
            return FailWithSystem(reason);
    }
    const bool written = WriteAll(file, bytes, reason);
    CloseHandle(file);
    if (written && MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    if (written)
        FailWithSystem(reason);
    DeleteFileW(temporary.c_str());
    return false;
}

bool ReadRegularFile(const std::string &path, size_t limit, FileContent &content, std::string *reason)
{
    const HANDLE file = CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return FailWithSystem(reason);
    BY_HANDLE_FILE_INFORMATION info;
    bool ok = GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &info);
    if (!ok || (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        CloseHandle(file);
        return Fail(reason, ok ? "It is a folder" : "It is not a regular file");
    }
    content.size = uint64_t(info.nFileSizeHigh) << 32 | info.nFileSizeLow;
    content.bytes.resize(limit);
    DWORD read = 0;
    ok = ReadFile(file, content.bytes.data(), DWORD(limit), &read, nullptr);
    content.bytes.resize(ok ? read : 0);
    if (!ok)
        FailWithSystem(reason);
    CloseHandle(file);
    return ok;
}

#else // POSIX

bool FailWithErrno(std::string *reason, int error = errno)
{
    return Fail(reason, std::strerror(error));
}

// A new file gets the usual 0666 less the umask, which can only be read by setting it.
mode_t NewFileMode()
{
    static std::mutex umaskLock;
    const std::lock_guard lock(umaskLock);
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

void RemoveStaleTemporaries(const PathParts &parts)
{
    DIR *folder = opendir(parts.folder.c_str());
    if (!folder)
        return;
    const auto now = std::chrono::system_clock::now();
    while (const dirent *entry = readdir(folder)) {
        if (!IsTemporaryOf(entry->d_name, parts.name))
            continue;
        struct stat status;
        if (fstatat(dirfd(folder), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(status.st_mode)
            && now - std::chrono::system_clock::from_time_t(status.st_mtime) > kStaleTemporaryAge)
            unlinkat(dirfd(folder), entry->d_name, 0);
    }
    closedir(folder);
}

// The file a symbolic link points to, or the path itself.
bool ResolveLink(const std::string &path, std::string &target, std::string *reason)
{
    struct stat status;
    if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
        target = path;
        return true;
    }
    char resolved[PATH_MAX];
    if (!realpath(path.c_str(), resolved))
        return FailWithErrno(reason);
    target = resolved;
    return true;
}

// Checks the target and finds the permission bits the new file gets.
bool CheckTarget(const std::string &target, const PathParts &parts, mode_t &mode, std::string *reason)
{
    struct stat status;
    if (stat(target.c_str(), &status) != 0) {
        if (errno != ENOENT)
            return FailWithErrno(reason);
        struct stat folder;
        if (stat(parts.folder.c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode))
            return Fail(reason, "No such folder");
        mode = NewFileMode();
        return true;
    }
    if (S_ISDIR(status.st_mode))
        return Fail(reason, "A folder of that name is in the way");
    if (!S_ISREG(status.st_mode))
        return Fail(reason, "Something that is not a regular file is in the way");
    // An administrator may write anywhere, but a file without write bits is read-only
    // for us as it is for the camera's card.
    if (!(status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)))
        return Fail(reason, "The file is read-only");
    if (access(target.c_str(), W_OK) != 0)
        return FailWithErrno(reason);
    mode = status.st_mode & 07777;
    return true;
}

bool WriteAll(int fd, ByteView bytes, mode_t mode, std::string *reason)
{
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return FailWithErrno(reason, written < 0 ? errno : EIO);
        bytes = bytes.subspan(size_t(written));
    }
    if (fchmod(fd, mode) != 0 || fsync(fd) != 0)
        return FailWithErrno(reason);
    return true;
}

// Makes the rename itself durable. Some file systems cannot sync a folder; the file's
// own data is already on the medium then, so that is no failure.
void SyncFolder(const std::string &folder)
{
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

} // namespace

bool ReplaceFile(const std::string &path, ByteView bytes, std::string *reason)
{
    if (path.empty())
        return Fail(reason, "No file name");
    std::string target;
    if (!ResolveLink(path, target, reason))
        return false;
    const PathParts parts = SplitPath(target);
    mode_t mode = 0;
    if (!CheckTarget(target, parts, mode, reason))
        return false;
    RemoveStaleTemporaries(parts);
    std::string temporary = target + std::string(kTemporaryMark) + std::string(kTemporarySuffixLength, 'X');
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return FailWithErrno(reason);
    bool replaced = WriteAll(fd, bytes, mode, reason);
    if (close(fd) != 0 && replaced)
        replaced = FailWithErrno(reason);
    if (replaced && rename(temporary.c_str(), target.c_str()) != 0)
        replaced = FailWithErrno(reason);
    if (!replaced) {
        unlink(temporary.c_str());
        return false;
    }
    SyncFolder(parts.folder);
    return true;
}

bool ReadRegularFile(const std::string &path, size_t limit, FileContent &content, std::string *reason)
{
    // Looked at before opening, as opening a device can act on it; a named pipe would
    // wait for a writer.
    struct stat status;
    if (stat(path.c_str(), &status) != 0)
        return FailWithErrno(reason);
    if (S_ISDIR(status.st_mode))
        return Fail(reason, "It is a folder");
    if (!S_ISREG(status.st_mode))
        return Fail(reason, "It is not a regular file");
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return FailWithErrno(reason);
    bool ok = fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    if (!ok)
        Fail(reason, "It is not a regular file");
    content.size = uint64_t(status.st_size);
    content.bytes.resize(limit);
    size_t filled = 0;
    while (ok && filled < limit) {
        const ssize_t got = read(fd, content.bytes.data() + filled, limit - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            ok = FailWithErrno(reason);
        if (got <= 0)
            break;
        filled += size_t(got);
    }
    content.bytes.resize(filled);
    close(fd);
    return ok;
}

#endif

} // namespace mms
