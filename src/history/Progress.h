// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the candidate stands in the chosen pool: per sub-element and group,
// the questions in the bank, seen, last answered right, the answers given and
// right; the chance of passing an exam drawn as the real one now; and the
// right share of each study day. The window and the report show this.
#include <cstdint>
#include <vector>

#include "history/StudyHistory.h"
#include "text/Text.h"

namespace ktq {

struct ProgressRow {
    Text code;  // "T1", "T1A"; the pool's name for the whole pool
    int inBank = 0, seen = 0, lastRight = 0, answers = 0, right = 0, notKnown = 0;
    double chanceRight = 0;  // of a question drawn from it, answered now
};

struct StudyDay {
    std::int64_t day = 0;  // local days since 1970-01-01
    int answers = 0, right = 0;
};

struct ProgressView {
    ProgressRow whole;
    std::vector<ProgressRow> subelements, groups;
    double passChance = 0;
    std::vector<StudyDay> days;
};

// `codes` are the bank's codes in pool order; `localOffsetMs` turns UTC into
// the user's days.
ProgressView BuildProgress(const LineList& codes, const StudyHistory& history,
                           std::int64_t nowUtcMs, int examSize, std::int64_t localOffsetMs);

// "12.3%".
Text PercentWithOneDecimal(double share);

// The report: a title naming the pool and when the report was made
// (`madeAt`), a line with the whole pool, then under a line of column
// headings one TAB-separated line per sub-element (code, in bank, seen, last
// right, answers, right, not known), the same per group, then the chance of
// passing.
LineList ProgressReportLines(const ProgressView& view, const Text& madeAt);

}  // namespace ktq
