// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The memory model of the free spaced-repetition scheduler, version 6
// (FSRS-6), with its published default parameters: each question has a
// difficulty and a stability, and the chance of recalling it falls with the
// time since it was last answered. A wrong answer rates Again, a right one
// Good; answers less than a day apart follow the model's same-day rule.
#include <optional>

namespace ktq {

enum class Rating { Again = 1, Hard = 2, Good = 3, Easy = 4 };

struct MemoryState {
    double stability = 0;   // days until recall falls to 90%
    double difficulty = 0;  // 1 (easy) to 10 (hard)
};

// The state after an answer given `elapsedDays` after the one before; the
// first answer of a question (no state yet) takes its initial values.
MemoryState NextMemoryState(const std::optional<MemoryState>& before, Rating rating,
                            double elapsedDays);

// The chance of recalling the question `elapsedDays` after its last answer.
double Recall(const MemoryState& state, double elapsedDays);

// The days after the last answer at which recall falls to `retention`.
double DaysUntilRecall(const MemoryState& state, double retention);

// A four-choice question is answered right by recall, or by a lucky guess.
inline double ChanceOfRightAnswer(double recall) {
    return 0.25 + 0.75 * recall;
}

}  // namespace ktq
