// SPDX-License-Identifier: GPL-3.0-or-later
#include "pool/PoolText.h"

#include <algorithm>

namespace ktq {

Text GetField(const Text& text, char delimiter, std::uint8_t n) {
    if (n == 0 || text.empty())
        return {};
    std::size_t start = 0;
    for (unsigned piece = 1; piece < n; ++piece) {
        const std::size_t cut = text.find(delimiter, start);
        if (cut == Text::npos)
            return {};
        start = cut + 1;
    }
    const std::size_t end = text.find(delimiter, start);
    return text.substr(start, end == Text::npos ? Text::npos : end - start);
}

Text StripControlChars(const Text& text) {
    Text out;
    out.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(out),
                 [](char c) { return c != '\t' && c != '\n' && c != '\r'; });
    return out;
}

Text YearText(const Text& fileName) {
    const std::size_t two = Pos("2", fileName);
    return Copy(fileName, two > 0 ? two : 1, 4);
}

bool IsHeaderLine(const Text& line) {
    const Text stripped = StripControlChars(line);
    const std::size_t open = Pos("(", stripped);
    const std::size_t close = Pos(")", stripped);
    return open >= 6 && open <= 10 && close >= 7 && close <= 12;
}

bool IsFirstSubelementCode(const Text& code) {
    return code.size() >= 2 && code[1] == '1';
}

}  // namespace ktq
