// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Enciphers a note the way the note files supplied with the program were
// made, so tests can hold readable notes. The program itself only deciphers.
#include "text/NoteCipher.h"

namespace ktq::testsupport {

inline Text EncipherForTest(const Text& text, const Text& key) {
    const Text plain = PlainAlphabet;
    Text out;
    out.reserve(text.size());
    for (char c : text) {
        const std::size_t p = plain.find(c);
        out += p != Text::npos && p < key.size() ? key[p] : c;
    }
    return out;
}

}  // namespace ktq::testsupport
