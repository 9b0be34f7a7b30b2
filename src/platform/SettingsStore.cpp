// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SettingsStore.h"

#include "platform/DiskFileSystem.h"
#include "platform/TextFile.h"
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

void IniFileSettingsStore::Load() {
    std::string bytes;
    try {
        const std::filesystem::path file(path_);
        bytes = ReadBytes(*FilesBeside(file), FileName::FromSystem(file.filename().string()));
    } catch (const IoError&) {
        return;  // missing or unreadable: the defaults apply
    }
    std::string current;
    for (const std::string& raw : SplitLines(bytes)) {
        std::string line = Trim(raw);
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            current = line.substr(1, line.size() - 2);
            continue;
        }
        std::size_t eq = line.find('=');
        if (eq == std::string::npos || current.empty())
            continue;
        values_[current][Trim(line.substr(0, eq))] = Trim(line.substr(eq + 1));
    }
}

void IniFileSettingsStore::Save() {
    LineList lines;
    for (const auto& [section, entries] : values_) {
        lines.push_back("[" + section + "]");
        for (const auto& [name, value] : entries) lines.push_back(name + "=" + value);
    }
    std::string bytes;
    for (const std::string& l : lines) bytes += l + "\n";
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
    Save();
}

}  // namespace ktq
