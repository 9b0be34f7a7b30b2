// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The working folder of a window that must not change it, because another
// window has it open: files are read from the disk, and whatever the program
// writes, renames or removes is kept in memory, where its own later reads,
// listings and appends find it. The disk is never written.
#include <map>
#include <optional>
#include <string>

#include "platform/FileSystem.h"

namespace ktq {

class ReadOnlyFileSystem : public FileSystem {
  public:
    explicit ReadOnlyFileSystem(FileSystem& disk) : disk_(disk) {}

    Text Folder() override { return disk_.Folder(); }
    std::optional<EntryInfo> Stat(const FileName& name) override;
    std::vector<FileName> ListFiles() override;
    std::string Read(const FileName& name, std::int64_t limit) override;
    int CreateNew(const FileName& name, const std::vector<std::string_view>& pieces) override;
    int RenameOver(const FileName& from, const FileName& to) override;
    int Append(const FileName& name, std::string_view bytes) override;
    void Remove(const FileName& name) override;
    // Nothing to guard: this window writes nothing.

  private:
    // What the program made of a name: the content it wrote, or nothing for a
    // name it renamed or removed. Names it never touched are not here.
    using Kept = std::optional<std::string>;
    const Kept* KeptFor(const FileName& name) const;
    // The content of a file, from memory or from the disk; its error number
    // when there is no file to take it from.
    int ContentOf(const FileName& name, std::string& content);

    FileSystem& disk_;
    std::map<std::string, Kept> kept_;
};

}  // namespace ktq
