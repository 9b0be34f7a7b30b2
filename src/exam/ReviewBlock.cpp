// SPDX-License-Identifier: GPL-3.0-or-later
#include "exam/ReviewBlock.h"

#include "pool/PoolText.h"

namespace ktq {

const Text* FindReviewedEntry(const LineList& bank, const Text& code) {
    const Text* match = nullptr;
    for (const Text& entry : bank) {
        if (Pos(code, entry) != 0)
            match = &entry;
    }
    return match;
}

void AppendReviewBlock(LineList& lines, const Text& entry, const Text& code, const Text& chosen,
                       const Text& correct, const Text& note) {
    lines.push_back("+++ Section code : " + code);
    for (int n = 4; n <= 8; ++n) lines.push_back(GetField(entry, kTab, n));
    lines.push_back("---> Answer selected : " + chosen);
    lines.push_back("---> Correct answer : " + correct);
    for (const Text& part : SplitLines(ReplaceAll(Trim(note), "@", "\n"))) lines.push_back(part);
    lines.push_back("");
}

}  // namespace ktq
