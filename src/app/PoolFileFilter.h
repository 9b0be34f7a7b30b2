// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "text/Text.h"

namespace ktq {

// Whether a folder entry is offered in the pool chooser: a ".txt" name (case
// as written) naming a level; in tests mode a prepared bank, otherwise no
// file of the program's own output (those names contain "^").
bool PassesPoolFileFilter(const Text& name, bool testsMode);
// A published pool's Word document: a ".docx" name that would pass as a
// pool outside tests mode with ".txt" in its place.
bool IsPublishedPoolDocument(const Text& name);
// True when any of the names marks a prepared bank ("-tests.txt").
bool FolderHoldsPreparedBanks(const LineList& names);

}  // namespace ktq
