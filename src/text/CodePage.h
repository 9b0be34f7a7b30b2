// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one place where Windows-1252 meets Unicode: the skin, the driver, the
// file-name layer and the reading of text files convert here and nowhere else.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "text/Text.h"

namespace ktq {

std::string Cp1252ToUtf8(const Text& text);
// Characters that Windows-1252 cannot hold become '?', and so does every byte
// that is not part of a well-formed UTF-8 sequence; those with a clear form in
// it take that: the hyphens and the minus sign '-', the Symbol font's
// characters as Word keeps them (U+F0B4 the multiplication sign).
Text Utf8ToCp1252(std::string_view utf8);
// The same for text that must come through whole: nothing when a byte is not
// part of a well-formed sequence (overlong forms, encoded surrogates and code
// points above U+10FFFF are not well formed) or a character is one that
// Windows-1252 cannot hold.
std::optional<Text> ExactUtf8ToCp1252(std::string_view utf8);
// The same written to `out`, which has room for as many characters as `utf8`
// has bytes: the length written, or nothing.
std::optional<std::size_t> ExactUtf8ToCp1252(std::string_view utf8, char* out);

// One line of a saved text read as UTF-8 character by character, written to
// `out` (room for as many characters as the line has bytes): an ill-formed
// byte and a character Windows-1252 cannot hold become '?', counted in
// `lost`. Nothing when the line does not read as UTF-8: none of its
// characters of several bytes is one Windows-1252 holds, or, unless the text
// is known to be UTF-8, its ill-formed bytes are as many as those.
std::optional<std::size_t> LineUtf8ToCp1252(std::string_view line, char* out, bool utf8Known,
                                            std::size_t& lost);

enum class ByteOrder { LittleEndian, BigEndian };
// UTF-16 code units as far as they are well formed: an odd last byte and
// everything from the first unpaired surrogate on are left out.
Text Utf16ToCp1252(std::string_view bytes, ByteOrder order);
// UTF-32 code units as far as they are valid code points; the last bytes that
// do not fill a unit are left out.
Text Utf32ToCp1252(std::string_view bytes, ByteOrder order);

}  // namespace ktq
