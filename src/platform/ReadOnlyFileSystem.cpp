// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ReadOnlyFileSystem.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/TextFile.h"

namespace ktq {

const ReadOnlyFileSystem::Kept* ReadOnlyFileSystem::KeptFor(const FileName& name) const {
    const auto found = kept_.find(name.System());
    return found == kept_.end() ? nullptr : &found->second;
}

std::optional<EntryInfo> ReadOnlyFileSystem::Stat(const FileName& name) {
    const Kept* kept = KeptFor(name);
    if (kept == nullptr)
        return disk_.Stat(name);
    if (!*kept)
        return std::nullopt;
    EntryInfo info;
    info.kind = EntryKind::File;
    info.size = static_cast<std::int64_t>((*kept)->size());
    return info;
}

std::vector<FileName> ReadOnlyFileSystem::ListFiles() {
    std::vector<FileName> names = disk_.ListFiles();
    std::erase_if(names, [this](const FileName& n) { return KeptFor(n) != nullptr; });
    for (const auto& [system, kept] : kept_) {
        if (kept)
            names.push_back(FileName::FromSystem(system));
    }
    return names;
}

std::string ReadOnlyFileSystem::Read(const FileName& name, std::int64_t limit) {
    const Kept* kept = KeptFor(name);
    if (kept == nullptr)
        return disk_.Read(name, limit);
    if (!*kept)
        throw IoError("Cannot open file " + name.Quoted() + ": " + std::strerror(ENOENT));
    if (static_cast<std::int64_t>((*kept)->size()) > limit)
        throw IoError(TooLargeMessage(name.Shown()));
    return **kept;
}

int ReadOnlyFileSystem::CreateNew(const FileName& name,
                                  const std::vector<std::string_view>& pieces) {
    if (Stat(name))
        return EEXIST;
    std::string& content = kept_[name.System()].emplace();
    for (std::string_view piece : pieces) content.append(piece);
    return 0;
}

int ReadOnlyFileSystem::ContentOf(const FileName& name, std::string& content) {
    if (const Kept* kept = KeptFor(name)) {
        if (!*kept)
            return ENOENT;
        content = **kept;
        return 0;
    }
    const std::optional<EntryInfo> entry = disk_.Stat(name);
    if (!entry)
        return ENOENT;
    if (entry->kind != EntryKind::File)
        return entry->kind == EntryKind::Folder ? EISDIR
               : entry->error != 0              ? entry->error
                                                : EINVAL;
    try {
        content = disk_.Read(name, kLargestReadableFile);
    } catch (const IoError&) {
        return EACCES;
    }
    return 0;
}

int ReadOnlyFileSystem::RenameOver(const FileName& from, const FileName& to) {
    if (const std::optional<EntryInfo> target = Stat(to);
        target && target->kind == EntryKind::Folder)
        return EISDIR;
    std::string content;
    if (const int failure = ContentOf(from, content); failure != 0)
        return failure;
    kept_[to.System()] = std::move(content);
    kept_[from.System()] = std::nullopt;
    return 0;
}

int ReadOnlyFileSystem::Append(const FileName& name, std::string_view bytes) {
    if (const auto found = kept_.find(name.System()); found != kept_.end()) {
        if (!found->second)
            return ENOENT;
        found->second->append(bytes);
        return 0;
    }
    std::string content;
    if (const int failure = ContentOf(name, content); failure != 0)
        return failure;
    content.append(bytes);
    kept_[name.System()] = std::move(content);
    return 0;
}

void ReadOnlyFileSystem::Remove(const FileName& name) {
    if (const std::optional<EntryInfo> entry = Stat(name);
        entry && entry->kind != EntryKind::Folder)
        kept_[name.System()] = std::nullopt;
}

}  // namespace ktq
