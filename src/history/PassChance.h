// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chance of passing an exam drawn as the real one: one question from each
// group, each answered right with its group's own chance, the right answers
// a Poisson-binomial sum computed exactly.
#include <vector>

namespace ktq {

// 26 of 35 and 37 of 50, as the real exams; otherwise the smallest whole
// number that is at least 74% of the questions.
inline int PassMark(int questions) {
    return (74 * questions + 99) / 100;
}

// `groupChances` holds one chance per group of the pool. The exam takes
// `examSize` groups (all of them when the pool has no more) and passes at
// `passMark` right answers.
double ChanceOfPassing(const std::vector<double>& groupChances, int examSize, int passMark);

}  // namespace ktq
