// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a pool's codes group its questions: "T1A01" is in group "T1A" of
// sub-element "T1". The real exam takes one question from each group.
#include "text/Text.h"

namespace ktq {

inline Text GroupOfCode(const Text& code) {
    return code.substr(0, 3);
}

inline Text SubelementOfCode(const Text& code) {
    return code.substr(0, 2);
}

}  // namespace ktq
