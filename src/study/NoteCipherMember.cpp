// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/NoteCipher.h"
#include "ui/TForm1.h"

namespace ktq {

Text TForm1::DecipherNote(const Text& text) const {
    return ktq::DecipherNote(text, state.KeyAlphabet);
}

}  // namespace ktq
