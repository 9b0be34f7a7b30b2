// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DiskFileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "platform/IoError.h"
#include "platform/TextFile.h"

namespace ktq {
namespace fs = std::filesystem;

namespace {

// Writes everything; the error number of the first failure, 0 on success.
int WriteAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

// The pieces gathered into blocks of a useful size: small lines are not
// written one system call each.
int WriteAll(int fd, const std::vector<std::string_view>& pieces) {
    constexpr std::size_t kBlock = 64 * 1024;
    std::string block;
    block.reserve(kBlock);
    for (std::string_view piece : pieces) {
        if (block.size() + piece.size() > kBlock) {
            if (const int failure = WriteAll(fd, block); failure != 0)
                return failure;
            block.clear();
        }
        if (piece.size() >= kBlock) {
            if (const int failure = WriteAll(fd, piece); failure != 0)
                return failure;
        } else {
            block.append(piece);
        }
    }
    return WriteAll(fd, block);
}

// Closes the descriptor when the read is over, however it ends.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

}  // namespace

DiskFileSystem::DiskFileSystem(fs::path folder) : folder_(std::move(folder)) {}

DiskFileSystem::~DiskFileSystem() = default;

fs::path DiskFileSystem::PathOf(const FileName& name) const {
    return folder_ / fs::path(name.System());
}

Text DiskFileSystem::Folder() {
    std::error_code ec;
    const fs::path full = fs::absolute(folder_, ec);
    return FileName::FromSystem((ec ? folder_ : full).lexically_normal().string()).Shown();
}

std::optional<EntryInfo> DiskFileSystem::Stat(const FileName& name) {
    const fs::path path = PathOf(name);
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return std::nullopt;
        return EntryInfo{EntryKind::Unreachable, 0, false, 0, errno};
    }
    EntryInfo info;
    info.link = S_ISLNK(st.st_mode);
    if (info.link && ::stat(path.c_str(), &st) != 0) {
        info.kind = EntryKind::Unreachable;
        info.error = errno;
        return info;
    }
    info.kind = S_ISREG(st.st_mode)   ? EntryKind::File
                : S_ISDIR(st.st_mode) ? EntryKind::Folder
                                      : EntryKind::Other;
    info.size = info.kind == EntryKind::File ? static_cast<std::int64_t>(st.st_size) : 0;
    info.modified = static_cast<std::int64_t>(st.st_mtim.tv_sec);
    return info;
}

std::vector<FileName> DiskFileSystem::ListFiles() {
    std::vector<FileName> names;
    std::error_code ec;
    fs::directory_iterator it(folder_, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code typeEc;
        if (!it->is_directory(typeEc))
            names.push_back(FileName::FromSystem(it->path().filename().string()));
    }
    if (ec)
        throw IoError("Cannot list the folder " + FileName::FromSystem(folder_.string()).Quoted() +
                      ": " + ec.message());
    return names;
}

std::string DiskFileSystem::Read(const FileName& name, std::int64_t limit) {
    // Without blocking: a named pipe under a pool's name must not hang the
    // program, and only a regular file is read at all.
    const Descriptor file{::open(PathOf(name).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (file.fd < 0)
        throw IoError("Cannot open file " + name.Quoted() + ": " + std::strerror(errno));
    struct stat st {};
    if (::fstat(file.fd, &st) != 0)
        throw IoError("Cannot read file " + name.Quoted() + ": " + std::strerror(errno));
    if (S_ISDIR(st.st_mode))
        throw IoError("Cannot open file " + name.Quoted() + ": it is a folder");
    if (!S_ISREG(st.st_mode))
        throw IoError("Cannot read file " + name.Quoted() + ": it is not a regular file");
    if (st.st_size > limit)
        throw IoError(TooLargeMessage(name.Shown()));
    std::string bytes;
    try {
        // One byte more than the size: a file that grew is read to the limit.
        bytes.resize(static_cast<std::size_t>(st.st_size) + 1);
    } catch (const std::bad_alloc&) {
        throw IoError(TooLargeMessage(name.Shown()));
    }
    std::size_t done = 0;
    for (;;) {
        if (done == bytes.size()) {
            if (static_cast<std::int64_t>(bytes.size()) > limit)
                throw IoError(TooLargeMessage(name.Shown()));
            bytes.resize(bytes.size() + 65536);
        }
        const ssize_t n = ::read(file.fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw IoError("Cannot read file " + name.Quoted() + ": " + std::strerror(errno));
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return bytes;
}

int DiskFileSystem::CreateNew(const FileName& name, const std::vector<std::string_view>& pieces) {
    const int fd =
        ::open(PathOf(name).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno;
    int failure = WriteAll(fd, pieces);
    // On disk before anything renames it over a good file, so a power cut
    // cannot leave an empty one in its place.
    if (failure == 0 && ::fsync(fd) != 0)
        failure = errno;
    if (::close(fd) != 0 && failure == 0)
        failure = errno;
    return failure;
}

int DiskFileSystem::RenameOver(const FileName& from, const FileName& to) {
    return ::rename(PathOf(from).c_str(), PathOf(to).c_str()) == 0 ? 0 : errno;
}

int DiskFileSystem::Append(const FileName& name, std::string_view bytes) {
    const int fd = ::open(PathOf(name).c_str(), O_WRONLY | O_APPEND | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno;
    int failure = WriteAll(fd, bytes);
    if (::close(fd) != 0 && failure == 0)
        failure = errno;
    return failure;
}

void DiskFileSystem::Remove(const FileName& name) {
    ::unlink(PathOf(name).c_str());
}

FolderLockResult DiskFileSystem::LockFolder() {
    if (lock_)
        return {};
    FolderLock::Attempt attempt = FolderLock::Take(folder_);
    lock_ = std::move(attempt.lock);
    if (attempt.held)
        return {FolderLockResult::Held, attempt.holder, 0};
    if (!lock_)
        return {FolderLockResult::Impossible, 0, attempt.error};
    return {};
}

void DiskFileSystem::UnlockFolder() {
    lock_.reset();
}

std::unique_ptr<FileSystem> WorkingFolderFiles() {
    std::error_code ec;
    fs::path here = fs::current_path(ec);
    return std::make_unique<DiskFileSystem>(ec ? fs::path(".") : here);
}

}  // namespace ktq
