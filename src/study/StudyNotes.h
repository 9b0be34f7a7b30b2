// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finding a question's study note and stating its formal answer.
#include <optional>

#include "text/Text.h"

namespace ktq {

// Index of the first entry whose first TAB field, trimmed, is `code`.
std::optional<std::size_t> FindEntryWithCodeIfAny(const LineList& entries, const Text& code);

// The deciphered note as shown: trimmed, each "@" a line break (CR LF).
Text NoteForDisplay(const Text& deciphered);

// What the formal-answer line names: the answer box's text upper-cased and
// trimmed (after its "A." prefix when the box shows one), or, without an
// answer box, the letter itself.
Text FormalAnswerText(const Text& letter, const Text* boxText, bool boxShowsPrefix);

}  // namespace ktq
