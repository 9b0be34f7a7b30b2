// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Windows-1252 text as an editor saves it in another encoding. The C
// library's iconv does the encoding, so the program's own conversion is not
// the judge of its own work.
#include <iconv.h>

#include <stdexcept>
#include <string>

namespace ktq::testsupport {

enum class Saving { Windows1252, Utf8, Utf8WithMark, Utf8WithLf, Utf16LeWithMark, Utf16BeWithMark };

inline std::string Encoded(const std::string& cp1252, const char* encoding) {
    iconv_t cd = iconv_open(encoding, "WINDOWS-1252");
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error(std::string("iconv cannot encode ") + encoding);
    std::string in = cp1252, out(cp1252.size() * 4 + 4, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size(), outLeft = out.size();
    const std::size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (done == static_cast<std::size_t>(-1))
        throw std::runtime_error(std::string("iconv failed on the way to ") + encoding);
    out.resize(out.size() - outLeft);
    return out;
}

inline std::string WithLf(std::string text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            out += text[i];
    return out;
}

inline std::string SavedAs(const std::string& cp1252, Saving how) {
    switch (how) {
        case Saving::Windows1252:
            return cp1252;
        case Saving::Utf8:
            return Encoded(cp1252, "UTF-8");
        case Saving::Utf8WithMark:
            return "\xEF\xBB\xBF" + Encoded(cp1252, "UTF-8");
        case Saving::Utf8WithLf:
            return Encoded(WithLf(cp1252), "UTF-8");
        case Saving::Utf16LeWithMark:
            return "\xFF\xFE" + Encoded(cp1252, "UTF-16LE");
        case Saving::Utf16BeWithMark:
            return "\xFE\xFF" + Encoded(cp1252, "UTF-16BE");
    }
    return cp1252;
}

}  // namespace ktq::testsupport
