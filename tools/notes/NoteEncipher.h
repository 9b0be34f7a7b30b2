// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The inverse of the program's deciphering, for the build step that ships the
// notes and for tests that hold readable notes. The program never enciphers.
#include <string_view>

#include "text/NoteCipher.h"

namespace ktq {

// Each character of the plain alphabet becomes the one at its place in
// `key`; any other character (the apostrophe, "@", Windows-1252's upper half)
// passes through, as the program's deciphering expects.
inline Text EncipherNote(const Text& plain, const Text& key) {
    const std::string_view alphabet = PlainAlphabet;
    Text out;
    out.reserve(plain.size());
    for (char c : plain) {
        const std::size_t p = alphabet.find(c);
        out += p != std::string_view::npos && p < key.size() ? key[p] : c;
    }
    return out;
}

}  // namespace ktq
