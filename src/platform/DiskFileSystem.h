// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real disk: names relative to a folder fixed when it is made, so
// nothing depends on the process's working folder after start-up.
#include <filesystem>
#include <memory>

#include "platform/FileSystem.h"
#include "platform/FolderLock.h"

namespace ktq {

class DiskFileSystem : public FileSystem {
  public:
    explicit DiskFileSystem(std::filesystem::path folder);
    ~DiskFileSystem() override;

    Text Folder() override;
    std::optional<EntryInfo> Stat(const FileName& name) override;
    std::vector<FileName> ListFiles() override;
    std::string Read(const FileName& name, std::int64_t limit) override;
    int CreateNew(const FileName& name, const std::vector<std::string_view>& pieces) override;
    int RenameOver(const FileName& from, const FileName& to) override;
    int Append(const FileName& name, std::string_view bytes) override;
    void Remove(const FileName& name) override;
    FolderLockResult LockFolder() override;
    void UnlockFolder() override;

  private:
    std::filesystem::path PathOf(const FileName& name) const;
    std::filesystem::path folder_;
    std::unique_ptr<FolderLock> lock_;
};

// The disk in the process's current folder, as it is at this moment.
std::unique_ptr<FileSystem> WorkingFolderFiles();

}  // namespace ktq
