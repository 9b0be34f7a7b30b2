// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/Process.h"

namespace ktq {
namespace {

long HolderIn(int fd) {
    char text[32] = {};
    if (::pread(fd, text, sizeof text - 1, 0) <= 0)
        return 0;
    return std::strtol(text, nullptr, 10);
}

void WriteHolder(int fd) {
    const std::string text = std::to_string(CurrentProcessId()) + "\n";
    if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, text.data(), text.size(), 0) < 0) {
        // The id is for people looking at the file; the lock holds without it.
    }
}

// The last holder removes the file as it lets go, so a lock got on the file
// it had open guards nothing: the name must still lead to that file.
bool StillNamedSo(int fd, const std::filesystem::path& file) {
    struct stat opened {
    }, named{};
    return ::fstat(fd, &opened) == 0 && ::stat(file.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

}  // namespace

FolderLock::Attempt FolderLock::Take(const std::filesystem::path& folder) {
    const std::filesystem::path file = folder / kFolderLockFile;
    for (int attempt = 0; attempt < 5; ++attempt) {
        const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0)
            return {nullptr, 0, false, errno};
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const bool lockedByOther = errno == EWOULDBLOCK;
            const long holder = HolderIn(fd);
            // Without such locks on this file system the id in the file
            // decides: a lock whose process is gone is stale.
            if (lockedByOther || (holder != CurrentProcessId() && ProcessRunning(holder))) {
                ::close(fd);
                return {nullptr, holder, true};
            }
        } else if (!StillNamedSo(fd, file)) {
            ::close(fd);
            continue;
        }
        WriteHolder(fd);
        return {std::unique_ptr<FolderLock>(new FolderLock(fd, file))};
    }
    return {nullptr, 0, false, EAGAIN};
}

FolderLock::~FolderLock() {
    // Removed while still locked, so nobody takes the lock of a file that is
    // about to go.
    ::unlink(file_.c_str());
    ::close(fd_);
}

}  // namespace ktq
