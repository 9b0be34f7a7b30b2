// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file system that fails on purpose, around the real one: a write that
// stops after some bytes as a full disk does, or a rename that is refused.
// What it does not fail, the real disk does.
#include <cerrno>
#include <optional>

#include "platform/FileSystem.h"

namespace ktq::testsupport {

class FailingFileSystem : public FileSystem {
  public:
    explicit FailingFileSystem(FileSystem& real) : real_(real) {}

    // Every new file gets this many bytes, then the disk is full.
    void FailWritesAfter(std::optional<std::size_t> bytes) { writeLimit_ = bytes; }
    // Appends fail at once, as on a disk that is full.
    void FailAppends(bool fail) { failAppends_ = fail; }
    // Renames are refused with this error number.
    void FailRenames(std::optional<int> error) { renameError_ = error; }

    Text Folder() override { return real_.Folder(); }
    std::optional<EntryInfo> Stat(const FileName& name) override { return real_.Stat(name); }
    std::vector<FileName> ListFiles() override { return real_.ListFiles(); }
    std::string Read(const FileName& name, std::int64_t limit) override {
        return real_.Read(name, limit);
    }
    int CreateNew(const FileName& name, const std::vector<std::string_view>& pieces) override {
        if (!writeLimit_)
            return real_.CreateNew(name, pieces);
        // The pieces up to the limit reach the disk, then it is full.
        std::vector<std::string_view> written;
        std::size_t room = *writeLimit_;
        for (std::string_view piece : pieces) {
            if (piece.size() > room) {
                written.push_back(piece.substr(0, room));
                const int failure = real_.CreateNew(name, written);
                return failure != 0 ? failure : ENOSPC;
            }
            written.push_back(piece);
            room -= piece.size();
        }
        return real_.CreateNew(name, pieces);
    }
    int RenameOver(const FileName& from, const FileName& to) override {
        return renameError_ ? *renameError_ : real_.RenameOver(from, to);
    }
    int Append(const FileName& name, std::string_view bytes) override {
        return failAppends_ ? ENOSPC : real_.Append(name, bytes);
    }
    void Remove(const FileName& name) override { real_.Remove(name); }
    // The folder's lock cannot be taken, for this reason.
    void FailLock(int error) { lockError_ = error; }

    FolderLockResult LockFolder() override {
        return lockError_ ? FolderLockResult{FolderLockResult::Impossible, 0, lockError_}
                          : real_.LockFolder();
    }
    void UnlockFolder() override { real_.UnlockFolder(); }

  private:
    FileSystem& real_;
    std::optional<std::size_t> writeLimit_;
    std::optional<int> renameError_;
    bool failAppends_ = false;
    int lockError_ = 0;
};

}  // namespace ktq::testsupport
