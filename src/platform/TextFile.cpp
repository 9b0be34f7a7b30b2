// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TextFile.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "text/TextEncoding.h"

namespace ktq {
namespace {

// A name of our own beside the file, never one that exists: a link planted
// under a name we might use is not followed.
int CreateTemporaryBeside(FileSystem& files, const FileName& name,
                          const std::vector<std::string_view>& pieces, FileName& temp) {
    static unsigned serial = 0;
    int failure = EEXIST;
    for (int attempt = 0; attempt < 100 && failure == EEXIST; ++attempt) {
        temp = FileName::FromSystem(name.System() + ".ktq-part-" + std::to_string(::getpid()) +
                                    "-" + std::to_string(++serial));
        failure = files.CreateNew(temp, pieces);
    }
    return failure;
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

LineList ReadLines(FileSystem& files, const FileName& name) {
    try {
        // The bytes go into the text and are gone before the lines are made.
        const Text text = DecodeSavedText(ReadBytes(files, name));
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
    FileName temp = name;
    int failure = CreateTemporaryBeside(files, name, pieces, temp);
    if (failure != 0) {
        // A temporary that was made but not written whole must not stay.
        if (failure != EEXIST)
            files.Remove(temp);
        throw IoError("Cannot write file " + name.Quoted() + ": " + std::strerror(failure));
    }
    failure = files.RenameOver(temp, name);
    if (failure != 0) {
        files.Remove(temp);
        throw IoError("Cannot replace file " + name.Quoted() + ": " + std::strerror(failure));
    }
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
    if (!FileExists(files, name))
        throw IoError("Cannot open file " + name.Quoted() + " for appending: file not found");
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

}  // namespace ktq
