// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How stored answers and the correct letter read on screen.
#include "text/Text.h"

namespace ktq {

// The text after the first "." (all of it when there is none), at most 255
// characters, trimmed: "B. 3.5 MHz" reads "3.5 MHz".
Text ShapeAnswer(const Text& stored);

// The letter and its box number: "C" reads "C or #3". Empty without a letter.
Text LetterWithNumber(const Text& letter);

// The answer box number 1..4 of a letter "A".."D", from its first character;
// 0 for anything else.
int BoxNumberOfLetter(const Text& letter);

// "A".."D" for box numbers 1..4.
Text LetterOfBox(int number);

}  // namespace ktq
