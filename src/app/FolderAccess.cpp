// SPDX-License-Identifier: GPL-3.0-or-later
// Two windows on one folder: the first takes the folder's lock, a second one
// may open the folder read-only.
#include <string>

#include "platform/ReadOnlyFileSystem.h"
#include "ui/TForm1.h"

namespace ktq {

bool TForm1::TakeFolder(bool readOnly) {
    if (readOnly) {
        OpenReadOnly();
        return true;
    }
    const std::optional<long> holder = Sys().Files().LockFolder();
    if (!holder)
        return true;
    const Text process = *holder > 0 ? " (process " + std::to_string(*holder) + ")" : "";
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

void TForm1::OpenReadOnly() {
    state.ReadOnlyFolder = true;
    readOnlyFiles_ = std::make_unique<ReadOnlyFileSystem>(platform_.Files());
}

}  // namespace ktq
