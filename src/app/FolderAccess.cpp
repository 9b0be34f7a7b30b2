// SPDX-License-Identifier: GPL-3.0-or-later
// Two windows on one folder: the first takes the folder's lock, a second one
// may open the folder read-only; so may a folder that can hold no lock, and
// one that cannot be written is read-only by itself.
#include <cerrno>
#include <cstring>
#include <string>

#include "platform/FolderLock.h"
#include "platform/ReadOnlyFileSystem.h"
#include "ui/TForm1.h"

namespace ktq {

bool TForm1::TakeFolder(bool readOnly) {
    if (readOnly) {
        OpenReadOnly();
        return true;
    }
    const FolderLockResult lock = Sys().Files().LockFolder();
    // A folder that is not there is told when it is listed.
    if (lock.kind == FolderLockResult::Taken || lock.error == ENOENT || lock.error == ENOTDIR)
        return true;
    if (lock.kind == FolderLockResult::Impossible) {
        const Text reason = " (" + Text(std::strerror(lock.error)) + ")";
        // Nothing could be saved there anyway: the read-only mode keeps it in memory.
        if (lock.error == EACCES || lock.error == EROFS || lock.error == EPERM) {
            OpenReadOnly("the folder cannot be written" + reason);
            return true;
        }
        const Text question = "The lock of the folder \"" + Sys().Files().Folder() + "\", \"" +
                              kFolderLockFile + "\", cannot be taken" + reason +
                              ", so another window of this program could write the same files."
                              "\r\n\r\nOpen the folder read-only? No file in the folder is then "
                              "written or changed. No opens it for writing all the same.";
        if (Sys().AskYesNo(kApplicationTitle, question))
            OpenReadOnly("the folder's lock cannot be taken" + reason);
        return true;
    }
    const Text process = lock.holder > 0 ? " (process " + std::to_string(lock.holder) + ")" : "";
    const Text question = "The folder \"" + Sys().Files().Folder() +
                          "\" is open in another window of this program" + process +
                          ".\r\n\r\nOpen it read-only? No file in the folder is then written "
                          "or changed but the answer history, which still records your "
                          "answers. No quits.";
    if (!Sys().AskYesNo(kApplicationTitle, question))
        return false;
    OpenReadOnly();
    return true;
}

void TForm1::OpenReadOnly(const Text& why) {
    state.ReadOnlyFolder = true;
    state.ReadOnlyReason = why;
    readOnlyFiles_ = std::make_unique<ReadOnlyFileSystem>(platform_.Files());
}

}  // namespace ktq
