// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SettingsStore.h"

#include "platform/DiskFileSystem.h"
#include "platform/TextFile.h"
#include "text/CodePage.h"
#include "text/Text.h"

namespace ktq {
namespace {

// The store's folder, wherever it is: the file is read and replaced there.
std::unique_ptr<FileSystem> FilesBeside(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.parent_path();
    return std::make_unique<DiskFileSystem>(folder.empty() ? "." : folder);
}

}  // namespace

std::optional<std::string> MemorySettingsStore::ReadText(const std::string& section,
                                                         const std::string& name) {
    auto s = values_.find(section);
    if (s == values_.end())
        return std::nullopt;
    auto v = s->second.find(name);
    if (v == s->second.end())
        return std::nullopt;
    return v->second;
}

void MemorySettingsStore::WriteText(const std::string& section, const std::string& name,
                                    const std::string& value) {
    values_[section][name] = value;
}

IniFileSettingsStore::IniFileSettingsStore(std::string path) : path_(std::move(path)) {
    Load();
}

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// The lines of the file, each with its own line end (CR LF, LF or CR), so
// that lines the store does not change are written back as they were.
std::vector<std::string> RawLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = bytes.size();
        else if (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n')
            end += 2;
        else
            end += 1;
        lines.emplace_back(bytes.substr(start, end - start));
        start = end;
    }
    return lines;
}

std::string_view LineEndOf(std::string_view line) {
    const std::size_t end = line.find_first_of("\r\n");
    return end == std::string_view::npos ? std::string_view() : line.substr(end);
}

// Names and values are UTF-8 in the file; one that is not reads byte for byte.
std::string FromFile(std::string_view text) {
    return ExactUtf8ToCp1252(text).value_or(std::string(text));
}

// What one line of the file is: a section's heading, a value of a section,
// or anything else (comments, blank lines, lines the store cannot read).
struct IniLine {
    enum Kind { Heading, Value, Other } kind = Other;
    std::string section, name, value;
};

// Reads the lines in turn; `section` is the section the line stands in.
IniLine ReadIniLine(std::string_view raw, bool first, std::string& section) {
    if (first && raw.substr(0, kUtf8Mark.size()) == kUtf8Mark)
        raw.remove_prefix(kUtf8Mark.size());
    const std::string line = Trim(raw);
    IniLine read;
    if (line.empty() || line[0] == ';' || line[0] == '#')
        return read;
    if (line.front() == '[' && line.back() == ']') {
        section = FromFile(line.substr(1, line.size() - 2));
        read.kind = IniLine::Heading;
        read.section = section;
        return read;
    }
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos || section.empty())
        return read;
    read.kind = IniLine::Value;
    read.section = section;
    read.name = FromFile(Trim(line.substr(0, eq)));
    read.value = FromFile(Trim(line.substr(eq + 1)));
    return read;
}

}  // namespace

void IniFileSettingsStore::Load() {
    std::string bytes;
    try {
        const std::filesystem::path file(path_);
        bytes = ReadBytes(*FilesBeside(file), FileName::FromSystem(file.filename().string()));
    } catch (const IoError&) {
        return;  // missing or unreadable: the defaults apply
    }
    lines_ = RawLines(bytes);
    std::string section;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const IniLine line = ReadIniLine(lines_[i], i == 0, section);
        if (line.kind == IniLine::Value)
            values_[line.section][line.name] = line.value;
    }
}

// The value's line takes the place of the one the value was read from (the
// last of its name in its section), or follows the section's last value, or
// comes with its section at the end.
void IniFileSettingsStore::PutLine(const std::string& section, const std::string& name,
                                   const std::string& line) {
    std::string current;
    std::size_t own = lines_.size(), last = lines_.size();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const IniLine read = ReadIniLine(lines_[i], i == 0, current);
        if (read.kind == IniLine::Other || read.section != section)
            continue;
        last = i;
        if (read.kind == IniLine::Value && read.name == name)
            own = i;
    }
    const std::string_view firstEnd = lines_.empty() ? "" : LineEndOf(lines_.front());
    const std::string end(firstEnd.empty() ? "\n" : firstEnd);
    if (own < lines_.size()) {
        const std::string_view ownEnd = LineEndOf(lines_[own]);
        lines_[own] = line + std::string(ownEnd);
        return;
    }
    if (!lines_.empty() && LineEndOf(lines_.back()).empty())
        lines_.back() += end;
    if (last < lines_.size()) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(last) + 1, line + end);
        return;
    }
    if (!lines_.empty())
        lines_.push_back(end);
    lines_.push_back("[" + Cp1252ToUtf8(section) + "]" + end);
    lines_.push_back(line + end);
}

void IniFileSettingsStore::Save() {
    std::string bytes;
    for (const std::string& l : lines_) bytes += l;
    // A store kept behind a link is written to the link's target, so the
    // link stays as the user made it.
    std::filesystem::path target(path_);
    std::error_code ec;
    if (std::filesystem::is_symlink(target, ec)) {
        const std::filesystem::path resolved = std::filesystem::weakly_canonical(target, ec);
        if (!ec)
            target = resolved;
    }
    try {
        ReplaceFile(*FilesBeside(target), FileName::FromSystem(target.filename().string()), bytes);
    } catch (const IoError&) {
        // A store that cannot be written is not reported to the user.
    }
}

void IniFileSettingsStore::WriteText(const std::string& section, const std::string& name,
                                     const std::string& value) {
    MemorySettingsStore::WriteText(section, name, value);
    PutLine(section, name, Cp1252ToUtf8(name) + "=" + Cp1252ToUtf8(value));
    Save();
}

}  // namespace ktq
