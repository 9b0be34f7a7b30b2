// SPDX-License-Identifier: GPL-3.0-or-later
// The keys that answer and the feedback the answer boxes report.
#include <gtest/gtest.h>

#include "ExamFixture.h"
#include "ui/AnswerBoxes.h"

namespace ktq {
namespace {

using testsupport::Bank;
using testsupport::ExamTest;

class AnswerBoxesTest : public ExamTest {
  protected:
    void SetUp() override {
        ExamTest::SetUp();
        UseBank(Bank(10));
    }
    void Show(const Text& code) {
        Guarded([&] {
            form().Button4Click();
            form().ShowQuestion(code);
        });
    }
    std::vector<AnswerFeedback> Feedback() {
        std::vector<AnswerFeedback> all;
        for (int n = 1; n <= 4; ++n) all.push_back(FeedbackOf(form(), n));
        return all;
    }
};

TEST_F(AnswerBoxesTest, DigitsAndLettersNameTheBoxesOnlyWhileAQuestionIsShown) {
    EXPECT_EQ(AnswerBoxForKey(form(), '1'), nullptr);  // nothing asked yet
    Show("T1A01");
    EXPECT_EQ(AnswerBoxForKey(form(), '1'), &form().RichEdit2);
    EXPECT_EQ(AnswerBoxForKey(form(), '4'), &form().RichEdit5);
    EXPECT_EQ(AnswerBoxForKey(form(), 'b'), &form().RichEdit3);
    EXPECT_EQ(AnswerBoxForKey(form(), 'C'), &form().RichEdit4);
    for (char other : {'0', '5', 'E', 'e', ' ', '\r'})
        EXPECT_EQ(AnswerBoxForKey(form(), other), nullptr) << other;
    Guarded([&] { form().Button5Click(); });  // the review takes the boxes' place
    EXPECT_EQ(AnswerBoxForKey(form(), '1'), nullptr);
}

TEST_F(AnswerBoxesTest, AWrongChoiceAndTheCorrectAnswerAreToldApartUntilTheNextQuestion) {
    using F = AnswerFeedback;
    Show("T1A03");  // correct letter C
    EXPECT_EQ(Feedback(), (std::vector<F>{F::None, F::None, F::None, F::None}));
    Guarded([&] { form().AnswerMouseDown(1, MouseButton::Left); });
    EXPECT_EQ(Feedback(), (std::vector<F>{F::None, F::None, F::None, F::None}));  // not painted yet
    Ticks(1);
    EXPECT_EQ(Feedback(), (std::vector<F>{F::ChosenWrong, F::None, F::CorrectAnswer, F::None}));
    Ticks(form().TrackBar1.Position() + 1);
    ASSERT_NE(form().state.QuestionCode, "T1A03");
    EXPECT_EQ(Feedback(), (std::vector<F>{F::None, F::None, F::None, F::None}));
}

}  // namespace
}  // namespace ktq
