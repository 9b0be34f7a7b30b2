// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The files of the working folder, as the program reaches them: through the
// platform, like the clock and the message box, so that tests can put a
// failing implementation in its place. The steps built on these (replacing a
// file safely, reading lines) are in TextFile.h, the same for every one.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileName.h"
#include "text/Text.h"

namespace ktq {

// Unreachable: the entry is there but cannot be looked at (a link that leads
// nowhere or to itself, a folder that may not be searched); `error` says why.
enum class EntryKind { File, Folder, Other, Unreachable };

struct EntryInfo {
    EntryKind kind = EntryKind::Other;
    std::int64_t size = 0;
    // The name is a symbolic link; kind, size and time are those of its target.
    bool link = false;
    // Last change, in seconds since 1970-01-01 UTC.
    std::int64_t modified = 0;
    // The system's error number of an unreachable entry.
    int error = 0;
};

// What came of asking for the folder's lock.
struct FolderLockResult {
    enum Kind { Taken, Held, Impossible } kind = Taken;
    long holder = 0;  // Held: the process that holds it (0 when unknown)
    int error = 0;    // Impossible: the system's reason
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // Full path of the working folder, without a trailing separator.
    virtual Text Folder() = 0;
    // The entry of that name after following links; empty when there is none.
    virtual std::optional<EntryInfo> Stat(const FileName& name) = 0;
    // The entries of the working folder that are not folders, in no order.
    // Throws IoError with the system's reason when the folder cannot be listed.
    virtual std::vector<FileName> ListFiles() = 0;

    // The whole content of a regular file, at most `limit` bytes; anything
    // else (a pipe, a device, a folder, a larger file) is refused at once.
    // Throws IoError with a message naming the file.
    virtual std::string Read(const FileName& name, std::int64_t limit) = 0;

    // Each returns 0 or the system's error number.
    // Creates the file new and exclusively (never through a link, EEXIST when
    // the name is taken), writes the pieces one after the other and flushes
    // them to disk. In pieces, so a large file is never held whole twice.
    virtual int CreateNew(const FileName& name, const std::vector<std::string_view>& pieces) = 0;
    // Renames, replacing whatever file `to` names.
    virtual int RenameOver(const FileName& from, const FileName& to) = 0;
    // Appends to an existing file.
    virtual int Append(const FileName& name, std::string_view bytes) = 0;
    virtual void Remove(const FileName& name) = 0;

    // The advisory lock of the working folder, so that two windows do not
    // write the same files: taken for this process until UnlockFolder or the
    // process ends. A folder without locks is never held by another.
    virtual FolderLockResult LockFolder() { return {}; }
    virtual void UnlockFolder() {}
};

}  // namespace ktq
