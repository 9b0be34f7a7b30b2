#include "platform/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>

#include "text/CodePage.h"
#include "text/TextEncoding.h"

namespace ktq {
namespace fs = std::filesystem;

namespace {

std::optional<std::size_t> g_failAfterBytes;

std::string Quoted(const Text& name) {
    return "\"" + name + "\"";
}

std::string SystemReason() {
    return std::strerror(errno);
}

std::string Serialise(const LineList& lines) {
    std::size_t total = 0;
    for (const Text& l : lines) total += l.size() + 2;
    std::string bytes;
    bytes.reserve(total);
    for (const Text& l : lines) {
        bytes.append(l);
        bytes.append("\r\n");
    }
    return bytes;
}

}  // namespace

fs::path OsPath(const Text& name) {
    return fs::path(Cp1252ToUtf8(name));
}

Text FromOsName(const fs::path& path) {
    return Utf8ToCp1252(path.string());
}

LineList ParseLines(std::string_view bytes) {
    return SplitLines(DecodeSavedText(bytes));
}

std::string ReadFileBytes(const fs::path& path, const Text& shown) {
    // Without blocking: a named pipe under a pool's name must not hang the
    // program, and only a regular file is read at all.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw IoError("Cannot open file " + Quoted(shown) + ": " + SystemReason());
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const std::string reason = SystemReason();
        ::close(fd);
        throw IoError("Cannot read file " + Quoted(shown) + ": " + reason);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        throw IoError("Cannot read file " + Quoted(shown) +
                      (S_ISDIR(st.st_mode) ? ": it is a folder" : ": it is not a regular file"));
    }
    if (st.st_size > kLargestReadableFile) {
        ::close(fd);
        throw IoError(TooLargeMessage(shown));
    }
    std::string bytes;
    try {
        bytes.resize(static_cast<std::size_t>(st.st_size));
    } catch (const std::bad_alloc&) {
        ::close(fd);
        throw IoError(TooLargeMessage(shown));
    }
    std::size_t done = 0;
    // The size is read again to the end: a file may grow while it is read,
    // up to the same bound.
    for (;;) {
        if (done == bytes.size()) {
            if (bytes.size() >= static_cast<std::size_t>(kLargestReadableFile))
                break;
            bytes.resize(std::min<std::size_t>(bytes.size() + 65536, kLargestReadableFile));
        }
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const std::string reason = SystemReason();
            ::close(fd);
            throw IoError("Cannot read file " + Quoted(shown) + ": " + reason);
        }
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes.resize(done);
    return bytes;
}

std::string TooLargeMessage(const Text& name) {
    return "The file " + Quoted(name) +
           " is too large to read: a text or picture of this program "
           "holds at most " +
           std::to_string(kLargestReadableFile / (1024 * 1024)) + " MB";
}

std::string ReadBytes(const Text& name) {
    return ReadFileBytes(OsPath(name), name);
}

LineList ReadLines(const Text& name) {
    std::error_code ec;
    if (fs::is_directory(OsPath(name), ec))
        throw IoError("Cannot open file " + Quoted(name) + ": it is a folder");
    try {
        return ParseLines(ReadBytes(name));
    } catch (const std::bad_alloc&) {
        throw IoError(TooLargeMessage(name));
    }
}

