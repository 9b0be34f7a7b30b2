// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "ExamFixture.h"
#include "exam/QuestionChoice.h"
#include "exam/RandomDraw.h"

namespace ktq {
namespace {

using testsupport::Bank;
using testsupport::Record;

TEST(RandomDraw, StepsTheSeedAndTakesTheHighHalfOfTheProduct) {
    std::uint32_t seed = 0;
    EXPECT_EQ(DrawBelow(seed, 10), 0u);
    EXPECT_EQ(seed, 1u);
    seed = 0xFFFFFFFFu;  // wraps modulo 2^32
    EXPECT_EQ(DrawBelow(seed, 10), 9u);
    EXPECT_EQ(seed, 4160191484u);
    seed = 12345;
    EXPECT_EQ(DrawBelow(seed, 700), 269u);
    EXPECT_EQ(DrawBelow(seed, 0), 0u);
}

TEST(RandomDraw, SeedsFromTheLow32BitsOfTheCounter) {
    EXPECT_EQ(DrawFromCounter(12345, 700), 269u);
    EXPECT_EQ(DrawFromCounter((std::uint64_t{7} << 32) | 12345, 700), 269u);
    EXPECT_EQ(DrawFromCounter(22, 3), 2u);  // the top value is reachable
}

TEST(QuestionChoice, ByCodeTakesTheFirstExactMatchElseTheLastEntry) {
    LineList bank = {Record("T1A01", "A"), Record("T1A02", "B"), Record("T1A02", "C"),
                     Record("T1A03", "D")};
    EXPECT_EQ(FindEntryByCodeOrLast(bank, "T1A02"), 1u);
    EXPECT_EQ(FindEntryByCodeOrLast(bank, "t1a02"), 3u);
    EXPECT_EQ(FindEntryByCodeOrLast(bank, "T1A0"), 3u);
    EXPECT_EQ(FindEntryByCodeOrLast(LineList{Record("X", "A")}, "Y"), 0u);
}

TEST(QuestionChoice, QualifyingRules) {
    const Text plain = Record("T1A01", "A");
    const Text drawing = Record("T1A02", "A", "See Figure T-1?");
    const Text lower = Record("T1A03", "A", "in figure T-1?");
    EXPECT_TRUE(QualifiesForDraw(plain, "", false));
    EXPECT_FALSE(QualifiesForDraw("", "", true));
    EXPECT_FALSE(QualifiesForDraw(plain, "T1A02 T1A01 ", false));
    EXPECT_FALSE(QualifiesForDraw(plain, "XT1A01Y ", false));  // a plain substring test
    EXPECT_FALSE(QualifiesForDraw(drawing, "", false));
    EXPECT_TRUE(QualifiesForDraw(drawing, "", true));
    EXPECT_TRUE(QualifiesForDraw(lower, "", false));
    EXPECT_TRUE(QualifiesForDraw("\tA\tq", "anything ", false));  // no code, never asked
}

std::function<std::uint64_t()> SteppingCounter(std::uint64_t start, std::uint64_t step) {
    return [value = start, step]() mutable { return value += step; };
}

TEST(QuestionChoice, EveryEntryCanBeDrawnIncludingTheLast) {
    const LineList bank = Bank(7);
    std::set<std::size_t> seen;
    auto counter = SteppingCounter(0, 3579);
    for (int i = 0; i < 500; ++i) seen.insert(*DrawQualifyingEntry(bank, "", false, counter));
    EXPECT_EQ(seen.size(), 7u);
    EXPECT_TRUE(seen.count(6));
}

TEST(QuestionChoice, ADrawAvoidsAskedCodesAndEndsWhenNothingQualifies) {
    const LineList bank = Bank(4);
    auto counter = SteppingCounter(1, 3579);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(DrawQualifyingEntry(bank, "T1A01 T1A02 T1A04 ", false, counter), 2u);
    EXPECT_EQ(DrawQualifyingEntry(bank, "T1A01 T1A02 T1A03 T1A04 ", false, counter), std::nullopt);
    const LineList figures = {Record("T1A01", "A", "Figure T-1?"), ""};
    EXPECT_EQ(DrawQualifyingEntry(figures, "", false, counter), std::nullopt);
    EXPECT_EQ(DrawQualifyingEntry(LineList{}, "", false, counter), std::nullopt);
}

TEST(QuestionChoice, AStuckCounterStillFindsTheOneEntryLeft) {
    const LineList bank = Bank(50);
    Text asked;
    for (int i = 0; i < 50; ++i) {
        if (i != 37)
            asked += bank[i].substr(0, 5) + " ";
    }
    auto stuck = [] { return std::uint64_t{99}; };
    EXPECT_EQ(DrawQualifyingEntry(bank, asked, false, stuck), 37u);
}

}  // namespace
}  // namespace ktq
