// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Study notes arrive enciphered by simple substitution: each character of
// the plain alphabet was replaced by the one at the same place in the level's
// key alphabet. The program only ever deciphers.
#include "text/Text.h"

namespace ktq {

// The 93 printable ASCII characters other than the apostrophe and "@".
extern const char* const PlainAlphabet;

// One key per level; each a permutation of PlainAlphabet.
extern const char* const kExtraKeyAlphabet;
extern const char* const kGeneralKeyAlphabet;
extern const char* const kTechKeyAlphabet;

// Every character found in `key` becomes the plain character at the position
// of its first occurrence there; any other character passes through.
Text DecipherNote(const Text& text, const Text& key);

}  // namespace ktq
