// SPDX-License-Identifier: GPL-3.0-or-later
#include "pool/LevelRules.h"

#include "pool/PoolText.h"
#include "text/NoteCipher.h"

namespace ktq {

int ExamSizeFor(const Text& fileName) {
    return Contains(LowerAscii(fileName), "extra") ? 50 : 35;
}

Text LevelTagFor(const Text& fileName) {
    const Text lower = LowerAscii(fileName);
    Text tag = "N";
    if (Contains(lower, "extra"))
        tag = "KTQExtra";
    if (Contains(lower, "general"))
        tag = "KTQGeneral";
    if (Contains(lower, "tech"))
        tag = "KTQTech";
    return tag;
}

Text KeyAlphabetFor(const Text& fileName, const Text& current) {
    const Text upper = UpperAscii(fileName);
    Text key = current;
    if (Contains(upper, "EXTR"))
        key = kExtraKeyAlphabet;
    if (Contains(upper, "GEN"))
        key = kGeneralKeyAlphabet;
    if (Contains(upper, "TECH"))
        key = kTechKeyAlphabet;
    return key;
}

Text LevelFileName(const Text& levelTag, const Text& poolFileName, const char* suffix) {
    return levelTag + " " + YearText(poolFileName) + suffix;
}

}  // namespace ktq
