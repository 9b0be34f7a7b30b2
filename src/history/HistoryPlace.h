// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a folder's answer history is kept. The prepared banks of a study
// folder live in its sub-folder "Explained" (a prepared bank puts its folder
// in tests mode); that folder keeps its answers in the study folder's
// history, so a candidate's progress stays one whichever folder is open.
#include <string>

namespace ktq {

inline constexpr const char* kExplainedFolderName = "Explained";

// The database file for the folder at `folder` (the system's spelling).
std::string HistoryPathFor(const std::string& folder);

}  // namespace ktq
