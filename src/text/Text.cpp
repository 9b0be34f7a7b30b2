// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/Text.h"

namespace ktq {

namespace {

// Moves the ASCII letters from one case's range to the other's; nothing else
// changes, whatever the code page makes of bytes above 127.
Text ShiftLetters(std::string_view s, char from, char to) {
    Text out(s);
    for (char& c : out) {
        if (c >= from && c <= from + 25)
            c = static_cast<char>(c - from + to);
    }
    return out;
}

}  // namespace

Text LowerAscii(std::string_view s) {
    return ShiftLetters(s, 'A', 'a');
}

Text UpperAscii(std::string_view s) {
    return ShiftLetters(s, 'a', 'A');
}

Text Trim(std::string_view s) {
    auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && isBlank(s[b])) ++b;
    while (e > b && isBlank(s[e - 1])) --e;
    return Text(s.substr(b, e - b));
}

std::size_t Pos(std::string_view needle, std::string_view haystack) {
    if (needle.empty())
        return 0;
    std::size_t p = haystack.find(needle);
    return p == std::string_view::npos ? 0 : p + 1;
}

bool Contains(std::string_view haystack, std::string_view needle) {
    return haystack.find(needle) != std::string_view::npos;
}

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

Text Copy(std::string_view s, std::size_t index, std::size_t count) {
    if (index < 1)
        index = 1;
    if (index > s.size())
        return Text();
    return Text(s.substr(index - 1, count));
}

void ReplaceFirst(Text& s, char from, char to) {
    std::size_t p = s.find(from);
    if (p != Text::npos)
        s[p] = to;
}

Text ReplaceAll(std::string_view s, std::string_view from, std::string_view to) {
    Text out;
    if (from.empty())
        return Text(s);
    std::size_t start = 0;
    while (true) {
        std::size_t p = s.find(from, start);
        if (p == std::string_view::npos)
            break;
        out.append(s.substr(start, p - start));
        out.append(to);
        start = p + from.size();
    }
    out.append(s.substr(start));
    return out;
}

Text JoinLines(const LineList& lines, std::string_view separator) {
    Text out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            out.append(separator);
        out.append(lines[i]);
    }
    return out;
}

LineList SplitLines(std::string_view text) {
    LineList lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
        ++i;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

}  // namespace ktq
