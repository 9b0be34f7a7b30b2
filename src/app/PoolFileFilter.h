// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "text/Text.h"

namespace ktq {

// Whether a folder entry is offered in the pool chooser: a ".txt" name (case
// as written) naming a level; in tests mode a prepared bank, otherwise no
// file of the program's own output (those names contain "^").
bool PassesPoolFileFilter(const Text& name, bool testsMode);
// True when any of the names marks a prepared bank ("-tests.txt").
bool FolderHoldsPreparedBanks(const LineList& names);

}  // namespace ktq
