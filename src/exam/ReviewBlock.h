// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The nine lines that show one wrong answer, in the review file and in the
// practice exams file alike.
#include "text/Text.h"

namespace ktq {

// The last bank entry holding the code anywhere; null when none does.
const Text* FindReviewedEntry(const LineList& bank, const Text& code);

// The block ends with the question's study note, one line per "@" part, when
// `note` holds one.
void AppendReviewBlock(LineList& lines, const Text& entry, const Text& code, const Text& chosen,
                       const Text& correct, const Text& note = Text());

}  // namespace ktq
