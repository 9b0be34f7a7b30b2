// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Weakest first": which questions a drill draws, by the memory model. First
// a question answered wrongly in this session, once three others have come
// between; then the questions due (recall below the target retention),
// lowest recall first; then those never seen, from the weakest group first,
// in pool order; and when nothing is due and all were seen, the lowest
// recall first. The question just shown never comes again at once.
#include <cstdint>
#include <vector>

#include "history/StudyHistory.h"
#include "text/Text.h"

namespace ktq {

// A question answered wrongly in this session, and the draw from which it
// may come back.
struct Relearning {
    Text code;
    int fromDraw = 0;
};

// Three other questions come between a wrong answer and its return.
inline constexpr int kQuestionsBeforeReturn = 3;

struct DrillSituation {
    const LineList* codes = nullptr;  // the drawable codes, in pool order
    const StudyHistory* history = nullptr;
    std::int64_t nowUtcMs = 0;
    double retention = 0.9;
    std::vector<Relearning> relearning;  // oldest first
    int nextDraw = 0;                    // the number of the draw to come
    Text lastShown;
    // New questions the day's plan still wants; beyond them the seen ones
    // come first (negative: no plan).
    int newAllowed = -1;
};

// The codes the drill would draw next, in order, the first `count` of them
// (each code once).
LineList DrillOrder(const DrillSituation& situation, std::size_t count);

// Seen questions whose recall is now below the target retention.
int DueCount(const LineList& codes, const StudyHistory& history, std::int64_t nowUtcMs,
             double retention);

// Questions falling due on each of the next `days` local days, today first
// (today counts those already due too).
std::vector<int> DueForecast(const LineList& codes, const StudyHistory& history,
                             std::int64_t nowUtcMs, std::int64_t localOffsetMs, double retention,
                             int days);

}  // namespace ktq
