// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/HistoryPlace.h"

#include <filesystem>

#include "history/StudyHistory.h"

namespace ktq {

std::string HistoryPathFor(const std::string& folder) {
    std::filesystem::path place(folder);
    if (!place.has_filename())
        place = place.parent_path();
    if (place.filename() == kExplainedFolderName && place.has_parent_path())
        place = place.parent_path();
    return (place / kHistoryFile).string();
}

}  // namespace ktq
