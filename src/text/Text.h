// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text in the program is Windows-1252: one byte, one character, exactly as
// the pool files hold it. Positions follow the 1-based convention of the
// rules the program implements; 0 means "not found".
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ktq {

using Text = std::string;
using LineList = std::vector<Text>;

constexpr char kTab = '\t';
constexpr char kLeftQuote = '\x93';   // curly left double quotation mark
constexpr char kRightQuote = '\x94';  // curly right double quotation mark
constexpr char kSectionSignChar = '\xA7';
constexpr char kCopyrightChar = '\xA9';

Text LowerAscii(std::string_view s);
Text UpperAscii(std::string_view s);
// Removes leading and trailing characters of code 32 or below.
Text Trim(std::string_view s);
// 1-based position of the first occurrence of `needle`, 0 when absent.
std::size_t Pos(std::string_view needle, std::string_view haystack);
bool Contains(std::string_view haystack, std::string_view needle);
bool StartsWith(std::string_view s, std::string_view prefix);
// Up to `count` characters from the 1-based `index`; empty when out of range.
Text Copy(std::string_view s, std::size_t index, std::size_t count);
// Replaces the first occurrence of character `from` by `to`.
void ReplaceFirst(Text& s, char from, char to);
Text ReplaceAll(std::string_view s, std::string_view from, std::string_view to);
Text JoinLines(const LineList& lines, std::string_view separator);
// Splits at CR LF, lone LF and lone CR; a trailing break makes no extra line.
LineList SplitLines(std::string_view text);

}  // namespace ktq
