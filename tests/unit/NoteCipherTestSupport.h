// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Enciphers a note the way the shipped note files are made, so tests can
// hold readable notes. The program itself only deciphers.
#include "NoteEncipher.h"

namespace ktq::testsupport {

inline Text EncipherForTest(const Text& text, const Text& key) {
    return EncipherNote(text, key);
}

}  // namespace ktq::testsupport
