// SPDX-License-Identifier: GPL-3.0-or-later
// Text files as editors save them: any bytes become text no longer than
// needed, every line of a text read as UTF-8 or Windows-1252 is either
// decoded character by character or kept as saved, and the program's own
// text saved as UTF-8 or UTF-16 reads back as it was.
#include <algorithm>
#include <map>
#include <optional>
#include <vector>

#include "FuzzCheck.h"
#include "text/CodePage.h"
#include "text/TextEncoding.h"

namespace ktq {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// The well-formed UTF-8 sequence at `i`, or nothing when the byte there
// starts none (overlong forms, surrogates and code points past U+10FFFF are
// not well formed).
struct Sequence {
    char32_t codePoint;
    std::string_view bytes;
};
std::optional<Sequence> SequenceAt(std::string_view s, std::size_t i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    const std::size_t length = lead < 0x80                    ? 1
                               : lead >= 0xC2 && lead <= 0xDF ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || i + length > s.size())
        return std::nullopt;
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(s[i + k]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        cp = (cp << 6) | (next & 0x3F);
    }
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < smallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return std::nullopt;
    return Sequence{cp, s.substr(i, length)};
}

// All sequences of the text, or nothing when a byte is not part of one.
std::optional<std::vector<Sequence>> Utf8Sequences(std::string_view s) {
    std::vector<Sequence> out;
    for (std::size_t i = 0; i < s.size(); i += out.back().bytes.size()) {
        const std::optional<Sequence> sequence = SequenceAt(s, i);
        if (!sequence)
            return std::nullopt;
        out.push_back(*sequence);
    }
    return out;
}

// The Windows-1252 character of each UTF-8 sequence it can hold or has a
// clear form for; the Symbol font's characters as the program maps them.
std::optional<char> Cp1252Of(const Sequence& sequence) {
    static const std::map<std::string, char> table = [] {
        std::map<std::string, char> t;
        for (int b = 1; b < 256; ++b)
            t[Cp1252ToUtf8(Text(1, static_cast<char>(b)))] = static_cast<char>(b);
        for (const char* hyphen : {"\xE2\x80\x90", "\xE2\x80\x91", "\xE2\x88\x92"}) t[hyphen] = '-';
        return t;
    }();
    if (sequence.codePoint >= 0xF020 && sequence.codePoint <= 0xF0FF) {
        const Text c = Utf8ToCp1252(sequence.bytes);
        return c == "?" ? std::nullopt : std::optional<char>(c[0]);
    }
    const auto found = table.find(std::string(sequence.bytes));
    return found == table.end() ? std::nullopt : std::optional<char>(found->second);
}

// The line decoded character by character ('?' for a bad byte or a character
// Windows-1252 lacks) when it holds a character of several bytes that
// Windows-1252 holds, and, unless the text is marked UTF-8, fewer bad bytes
// than those; otherwise the line as it was saved.
Text DecodedOrKept(std::string_view line, bool marked) {
    Text decoded;
    std::size_t held = 0, bad = 0;
    for (std::size_t i = 0; i < line.size();) {
        const std::optional<Sequence> sequence = SequenceAt(line, i);
        const std::optional<char> c = sequence ? Cp1252Of(*sequence) : std::nullopt;
        bad += sequence ? 0 : 1;
        held += c && sequence->bytes.size() > 1 ? 1 : 0;
        decoded += c.value_or('?');
        i += sequence ? sequence->bytes.size() : 1;
    }
    return held > 0 && (marked || bad < held) ? decoded : Text(line);
}

// Every line (up to CR or LF) decoded or kept, the line ends as they were.
void CheckEveryLineDecodedOrKept(std::string_view saved, bool marked, const Text& text) {
    Text expected;
    std::size_t start = 0;
    while (start <= saved.size()) {
        const std::size_t end = std::min(saved.find_first_of("\r\n", start), saved.size());
        expected += DecodedOrKept(saved.substr(start, end - start), marked);
        if (end < saved.size())
            expected += saved[end];
        start = end + 1;
    }
    FUZZ_CHECK(text == expected);
}

std::string Utf16(const std::vector<Sequence>& sequences, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    auto unit = [&](char32_t u) {
        const char high = static_cast<char>(u >> 8), low = static_cast<char>(u & 0xFF);
        out += bigEndian ? std::string{high, low} : std::string{low, high};
    };
    for (const Sequence& s : sequences) {
        if (s.codePoint < 0x10000) {
            unit(s.codePoint);
        } else {
            unit(0xD800 + ((s.codePoint - 0x10000) >> 10));
            unit(0xDC00 + ((s.codePoint - 0x10000) & 0x3FF));
        }
    }
    return out;
}

void CheckAnyBytes(std::string_view bytes) {
    SavedTextReading reading;
    const Text text = DecodeSavedText(bytes, &reading);
    FUZZ_CHECK(text.find('\0') == Text::npos);
    if (reading.encoding == SavedEncoding::Utf16 || reading.encoding == SavedEncoding::Utf32) {
        FUZZ_CHECK(text.size() <= bytes.size() / 2);
        return;
    }
    std::string_view saved = bytes.substr(0, bytes.find('\0'));
    const bool marked = StartsWith(saved, kUtf8Mark);
    if (marked)
        saved.remove_prefix(kUtf8Mark.size());
    CheckEveryLineDecodedOrKept(saved, marked, text);
}

void CheckSavedByAnEditor(std::string_view bytes) {
    Text text(bytes);
    text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
    const std::string utf8 = Cp1252ToUtf8(text);
    FUZZ_CHECK(DecodeSavedText(utf8) == text);
    FUZZ_CHECK(DecodeSavedText(std::string(kUtf8Mark) + utf8) == text);
    const auto sequences = Utf8Sequences(utf8);
    FUZZ_CHECK(sequences.has_value());
    FUZZ_CHECK(DecodeSavedText(Utf16(*sequences, false)) == text);
    FUZZ_CHECK(DecodeSavedText(Utf16(*sequences, true)) == text);
}

}  // namespace
}  // namespace ktq

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = ktq::fuzz::AsBytes(data, size);
    ktq::CheckAnyBytes(bytes);
    ktq::CheckSavedByAnEditor(bytes);
    return 0;
}
