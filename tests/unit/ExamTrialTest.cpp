// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "ExamFixture.h"
#include "exam/AnswerText.h"

namespace ktq {
namespace {

using testsupport::Bank;
using testsupport::ExamTest;
using testsupport::Record;

class TrialTest : public ExamTest {
  protected:
    void Show(const Text& code) {
        Guarded([&] { form().ShowQuestion(code); });
    }
    void Press(int box, MouseButton b = MouseButton::Left) {
        Guarded([&] { form().AnswerMouseDown(box, b); });
    }
    const Font& FontOf(int box) { return form().AnswerBox(box)->GetFont(); }
};

TEST_F(TrialTest, APressDuringFeedbackIsNotScoredAgain) {
    UseBank(Bank(10));
    Show("T1A01");
    Press(1);
    Ticks(1);
    Press(1);
    Press(3);
    EXPECT_EQ(form().state.DoneCount, 1);
    EXPECT_EQ(form().state.CorrectCount, 1);
    EXPECT_EQ(form().state.SelectedAnswer, 1);
    EXPECT_EQ(form().state.TicksSinceAnswer, 1);
    Ticks(1);  // the feedback ran on and ends on time
    EXPECT_NE(form().state.QuestionCode, "T1A01");
    EXPECT_EQ(FontOf(3).color, kBlue);
}

TEST_F(TrialTest, ARightPressDuringFeedbackMarksItsBoxWithoutScoring) {
    UseBank(Bank(10));
    Show("T1A01");
    Press(1);
    Ticks(1);
    Press(3, MouseButton::Right);
    EXPECT_EQ(form().state.SelectedAnswer, 3);
    Ticks(1);
    EXPECT_EQ(FontOf(3).color, form().state.SpareColor2);
    EXPECT_EQ(FontOf(1).color, form().state.CorrectColor);
    EXPECT_EQ(form().state.DoneCount, 1);
    EXPECT_EQ(form().state.QuestionCode, "T1A01");  // held for the wrong-answer delay
}

// Guards against the feedback of a skipped question swallowing the answer to
// the next one, painting the old choice on it and advancing on the old count.
TEST_F(TrialTest, ANewQuestionEndsTheFeedbackOfTheOldOne) {
    UseBank(Bank(10));
    Show("T1A01");
    Press(2);
    Ticks(1);
    Guarded([this] { form().Button4Click(); });
    EXPECT_FALSE(form().state.AnswerPending);
    EXPECT_EQ(form().state.SelectedAnswer, 0);
    const Text code = form().state.QuestionCode;
    const int right = BoxNumberOfLetter(form().state.CorrectLetter);
    Ticks(1);
    for (int box = 1; box <= 4; ++box) EXPECT_EQ(FontOf(box).color, kBlue) << box;
    Press(right);
    EXPECT_EQ(form().state.DoneCount, 2);
    EXPECT_EQ(form().state.CorrectCount, 1);
    Ticks(1);
    EXPECT_EQ(FontOf(right).color, form().state.CorrectColor);
    EXPECT_EQ(form().state.QuestionCode, code);
    Ticks(1);  // a right answer moves on after two ticks
    EXPECT_NE(form().state.QuestionCode, code);
}

TEST_F(TrialTest, AQuestionChosenByCodeDuringFeedbackIsAnsweredNormally) {
    UseBank(Bank(10));
    Show("T1A01");
    Press(2);
    Ticks(1);
    form().ComboBox2.SetEnabled(true);  // as "Prepare.." leaves it
    form().ComboBox2.UserType("T1A03");
    EXPECT_EQ(form().state.QuestionCode, "T1A03");
    Press(4);
    EXPECT_EQ(form().state.IncorrectList, "T1A01\tA\tB,T1A03\tC\tD,");
    // Counted from the old answer, the delay would have run out here.
    Ticks(form().TrackBar1.Position() + 1);
    EXPECT_EQ(form().state.QuestionCode, "T1A03");
    Ticks(1);
    EXPECT_NE(form().state.QuestionCode, "T1A03");
}

// Guards against the timer painting the correct answer of a question that
// nobody has answered yet.
TEST_F(TrialTest, TicksWithoutAnAnswerGiveNothingAway) {
    UseBank(Bank(10));
    Show("T1A03");
    Ticks(5);
    for (int box = 1; box <= 4; ++box) {
        EXPECT_EQ(FontOf(box).color, kBlue) << box;
        EXPECT_FALSE(FontOf(box).bold) << box;
    }
    EXPECT_EQ(form().state.QuestionCode, "T1A03");
}

TEST_F(TrialTest, APressWithNoQuestionOnScreenIsNotScored) {
    UseBank(Bank(10));
    Press(2);
    EXPECT_EQ(form().state.DoneCount, 0);
    EXPECT_EQ(form().state.IncorrectList, "");
    EXPECT_FALSE(form().state.AnswerPending);
    EXPECT_EQ(form().state.SelectedAnswer, 0);
}

TEST_F(TrialTest, SteppingASmallBankDoesNothing) {
    UseBank(Bank(1));
    Show("T1A01");
    Guarded([this] { form().UpDown1Click(UpDownArrow::Previous); });
    Guarded([this] { form().UpDown1Click(UpDownArrow::Next); });
    EXPECT_EQ(form().Memo2.Lines(), LineList{"T1A01"});
    UseBank({});
    Guarded([this] { form().UpDown1Click(UpDownArrow::Previous); });
    EXPECT_EQ(Log(), "T1A01\r\n");
}

TEST_F(TrialTest, TheReviewWritesTheBlocksAndClosesOnScreenOnly) {
    UseBank({Record("T1A01", "A"), Record("T1A02", "C")});
    form().state.LevelTag = "KTQTech";
    form().ComboBox1.SetText("tech 2022 pool.txt");
    form().state.IncorrectList = "T1A02\tC\tB,NOPE\tA\tB,T1A02\tC\tD,";
    form().Button5.SetEnabled(true);
    Guarded([this] { form().Button5Click(); });

    const Text block =
        "+++ Section code : T1A02\r\nWhich one?\r\nA. alpha\r\nB. bravo\r\nC. charlie\r\n"
        "D. delta\r\n---> Answer selected : X\r\n---> Correct answer : C\r\n\r\n";
    auto with = [&](char chosen) {
        return ReplaceAll(block, "selected : X", Text("selected : ") + chosen);
    };
    EXPECT_EQ(folder.Read("KTQTech 2022 ^ Review.txt"), with('B') + with('D'));
    const LineList& lines = form().Memo1.Lines();
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[18], "");
    EXPECT_EQ(lines[20], "These details have been saved in file KTQTech 2022 ^ Review.txt in the " +
                             program.Platform().Files().Folder() + " folder.");
    EXPECT_EQ(form().state.IncorrectList, "");
    EXPECT_FALSE(form().Button5.Enabled());
    EXPECT_TRUE(form().Memo1.Visible());
    EXPECT_FALSE(form().RichEdit1.Visible());
}

TEST_F(TrialTest, AFailedReviewFileKeepsTheWrongAnswers) {
    UseBank({Record("T1A01", "A")});
    form().state.LevelTag = "N";
    form().state.IncorrectList = "T1A01\tA\tB,";
    form().Button5.SetEnabled(true);
    program.Files().FailWritesAfter(0);
    Guarded([this] { form().Button5Click(); });
    program.Files().FailWritesAfter(std::nullopt);
    EXPECT_NE(program.Output().find("MESSAGE"), std::string::npos);
    EXPECT_EQ(form().Memo1.LineCount(), 9);
    EXPECT_EQ(form().state.IncorrectList, "T1A01\tA\tB,");
    EXPECT_TRUE(form().Button5.Enabled());
}

TEST_F(TrialTest, ALongTrialIsReviewedInFull) {
    UseBank(Bank(4));
    for (int i = 0; i < 300; ++i) form().state.IncorrectList += "T1A01\tA\tB,";
    Guarded([this] { form().Button5Click(); });
    EXPECT_EQ(form().Memo1.LineCount(), 300 * 9 + 3);
}

}  // namespace
}  // namespace ktq
