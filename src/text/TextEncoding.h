// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bytes of a text file as an editor saved them, turned into the program's
// Windows-1252 text. This is the only place that recognises an encoding, and
// every reader of text files goes through it.
//
// Recognised by the content, in this order:
//   - EF BB BF (the UTF-8 mark): the rest is UTF-8, line by line (below);
//   - FF FE 00 00 or 00 00 FE FF (the UTF-32 marks): UTF-32, little- or
//     big-endian;
//   - FF FE or FE FF (the UTF-16 marks): UTF-16, little- or big-endian;
//   - no mark, and the zero bytes of the first 4 KB show UTF-16: a quarter or
//     more of the odd bytes are zero and almost none of the even ones
//     (little-endian), or the other way round (big-endian);
//   - anything else: UTF-8 line by line.
// Line by line: a line (up to CR or LF) is decoded from UTF-8 character by
// character when it holds a character of several bytes that Windows-1252 can
// hold, and fewer ill-formed bytes than those (any number after the UTF-8
// mark); an ill-formed byte or a character Windows-1252 lacks becomes '?'
// there. Any other line is read byte for byte as Windows-1252, exactly as
// saved. So a Windows-1252 file reads as it always did, and one bad byte in a
// UTF-8 file touches only itself.
// The marks are not part of the text. In UTF-16 and UTF-32 text, characters
// that Windows-1252 cannot hold become '?'; it is read as far as it is well
// formed (an odd last byte, an unpaired surrogate, a unit beyond U+10FFFF end
// it).
//
// The text ends before its first NUL character (of the decoded text, so a
// UTF-16 file is not cut at its first zero byte); the result never holds one.
// A pure function of its argument: any bytes are safe.
#include <cstddef>
#include <string>
#include <string_view>

#include "text/Text.h"

namespace ktq {

enum class SavedEncoding { Windows1252, Utf8, Utf16, Utf32 };

// How a text was read. UTF-8 is a text with the UTF-8 mark, or with at least
// one line decoded from UTF-8.
struct SavedTextReading {
    SavedEncoding encoding = SavedEncoding::Windows1252;
    // Lines with bytes above 0x7F that were read byte for byte as Windows-1252.
    std::size_t windows1252Lines = 0;
    // Characters of UTF-8 lines that became '?'.
    std::size_t lostCharacters = 0;
    // The bytes are a zip package (a Word document, say), not text.
    bool packed = false;
    // A UTF-8 text of which some lines were read as Windows-1252.
    bool Mixed() const { return encoding == SavedEncoding::Utf8 && windows1252Lines > 0; }
};

Text DecodeSavedText(std::string_view bytes, SavedTextReading* reading = nullptr);
// The same, reusing the bytes' own buffer, so a large file is not held twice.
Text DecodeSavedText(std::string&& bytes, SavedTextReading* reading = nullptr);

}  // namespace ktq
