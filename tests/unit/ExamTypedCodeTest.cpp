#include <gtest/gtest.h>

#include "exam/QuestionChoice.h"
#include "ui/Spoken.h"

namespace ktq {
namespace {

struct Typed {
    const char* name;
    Text typed;
    bool unfinished;
};

class TypedCodeTest : public ::testing::TestWithParam<Typed> {};

TEST_P(TypedCodeTest, WaitsOnlyWhileTheTextBeginsACodeAndIsNoneYet) {
    const LineList bank = {"T1A1\tA", "T1A10\tB", "T1B02\tC"};
    EXPECT_EQ(IsUnfinishedCode(bank, GetParam().typed), GetParam().unfinished);
}

INSTANTIATE_TEST_SUITE_P(Codes, TypedCodeTest,
                         ::testing::Values(Typed{"SharedBeginning", "T1", true},
                                           Typed{"Emptied", "", true},
                                           Typed{"WholeCodeThatBeginsAnother", "T1A1", false},
                                           Typed{"BeginsNoCode", "T1C", false},
                                           Typed{"CaseCounts", "t1a1", false}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(SpokenTest, AWrongAnswerWithoutACorrectLetterSaysOnlyThat) {
    EXPECT_EQ(ResultAnnouncement(false, "", "anything"), "Wrong.");
    // No second full stop after one the answer has.
    EXPECT_EQ(ResultAnnouncement(false, "B", " 3.5 MHz. "), "Wrong. The answer is B: 3.5 MHz.");
}

}  // namespace
}  // namespace ktq
