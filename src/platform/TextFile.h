#pragma once
// Every file the program touches goes through here. Names are Windows-1252
// text relative to the working folder; they are converted to the system's
// encoding only at the moment the disk is touched. Failures raise IoError.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

#include "platform/IoError.h"
#include "text/Text.h"

namespace ktq {

std::filesystem::path OsPath(const Text& name);
Text FromOsName(const std::filesystem::path& path);

// The bytes become text through DecodeSavedText (an encoding mark or UTF-8
// is recognised; a NUL character ends the text); then lines end at CR LF,
// lone LF or lone CR.
LineList ParseLines(std::string_view bytes);
LineList ReadLines(const Text& name);
// Only regular files are read (after following links), never a pipe or a
// device, and none larger than this: no text or picture of ours comes near it.
inline constexpr std::int64_t kLargestReadableFile = 256LL * 1024 * 1024;
std::string ReadBytes(const Text& name);
std::string ReadFileBytes(const std::filesystem::path& path, const Text& shownName);
// "The file ... is too large to read ...", for every place that runs out of
// memory on a user's file.
std::string TooLargeMessage(const Text& name);

// Replaces the file through a temporary file beside it, so a failed write
// never leaves a truncated file where a good one stood. CR LF after every line.
void WriteLinesReplacing(const Text& name, const LineList& lines);
void WriteBytesReplacing(const std::filesystem::path& path, std::string_view bytes);
// Opens an existing file for appending (a missing file is an error), writes
// the line and CR LF, and closes it.
void AppendLine(const Text& name, const Text& line);
// Copies byte for byte, overwriting; false when it could not be done.
bool CopyFileOver(const Text& from, const Text& to);

// Size in bytes of the first entry of that name, file or folder; -1 when none.
std::int64_t FileSizeOf(const Text& name);
bool FileExists(const Text& name);
// The test used for every optional input: a file with more than 0 bytes.
bool PresentAndNotEmpty(const Text& name);
bool RenameFile(const Text& from, const Text& to);
// Appends the names of the entries of `folder` that are not folders, sorted by
// name ignoring ASCII case, so the order is the same on every system.
void ListFolderFiles(const Text& folder, LineList& list);

namespace testing {
// Makes every replacing write fail once it has written this many bytes.
void FailWritesAfterBytes(std::optional<std::size_t> bytes);
}  // namespace testing

}  // namespace ktq
