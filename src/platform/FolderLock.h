// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The advisory lock of a folder: a lock file holding the id of the process
// that has the folder open, locked by the system for as long as that process
// keeps it, so a process that ends, however it ends, leaves no lock behind.
#include <filesystem>
#include <memory>

namespace ktq {

// The lock file's name: it names no level and is no ".txt" file, so it is
// never offered as a pool.
inline constexpr const char* kFolderLockFile = ".ktqtests.lock";

class FolderLock {
  public:
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    struct Attempt {
        std::unique_ptr<FolderLock> lock;  // taken
        long holder = 0;                   // the other process, when `held`
        bool held = false;                 // another process holds it
        int error = 0;                     // why neither, the system's reason
    };
    // Neither taken nor held: the folder cannot hold a lock file (read-only,
    // or a link or a folder in its place).
    static Attempt Take(const std::filesystem::path& folder);

  private:
    FolderLock(int fd, std::filesystem::path file) : fd_(fd), file_(std::move(file)) {}
    int fd_;
    std::filesystem::path file_;
};

}  // namespace ktq
