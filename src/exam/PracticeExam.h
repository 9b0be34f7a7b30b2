// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A practice exam drawn as the real one: one question from each group of the
// pool (the first three characters of a code, "T1A"), in an order shuffled
// once, scored against the pass mark of the real exam.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "history/PassChance.h"
#include "history/QuestionGroups.h"
#include "text/Text.h"

namespace ktq {

// The bank entries of the exam, in the order they are shown: one drawn from
// each group, or from `examSize` groups chosen at random when the bank has
// more. Without figures, a question naming one is drawn only when its group
// has nothing else. Every draw reseeds from `counter`, as the trial does.
std::vector<std::size_t> DrawPracticeExam(const LineList& bank, int examSize, bool figuresAvailable,
                                          const std::function<std::uint64_t()>& counter);

// The order a question's answers are shown in, as the real exams shuffle
// them: the pool's letters in the order of the boxes A to D ("CADB"). A
// question whose answers name others by letter ("Both A and B") keeps the
// pool's order, which alone keeps them true.
Text DrawAnswerOrder(const Text& entry, const std::function<std::uint64_t()>& counter);

// The pool's letter of the answer box `number` (1..4) shows in `order`.
Text PoolLetterOfBox(const Text& order, int number);

struct ExamAnswer {
    Text code;
    Text correct;  // the letter the question was judged against
    Text chosen;
};

int CountRight(const std::vector<ExamAnswer>& answers);

// What is shown and kept of a finished exam: the result line, `takenLine`,
// one line per sub-element in pool order, an empty line, then a review block
// for each wrong answer.
// A review block ends with the question's study note from `noteOf`, if any.
LineList ExamReportLines(const LineList& bank, const std::vector<ExamAnswer>& answers,
                         const Text& takenLine,
                         const std::function<Text(const Text& code)>& noteOf = {});

}  // namespace ktq
