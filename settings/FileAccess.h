#pragma once

#include "settings/Bytes.h"

#include <cstdint>
#include <string>

namespace mms {

// Replaces the file at `path` by `bytes`, or leaves it byte-identical and says why
// not in `reason` (the system's own message where the system refused).
//
// Refused: a missing folder, a folder or anything else that is not a regular file in
// the way, and a file without any write permission bit, for an administrator too, as
// such a file is read-only on the camera's card. The bytes go to a temporary file in
// the same folder (`NAME.tmp-XXXXXX`, readable by its owner only until complete),
// are flushed to the medium and take the target's place in one rename; the new file
// keeps the old one's permission bits. A symbolic link stays and the file it points
// to is replaced. Temporaries that an interrupted earlier write of the same target
// left behind are removed once they are a minute old. Paths are passed to the
// system as given: on POSIX a name is bytes, not necessarily UTF-8; on Windows
// `path` is UTF-8.
bool ReplaceFile(const std::string &path, ByteView bytes, std::string *reason = nullptr);

// What a read of a small file found: at most `limit` of its bytes, and its true size.
struct FileContent {
    Bytes bytes;
    uint64_t size = 0;
};

// Reads the first `limit` bytes of the regular file at `path`. Anything else (a
// folder, a named pipe, a device) is refused at once, without waiting for a writer.
bool ReadRegularFile(const std::string &path, size_t limit, FileContent &content, std::string *reason = nullptr);

} // namespace mms
