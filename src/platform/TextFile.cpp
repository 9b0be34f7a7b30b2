// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TextFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>

#include "platform/Process.h"

namespace ktq {
namespace {

constexpr std::string_view kTemporaryMark = ".ktq-part-";

// A name of our own beside the file, never one that exists: a link planted
// under a name we might use is not followed.
int CreateTemporaryBeside(FileSystem& files, const FileName& name,
                          const std::vector<std::string_view>& pieces, FileName& temp) {
    static unsigned serial = 0;
    int failure = EEXIST;
    for (int attempt = 0; attempt < 100 && failure == EEXIST; ++attempt) {
        temp = FileName::FromSystem(name.System() + std::string(kTemporaryMark) +
                                    std::to_string(CurrentProcessId()) + "-" +
                                    std::to_string(++serial));
        failure = files.CreateNew(temp, pieces);
    }
    return failure;
}

// The pieces whole on disk under a temporary name beside `name`.
FileName WriteTemporaryBeside(FileSystem& files, const FileName& name,
                              const std::vector<std::string_view>& pieces) {
    FileName temp = name;
    const int failure = CreateTemporaryBeside(files, name, pieces, temp);
    if (failure != 0) {
        // A temporary that was made but not written whole must not stay.
        if (failure != EEXIST)
            files.Remove(temp);
        throw IoError("Cannot write file " + name.Quoted() + ": " + std::strerror(failure));
    }
    return temp;
}

}  // namespace

LineList ParseLines(std::string_view bytes) {
    return SplitLines(DecodeSavedText(bytes));
}

std::string TooLargeMessage(const Text& name) {
    return "The file \"" + name +
           "\" is too large to read: a text or picture of this program "
           "holds at most " +
           std::to_string(kLargestReadableFile / (1024 * 1024)) + " MB";
}

std::string ReadBytes(FileSystem& files, const FileName& name) {
    return files.Read(name, kLargestReadableFile);
}

LineList ReadLines(FileSystem& files, const FileName& name, SavedTextReading* reading) {
    try {
        // The bytes go into the text and are gone before the lines are made.
        const Text text = DecodeSavedText(ReadBytes(files, name), reading);
        return SplitLines(text);
    } catch (const std::bad_alloc&) {
        throw IoError(TooLargeMessage(name.Shown()));
    }
}

void ReplaceFile(FileSystem& files, const FileName& name, std::string_view bytes) {
    ReplaceFile(files, name, std::vector<std::string_view>{bytes});
}

void ReplaceFile(FileSystem& files, const FileName& name,
                 const std::vector<std::string_view>& pieces) {
    const FileName temp = WriteTemporaryBeside(files, name, pieces);
    const int failure = files.RenameOver(temp, name);
    if (failure != 0) {
        files.Remove(temp);
        throw IoError("Cannot replace file " + name.Quoted() + ": " + std::strerror(failure));
    }
}

bool CreateNewFile(FileSystem& files, const FileName& name,
                   const std::vector<std::string_view>& pieces) {
    if (files.Stat(name))
        return false;
    const FileName temp = WriteTemporaryBeside(files, name, pieces);
    // Taken meanwhile: the other file is kept.
    if (files.Stat(name)) {
        files.Remove(temp);
        return false;
    }
    const int failure = files.RenameOver(temp, name);
    if (failure != 0) {
        files.Remove(temp);
        throw IoError("Cannot write file " + name.Quoted() + ": " + std::strerror(failure));
    }
    return true;
}

void WriteLinesReplacing(FileSystem& files, const FileName& name, const LineList& lines) {
    std::vector<std::string_view> pieces;
    pieces.reserve(lines.size() * 2);
    for (const Text& line : lines) {
        pieces.emplace_back(line);
        pieces.emplace_back("\r\n");
    }
    ReplaceFile(files, name, pieces);
}

void AppendLine(FileSystem& files, const FileName& name, const Text& line) {
    const std::optional<EntryInfo> entry = files.Stat(name);
    if (!entry || entry->kind != EntryKind::File)
        throw IoError("Cannot open file " + name.Quoted() +
                      " for appending: " + NotAFileReason(entry));
    const int failure = files.Append(name, line + "\r\n");
    if (failure != 0)
        throw IoError("Cannot write file " + name.Quoted() + ": " + std::strerror(failure));
}

void CopyFileOver(FileSystem& files, const FileName& from, const FileName& to) {
    ReplaceFile(files, to, ReadBytes(files, from));
}

std::int64_t FileSizeOf(FileSystem& files, const FileName& name) {
    const auto info = files.Stat(name);
    return info ? info->size : -1;
}

bool FileExists(FileSystem& files, const FileName& name) {
    const auto info = files.Stat(name);
    return info && info->kind == EntryKind::File;
}

bool PresentAndNotEmpty(FileSystem& files, const FileName& name) {
    const auto info = files.Stat(name);
    return info && info->kind == EntryKind::File && info->size > 0;
}

bool RenameFile(FileSystem& files, const FileName& from, const FileName& to) {
    // A rename never replaces an existing file, as on the original platform.
    if (files.Stat(to))
        return false;
    return files.RenameOver(from, to) == 0;
}

std::vector<FileName> ListFolderFiles(FileSystem& files) {
    std::vector<FileName> names = files.ListFiles();
    std::sort(names.begin(), names.end(), [](const FileName& a, const FileName& b) {
        const Text la = LowerAscii(a.Shown()), lb = LowerAscii(b.Shown());
        return la != lb ? la < lb : a.System() < b.System();
    });
    return names;
}

std::string NotAFileReason(const std::optional<EntryInfo>& entry) {
    if (!entry)
        return std::strerror(ENOENT);
    switch (entry->kind) {
        case EntryKind::Folder:
            return "it is a folder";
        case EntryKind::Unreachable:
            return std::strerror(entry->error);
        case EntryKind::Other:
            return "it is not a regular file";
        case EntryKind::File:
            break;
    }
    return "it is a file";
}

std::optional<long> TemporaryFileWriter(const FileName& name) {
    const std::string& n = name.System();
    const std::size_t mark = n.rfind(kTemporaryMark);
    if (mark == std::string::npos || mark == 0)
        return std::nullopt;
    const std::string_view rest = std::string_view(n).substr(mark + kTemporaryMark.size());
    const std::size_t dash = rest.find('-');
    const auto digits = [](std::string_view d) {
        return !d.empty() && d.size() <= 18 && d.find_first_not_of("0123456789") == d.npos;
    };
    if (dash == rest.npos || !digits(rest.substr(0, dash)) || !digits(rest.substr(dash + 1)))
        return std::nullopt;
    return std::stol(std::string(rest.substr(0, dash)));
}

int RemoveLeftoverTemporaries(FileSystem& files) {
    constexpr std::int64_t kDay = 24 * 60 * 60;
    const std::int64_t now = static_cast<std::int64_t>(std::time(nullptr));
    int removed = 0;
    for (const FileName& name : files.ListFiles()) {
        const std::optional<long> writer = TemporaryFileWriter(name);
        if (!writer)
            continue;
        const std::optional<EntryInfo> entry = files.Stat(name);
        if (!entry || entry->kind != EntryKind::File || entry->link)
            continue;
        // A live writer may still be busy with it; an id the system has given
        // to another process since would keep a file for ever, so age counts too.
        if (ProcessRunning(*writer) && now - entry->modified <= kDay)
            continue;
        files.Remove(name);
        ++removed;
    }
    return removed;
}

}  // namespace ktq