namespace {

// A temporary name of our own beside the file: created new, never through a
// link someone planted under a name we might use.
int CreateTemporaryBeside(const fs::path& path, fs::path& temp) {
    static unsigned serial = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = path;
        temp += ".ktq-part-" + std::to_string(::getpid()) + "-" + std::to_string(++serial);
        const int fd =
            ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Writes everything; the error number of the first failure, 0 on success.
int WriteAll(int fd, std::string_view bytes) {
    std::size_t toWrite = bytes.size();
    const bool injected = g_failAfterBytes && *g_failAfterBytes < toWrite;
    if (injected)
        toWrite = *g_failAfterBytes;
    std::size_t done = 0;
    while (done < toWrite) {
        const ssize_t n = ::write(fd, bytes.data() + done, toWrite - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        done += static_cast<std::size_t>(n);
    }
    return injected ? ENOSPC : 0;
}

}  // namespace

void WriteBytesReplacing(const fs::path& path, std::string_view bytes) {
    const Text shown = FromOsName(path);
    fs::path temp;
    const int fd = CreateTemporaryBeside(path, temp);
    if (fd < 0)
        throw IoError("Cannot create file " + Quoted(shown) + ": " + SystemReason());
    int failure = WriteAll(fd, bytes);
    // On disk before the rename, so a power cut cannot leave an empty file
    // where a good one stood.
    if (failure == 0 && ::fsync(fd) != 0)
        failure = errno;
    if (::close(fd) != 0 && failure == 0)
        failure = errno;
    if (failure == 0 && ::rename(temp.c_str(), path.c_str()) != 0) {
        failure = errno;
        ::unlink(temp.c_str());
        throw IoError("Cannot replace file " + Quoted(shown) + ": " + std::strerror(failure));
    }
    if (failure != 0) {
        ::unlink(temp.c_str());
        throw IoError("Cannot write file " + Quoted(shown) + ": " + std::strerror(failure));
    }
}

void WriteLinesReplacing(const Text& name, const LineList& lines) {
    WriteBytesReplacing(OsPath(name), Serialise(lines));
}

void AppendLine(const Text& name, const Text& line) {
    fs::path p = OsPath(name);
    std::error_code ec;
    if (!fs::is_regular_file(p, ec))
        throw IoError("Cannot open file " + Quoted(name) + " for appending: file not found");
    std::FILE* f = std::fopen(p.c_str(), "ab");
    if (f == nullptr)
        throw IoError("Cannot open file " + Quoted(name) + " for appending: " + SystemReason());
    std::string bytes = line + "\r\n";
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fflush(f) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (!ok)
        throw IoError("Cannot write file " + Quoted(name) + ": " + SystemReason());
}

bool CopyFileOver(const Text& from, const Text& to) {
    std::error_code ec;
    if (!fs::is_regular_file(OsPath(from), ec))
        return false;
    try {
        WriteBytesReplacing(OsPath(to), ReadBytes(from));
    } catch (const IoError&) {
        return false;
    }
    return true;
}

std::int64_t FileSizeOf(const Text& name) {
    std::error_code ec;
    fs::path p = OsPath(name);
    fs::file_status st = fs::status(p, ec);
    if (ec || !fs::exists(st))
        return -1;
    if (fs::is_directory(st))
        return 0;
    auto size = fs::file_size(p, ec);
    return ec ? -1 : static_cast<std::int64_t>(size);
}

bool FileExists(const Text& name) {
    std::error_code ec;
    return fs::is_regular_file(OsPath(name), ec);
}

bool PresentAndNotEmpty(const Text& name) {
    return FileExists(name) && FileSizeOf(name) > 0;
}

bool RenameFile(const Text& from, const Text& to) {
    std::error_code ec;
    // A rename never replaces an existing file, as on the original platform.
    if (fs::exists(OsPath(to), ec))
        return false;
    fs::rename(OsPath(from), OsPath(to), ec);
    return !ec;
}

void ListFolderFiles(const Text& folder, LineList& list) {
    std::error_code ec;
    fs::directory_iterator it(OsPath(folder.empty() ? Text(".") : folder), ec);
    if (ec)
        return;
    LineList names;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec)
            break;
        std::error_code typeEc;
        if (it->is_directory(typeEc))
            continue;
        names.push_back(FromOsName(it->path().filename()));
    }
    std::sort(names.begin(), names.end(), [](const Text& a, const Text& b) {
        Text la = LowerAscii(a), lb = LowerAscii(b);
        return la != lb ? la < lb : a < b;
    });
    list.insert(list.end(), names.begin(), names.end());
}

namespace testing {
void FailWritesAfterBytes(std::optional<std::size_t> bytes) {
    g_failAfterBytes = bytes;
}
}  // namespace testing

}  // namespace ktq
