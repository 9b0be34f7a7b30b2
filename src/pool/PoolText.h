// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small text rules shared by the pool readers, the bank and the files named
// after the chosen pool.
#include <cstdint>

#include "text/Text.h"

namespace ktq {

// The n-th piece (from 1) into which `delimiter` cuts `text`; empty when n is
// 0, the text is empty or has fewer pieces. A trailing delimiter makes an
// empty last piece.
Text GetField(const Text& text, char delimiter, std::uint8_t n);

// `text` without any TAB, LF or CR; every other character stays.
Text StripControlChars(const Text& text);

// Four characters of a pool file name from its first "2" (the pool's year),
// or its first four when it holds no "2"; fewer when the name ends sooner.
Text YearText(const Text& fileName);

// A question header such as "T1A01 (C) [97.3(a)(4)]": in the line stripped of
// TAB, CR and LF, the first "(" stands at 6 to 10 and the first ")" at 7 to 12.
bool IsHeaderLine(const Text& line);

// Codes of the first sub-element have "1" as their second character.
bool IsFirstSubelementCode(const Text& code);

}  // namespace ktq
