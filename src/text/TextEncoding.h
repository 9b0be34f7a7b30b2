// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bytes of a text file as an editor saved them, turned into the program's
// Windows-1252 text. This is the only place that recognises an encoding, and
// every reader of text files goes through it.
//
// Recognised by the content, in this order:
//   - EF BB BF (the UTF-8 mark): the rest is UTF-8;
//   - FF FE or FE FF (the UTF-16 marks): the rest is UTF-16, little- or big-endian;
//   - no mark, and the text before the first NUL byte is well-formed UTF-8
//     holding at least one multi-byte sequence: UTF-8;
//   - anything else: Windows-1252, one byte one character, exactly as saved.
// The mark is not part of the text. Decoded characters that Windows-1252
// cannot hold become '?', and so do ill-formed bytes after a UTF-8 mark.
// UTF-16 is read as far as it is well formed: an odd last byte and everything
// from the first unpaired surrogate on are left out.
//
// The text ends before its first NUL character (of the decoded text, so a
// UTF-16 file is not cut at its first zero byte); the result never holds one.
// A pure function of its argument: any bytes are safe.
#include <string>
#include <string_view>

#include "text/Text.h"

namespace ktq {

Text DecodeSavedText(std::string_view bytes);
// The same, reusing the bytes' own buffer where they need no conversion, so a
// large Windows-1252 or ASCII file is not held twice.
Text DecodeSavedText(std::string&& bytes);

}  // namespace ktq
