// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/CodePage.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <utility>

namespace ktq {
namespace {

// Code points of bytes 0x80..0x9F; 0 marks the five undefined bytes, which
// map to the C1 control of the same value, as Windows does.
constexpr std::array<char32_t, 32> kHighTable = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t ToCodePoint(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) {
        char32_t cp = kHighTable[b - 0x80];
        return cp == 0 ? b : cp;
    }
    return b;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Characters Windows-1252 lacks that have a clear form in it: the
// non-breaking hyphen, which pools write inside figure names ("E7-3"), the
// hyphen and the minus sign.
char ClearForm(char32_t cp) {
    return cp == 0x2010 || cp == 0x2011 || cp == 0x2212 ? '-' : '?';
}

// Word keeps the characters of the Symbol font at U+F020..U+F0FF; those with
// a Windows-1252 character of the same meaning, by their place in the font.
constexpr std::pair<unsigned char, unsigned char> kSymbolFont[] = {
    {0x20, ' '},  {0x21, '!'},  {0x23, '#'},  {0x25, '%'},  {0x26, '&'},  {0x28, '('},
    {0x29, ')'},  {0x2A, '*'},  {0x2B, '+'},  {0x2C, ','},  {0x2D, '-'},  {0x2E, '.'},
    {0x2F, '/'},  {0x3A, ':'},  {0x3B, ';'},  {0x3C, '<'},  {0x3D, '='},  {0x3E, '>'},
    {0x3F, '?'},  {0x5B, '['},  {0x5D, ']'},  {0x5F, '_'},  {0x6D, 0xB5}, {0x7B, '{'},
    {0x7C, '|'},  {0x7D, '}'},  {0x7E, '~'},  {0xA0, 0x80}, {0xA2, '\''}, {0xA6, 0x83},
    {0xB0, 0xB0}, {0xB1, 0xB1}, {0xB2, '"'},  {0xB4, 0xD7}, {0xB7, 0x95}, {0xB8, 0xF7},
    {0xBC, 0x85}, {0xD2, 0xAE}, {0xD3, 0xA9}, {0xD4, 0x99}, {0xD7, 0xB7}, {0xD8, 0xAC},
    {0xE2, 0xAE}, {0xE3, 0xA9}, {0xE4, 0x99}};

char FromSymbolFont(char32_t cp) {
    const unsigned place = cp - 0xF000;
    if (place >= '0' && place <= '9')
        return static_cast<char>(place);
    for (const auto& [symbol, c] : kSymbolFont)
        if (symbol == place)
            return static_cast<char>(c);
    return '?';
}

char FromCodePoint(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHighTable.size(); ++i) {
        char32_t mapped = kHighTable[i] == 0 ? static_cast<char32_t>(0x80 + i) : kHighTable[i];
        if (mapped == cp)
            return static_cast<char>(0x80 + i);
    }
    if (cp >= 0xF020 && cp <= 0xF0FF)
        return FromSymbolFont(cp);
    return ClearForm(cp);
}

// End of the run of ASCII bytes that starts at `i`. Pools are almost all
// ASCII, so eight bytes are tested at a time.
std::size_t AsciiRunEnd(std::string_view s, std::size_t i) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    while (i + 8 <= s.size()) {
        std::uint64_t word;
        std::memcpy(&word, s.data() + i, sizeof word);
        if ((word & kHighBits) != 0)
            break;
        i += 8;
    }
    while (i < s.size() && static_cast<unsigned char>(s[i]) < 0x80) ++i;
    return i;
}

// Length of the well-formed sequence that starts at `i` (not ASCII), with its
// code point in `cp`; 0 when ill-formed. The ranges of the second byte rule
// out overlong forms, surrogates and code points above U+10FFFF.
std::size_t SequenceAt(std::string_view s, std::size_t i, char32_t& cp) {
    const auto lead = static_cast<unsigned char>(s[i]);
    std::size_t length = 0;
    unsigned low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    } else {
        return 0;
    }
    if (s.size() - i < length)
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if (b < low || b > high)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
        low = 0x80;
        high = 0xBF;
    }
    return length;
}

// A character Windows-1252 holds: anything but the '?' of a code point it lacks.
bool Holds(char32_t cp, char c) {
    return c != '?' || cp == U'?';
}

struct Utf8Counts {
    std::size_t held = 0;       // sequences of several bytes Windows-1252 holds
    std::size_t illFormed = 0;  // bytes of no well-formed sequence
    std::size_t unheld = 0;     // characters Windows-1252 lacks
};

