// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the chosen file's name tells about the licence level.
#include "text/Text.h"

namespace ktq {

// 50 questions for the extra level, 35 otherwise.
int ExamSizeFor(const Text& fileName);
// "KTQExtra", "KTQGeneral" or "KTQTech" by the level word; "N" for none. The
// words are tested in that order and the last one found wins.
Text LevelTagFor(const Text& fileName);
// The key of the level named by "EXTR", "GEN" or "TECH" (last found wins);
// `current` when the name holds none of them.
Text KeyAlphabetFor(const Text& fileName, const Text& current);
// LevelTag + " " + year text + suffix, e.g. "KTQTech 2026 ^ study.txt".
Text LevelFileName(const Text& levelTag, const Text& poolFileName, const char* suffix);

}  // namespace ktq
