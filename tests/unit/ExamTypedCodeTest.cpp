// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "exam/QuestionChoice.h"
#include "ui/Spoken.h"

namespace ktq {
namespace {

TEST(TypedCodeTest, WaitsOnlyWhileTheTextBeginsACodeAndIsNoneYet) {
    const LineList bank = {"T1A1\tA", "T1A10\tB", "T1B02\tC"};
    EXPECT_TRUE(IsUnfinishedCode(bank, "T1"));
    EXPECT_TRUE(IsUnfinishedCode(bank, ""));       // emptied: no random question
    EXPECT_FALSE(IsUnfinishedCode(bank, "T1A1"));  // whole, though it begins T1A10
    EXPECT_FALSE(IsUnfinishedCode(bank, "T1C"));   // begins none: the last entry, as before
    EXPECT_FALSE(IsUnfinishedCode(bank, "t1a1"));
}

TEST(SpokenTest, AWrongAnswerWithoutACorrectLetterSaysOnlyThat) {
    EXPECT_EQ(ResultAnnouncement(false, "", "anything"), "Wrong.");
    EXPECT_EQ(ResultAnnouncement(false, "B", " 3.5 MHz. "), "Wrong. The answer is B: 3.5 MHz.");
}

}  // namespace
}  // namespace ktq