// The decoded text written to `start`, which has room for as many characters
// as `utf8` has bytes; its length. An ill-formed byte becomes '?', or, when
// `exact`, ends the decoding with nothing, as does a character Windows-1252
// cannot hold.
std::optional<std::size_t> DecodeUtf8(std::string_view utf8, char* const start, bool exact,
                                      Utf8Counts* counts = nullptr) {
    Utf8Counts ignored;
    Utf8Counts& n = counts ? *counts : ignored;
    char* next = start;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t end = AsciiRunEnd(utf8, i);
        std::memcpy(next, utf8.data() + i, end - i);
        next += end - i;
        i = end;
        if (i == utf8.size())
            break;
        char32_t cp = 0;
        const std::size_t length = SequenceAt(utf8, i, cp);
        if (length == 0) {
            if (exact)
                return std::nullopt;
            ++n.illFormed;
            *next++ = '?';
            ++i;
            continue;
        }
        const char c = FromCodePoint(cp);
        if (exact && !Holds(cp, c))
            return std::nullopt;
        ++(Holds(cp, c) ? n.held : n.unheld);
        *next++ = c;
        i += length;
    }
    return static_cast<std::size_t>(next - start);
}

// Never longer than the input: written in place, cut to size last.
std::optional<Text> DecodeUtf8(std::string_view utf8, bool exact) {
    Text out(utf8.size(), '\0');
    const std::optional<std::size_t> length = DecodeUtf8(utf8, out.data(), exact);
    if (!length)
        return std::nullopt;
    out.resize(*length);
    return out;
}

}  // namespace

std::string Cp1252ToUtf8(const Text& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (char c : text) AppendUtf8(out, ToCodePoint(static_cast<unsigned char>(c)));
    return out;
}

Text Utf8ToCp1252(std::string_view utf8) {
    return *DecodeUtf8(utf8, false);
}

std::optional<Text> ExactUtf8ToCp1252(std::string_view utf8) {
    return DecodeUtf8(utf8, true);
}

std::optional<std::size_t> ExactUtf8ToCp1252(std::string_view utf8, char* out) {
    return DecodeUtf8(utf8, out, true);
}

std::optional<std::size_t> LineUtf8ToCp1252(std::string_view line, char* out, bool utf8Known,
                                            std::size_t& lost) {
    Utf8Counts n;
    const std::size_t length = *DecodeUtf8(line, out, false, &n);
    if (n.held == 0 || (!utf8Known && n.illFormed >= n.held))
        return std::nullopt;
    lost += n.illFormed + n.unheld;
    return length;
}

Text Utf16ToCp1252(std::string_view bytes, ByteOrder order) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t units = bytes.size() / 2;
    const std::size_t highByte = order == ByteOrder::BigEndian ? 0 : 1;
    const auto unitAt = [p, highByte](std::size_t k) -> char32_t {
        return (char32_t{p[2 * k + highByte]} << 8) | p[2 * k + 1 - highByte];
    };
    // One character per unit at the most: written in place, cut to size last.
    Text out(units, '\0');
    char* const start = out.data();
    char* next = start;
    for (std::size_t k = 0; k < units; ++k) {
        const char32_t unit = unitAt(k);
        if (unit < 0x80) {
            *next++ = static_cast<char>(unit);
            continue;
        }
        if (unit >= 0xDC00 && unit <= 0xDFFF)
            break;
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            const char32_t low = k + 1 < units ? unitAt(k + 1) : 0;
            if (low < 0xDC00 || low > 0xDFFF)
                break;
            *next++ = '?';  // beyond U+FFFF: never a Windows-1252 character
            ++k;
            continue;
        }
        *next++ = FromCodePoint(unit);
    }
    out.resize(static_cast<std::size_t>(next - start));
    return out;
}

Text Utf32ToCp1252(std::string_view bytes, ByteOrder order) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t units = bytes.size() / 4;
    Text out;
    out.reserve(units);
    for (std::size_t k = 0; k < units; ++k) {
        char32_t unit = 0;
        for (std::size_t b = 0; b < 4; ++b) {
            const std::size_t at = order == ByteOrder::BigEndian ? b : 3 - b;
            unit = (unit << 8) | p[4 * k + at];
        }
        if (unit > 0x10FFFF || (unit >= 0xD800 && unit <= 0xDFFF))
            break;
        out.push_back(FromCodePoint(unit));
    }
    return out;
}

}  // namespace ktq
