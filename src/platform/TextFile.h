// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text files of the working folder, over the platform's FileSystem: reading
// whole into lines, replacing safely, appending, copying, listing. Names are
// the program's Windows-1252 text, or as a folder listing gave them.
// Failures raise IoError with a readable message.
#include <cstdint>
#include <new>
#include <string_view>

#include "platform/FileSystem.h"
#include "platform/IoError.h"
#include "text/Text.h"
#include "text/TextEncoding.h"

namespace ktq {

// The bytes become text through DecodeSavedText (an encoding mark or UTF-8
// is recognised; a NUL character ends the text); then lines end at CR LF,
// lone LF or lone CR.
LineList ParseLines(std::string_view bytes);

// Only regular files are read (after following links), never a pipe or a
// device, and none larger than this: no text or picture of ours comes near it.
inline constexpr std::int64_t kLargestReadableFile = 256LL * 1024 * 1024;
std::string ReadBytes(FileSystem& files, const FileName& name);
// How the text was read goes to `reading` when asked.
LineList ReadLines(FileSystem& files, const FileName& name, SavedTextReading* reading = nullptr);
// "The file ... is too large to read ...", for every place that runs out of
// memory on a user's file.
std::string TooLargeMessage(const Text& name);
// Runs `work` on the content of the user's file `name`: running out of memory
// there is reported as that file being too large.
template <class Work>
void OnContentOf(const Text& name, Work&& work) {
    try {
        work();
    } catch (const std::bad_alloc&) {
        throw IoError(TooLargeMessage(name));
    }
}

// Replaces the file through a new temporary file beside it, renamed over it
// once it is whole on disk, so a failed write never leaves a truncated file
// where a good one stood.
void ReplaceFile(FileSystem& files, const FileName& name, std::string_view bytes);
void ReplaceFile(FileSystem& files, const FileName& name,
                 const std::vector<std::string_view>& pieces);
// Writes a file that is not there yet, the same safe way, and never replaces
// one: false, with nothing written, when the name is taken.
bool CreateNewFile(FileSystem& files, const FileName& name,
                   const std::vector<std::string_view>& pieces);
void WriteLinesReplacing(FileSystem& files, const FileName& name, const LineList& lines);
// Appends the line and CR LF to an existing file (a missing one is an error,
// and so is a folder or anything else in its place, each with its reason).
void AppendLine(FileSystem& files, const FileName& name, const Text& line);
// Copies byte for byte, replacing the copy safely.
void CopyFileOver(FileSystem& files, const FileName& from, const FileName& to);

// Size in bytes of the entry of that name (0 for a folder); -1 when none.
std::int64_t FileSizeOf(FileSystem& files, const FileName& name);
bool FileExists(FileSystem& files, const FileName& name);
// The test used for every optional input: a file with more than 0 bytes.
bool PresentAndNotEmpty(FileSystem& files, const FileName& name);
// Never replaces an existing file; false when it could not be done.
bool RenameFile(FileSystem& files, const FileName& from, const FileName& to);
// The files of the working folder, sorted by name ignoring ASCII case, so
// the order is the same on every system. Throws IoError when the folder
// cannot be listed.
std::vector<FileName> ListFolderFiles(FileSystem& files);

// Why an entry, as Stat gave it, is not a file that can be read or written:
// the system's reason, or what is there instead.
std::string NotAFileReason(const std::optional<EntryInfo>& entry);

// The writer's process id when the name is one of the temporary files that
// replacing a file makes beside it ("NAME.ktq-part-ID-SERIAL").
std::optional<long> TemporaryFileWriter(const FileName& name);
// Removes the temporary files that a run killed while replacing a file left
// in the working folder: regular files of that pattern only (never a link),
// whose writer is no longer running or that are older than a day. Returns
// how many were removed.
int RemoveLeftoverTemporaries(FileSystem& files);

}  // namespace ktq
