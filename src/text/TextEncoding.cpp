// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/TextEncoding.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "text/CodePage.h"

namespace ktq {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

bool StartsWithMark(std::string_view bytes, std::string_view mark) {
    return bytes.substr(0, mark.size()) == mark;
}

std::string_view BeforeNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

}  // namespace

Text DecodeSavedText(std::string_view bytes) {
    if (StartsWithMark(bytes, kUtf8Mark))
        return Utf8ToCp1252(BeforeNul(bytes.substr(kUtf8Mark.size())));
    if (StartsWithMark(bytes, kUtf16LeMark) || StartsWithMark(bytes, kUtf16BeMark)) {
        const ByteOrder order =
            bytes[0] == kUtf16LeMark[0] ? ByteOrder::LittleEndian : ByteOrder::BigEndian;
        Text text = Utf16ToCp1252(bytes.substr(kUtf16LeMark.size()), order);
        text.resize(BeforeNul(text).size());
        return text;
    }
    return DecodeSavedText(std::string(bytes));
}

Text DecodeSavedText(std::string&& bytes) {
    if (StartsWithMark(bytes, kUtf8Mark) || StartsWithMark(bytes, kUtf16LeMark) ||
        StartsWithMark(bytes, kUtf16BeMark))
        return DecodeSavedText(std::string_view(bytes));
    // What lies after a NUL is never read, so it does not decide the reading.
    bytes.resize(BeforeNul(bytes).size());
    // Pure ASCII comes out the same either way.
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; }))
        return std::move(bytes);
    // A Windows-1252 byte above 0x7F is almost never part of a well-formed
    // sequence, so the attempt stops early.
    if (std::optional<Text> decoded = StrictUtf8ToCp1252(bytes))
        return std::move(*decoded);
    return std::move(bytes);
}

}  // namespace ktq
