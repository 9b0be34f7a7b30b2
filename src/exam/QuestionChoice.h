// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which bank entry a question request shows: by code, or drawn at random
// among the entries not yet asked in this cycle.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

#include "text/Text.h"

namespace ktq {

// The first entry whose code (field 1, as stored) equals `code`, else the
// last entry. The bank must not be empty.
std::size_t FindEntryByCodeOrLast(const LineList& bank, const Text& code);

// True while `typed` is the beginning of some entry's code but no entry's
// whole code: a code still being typed, key by key.
bool IsUnfinishedCode(const LineList& bank, const Text& typed);

// True when `typed` is some entry's whole code or the beginning of one.
bool BeginsSomeCode(const LineList& bank, const Text& typed);

// An entry may be drawn when it is not empty, its code is not among the
// asked codes, and it needs no figure unless figures can be shown.
bool QualifiesForDraw(const Text& entry, const Text& askedCodes, bool figuresAvailable);

// Draws over all entries until one qualifies, reseeding from `counter` before
// every draw. Empty when no entry qualifies, so the caller never waits on a
// draw that cannot succeed.
std::optional<std::size_t> DrawQualifyingEntry(const LineList& bank, const Text& askedCodes,
                                               bool figuresAvailable,
                                               const std::function<std::uint64_t()>& counter);

}  // namespace ktq
