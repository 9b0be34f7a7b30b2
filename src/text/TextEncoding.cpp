// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/TextEncoding.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <utility>

#include "text/CodePage.h"

namespace ktq {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf32LeMark{"\xFF\xFE\0\0", 4};
constexpr std::string_view kUtf32BeMark{"\0\0\xFE\xFF", 4};
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

bool StartsWithMark(std::string_view bytes, std::string_view mark) {
    return bytes.substr(0, mark.size()) == mark;
}

std::string_view BeforeNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

Text CutAtNul(Text text) {
    text.resize(BeforeNul(text).size());
    return text;
}

// UTF-16 saved without a mark: one byte of each pair is zero for every ASCII
// character, which Windows-1252 and UTF-8 text never has.
std::optional<ByteOrder> Utf16ByZeroBytes(std::string_view bytes) {
    const std::size_t pairs = std::min<std::size_t>(bytes.size(), 4096) / 2;
    std::size_t evenZeros = 0, oddZeros = 0;
    for (std::size_t k = 0; k < pairs; ++k) {
        evenZeros += bytes[2 * k] == '\0';
        oddZeros += bytes[2 * k + 1] == '\0';
    }
    const auto shows = [pairs](std::size_t many, std::size_t few) {
        return many >= 4 && many * 4 >= pairs && few * 32 <= pairs;
    };
    if (shows(oddZeros, evenZeros))
        return ByteOrder::LittleEndian;
    if (shows(evenZeros, oddZeros))
        return ByteOrder::BigEndian;
    return std::nullopt;
}

bool HasZeroByte(std::uint64_t word) {
    return ((word - 0x0101010101010101ULL) & ~word & 0x8080808080808080ULL) != 0;
}

// End of the line that starts at `i` (its CR or LF, or the end of the text);
// `high` tells whether it holds a byte above 0x7F. Eight bytes at a time, as
// lines are long runs of ASCII.
std::size_t LineEnd(std::string_view s, std::size_t i, bool& high) {
    constexpr std::uint64_t kLf = 0x0A0A0A0A0A0A0A0AULL, kCr = 0x0D0D0D0D0D0D0D0DULL;
    while (i + 8 <= s.size()) {
        std::uint64_t word;
        std::memcpy(&word, s.data() + i, sizeof word);
        if (HasZeroByte(word ^ kLf) || HasZeroByte(word ^ kCr))
            break;
        high = high || (word & 0x8080808080808080ULL) != 0;
        i += 8;
    }
    for (; i < s.size() && s[i] != '\n' && s[i] != '\r'; ++i)
        high = high || (static_cast<unsigned char>(s[i]) & 0x80) != 0;
    return i;
}

// Decodes the text from `from` on, line by line, into the front of its own
// buffer: a line never grows, so what is written never overtakes what is
// still to be read.
void DecodeLinesInPlace(std::string& text, std::size_t from, bool marked, SavedTextReading& r) {
    const std::size_t size = text.size();
    std::size_t in = from, out = 0, utf8Lines = 0;
    std::string decoded;  // one line's UTF-8 reading, kept only when it is exact
    while (in < size) {
        bool high = false;
        const std::size_t end = LineEnd(text, in, high);
        std::optional<std::size_t> length;
        if (high) {
            decoded.resize(std::max(decoded.size(), end - in));
            length = LineUtf8ToCp1252(std::string_view(text).substr(in, end - in), decoded.data(),
                                      marked, r.lostCharacters);
            ++(length ? utf8Lines : r.windows1252Lines);
        }
        if (length) {
            std::memcpy(text.data() + out, decoded.data(), *length);
            out += *length;
        } else {
            if (out != in)
                std::memmove(text.data() + out, text.data() + in, end - in);
            out += end - in;
        }
        in = end;
        if (in < size)
            text[out++] = text[in++];
    }
    text.resize(out);
    r.encoding = marked || utf8Lines > 0 ? SavedEncoding::Utf8 : SavedEncoding::Windows1252;
}

// The text of a file saved as UTF-32 or UTF-16; nothing for any other.
std::optional<Text> DecodeUtf16Or32(std::string_view bytes, SavedTextReading& r) {
    for (std::string_view mark : {kUtf32LeMark, kUtf32BeMark}) {
        if (StartsWithMark(bytes, mark)) {
            r.encoding = SavedEncoding::Utf32;
            const ByteOrder order =
                mark == kUtf32LeMark ? ByteOrder::LittleEndian : ByteOrder::BigEndian;
            return CutAtNul(Utf32ToCp1252(bytes.substr(mark.size()), order));
        }
    }
    std::optional<ByteOrder> order = Utf16ByZeroBytes(bytes);
    std::size_t markSize = 0;
    if (StartsWithMark(bytes, kUtf16LeMark) || StartsWithMark(bytes, kUtf16BeMark)) {
        order = bytes[0] == kUtf16LeMark[0] ? ByteOrder::LittleEndian : ByteOrder::BigEndian;
        markSize = kUtf16LeMark.size();
    }
    if (!order)
        return std::nullopt;
    r.encoding = SavedEncoding::Utf16;
    return CutAtNul(Utf16ToCp1252(bytes.substr(markSize), *order));
}

}  // namespace

Text DecodeSavedText(std::string_view bytes, SavedTextReading* reading) {
    return DecodeSavedText(std::string(bytes), reading);
}

Text DecodeSavedText(std::string&& bytes, SavedTextReading* reading) {
    SavedTextReading ignored;
    SavedTextReading& r = reading ? *reading : ignored;
    r = SavedTextReading{};
    r.packed = bytes.starts_with("PK\x03\x04");
    const bool marked = StartsWithMark(bytes, kUtf8Mark);
    if (!marked) {
        if (std::optional<Text> text = DecodeUtf16Or32(bytes, r))
            return std::move(*text);
    }
    // What lies after a NUL is never read, so it does not decide the reading.
    bytes.resize(BeforeNul(bytes).size());
    DecodeLinesInPlace(bytes, marked ? kUtf8Mark.size() : 0, marked, r);
    return std::move(bytes);
}

}  // namespace ktq
