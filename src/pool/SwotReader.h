// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The walk over a pool's lines that pairs every question with its correct
// answer line, for the SWOT study file. It reads the raw lines; only a
// question text that runs on over further lines is stripped and joined.
#include <vector>

#include "text/Text.h"

namespace ktq {

struct SwotEntry {
    Text letter;    // the text between the header's first "(" and first ")"
    Text question;  // with the first curly quotes of each kind made apostrophes
    // The A, B and C lines met before a "D. All these choices are correct"
    // answer, exactly as read; empty otherwise.
    Text rememberedA;
    Text rememberedB;
    Text rememberedC;
    Text answerLine;  // the first line after the question beginning with the letter
    friend bool operator==(const SwotEntry&, const SwotEntry&) = default;
};

// Reading starts after the first line below the first "SUBELEMENT" line whose
// second character is "1" (the first group title) and stops at
// "~~~ End of question pool ~~~" or after the last line. Header lines are
// recognised as the bank builder recognises them (IsHeaderLine), so answers
// such as "A. UHF (PL-259/SO-239)" are not taken for headers.
std::vector<SwotEntry> ReadSwotEntries(const LineList& lines);

}  // namespace ktq
