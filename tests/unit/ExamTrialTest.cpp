#include <gtest/gtest.h>

#include "ExamFixture.h"

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

constexpr Color kRightGreen = 0x2BB54E;
constexpr Color kWrongRed = 0x0000FF;

TEST_F(TrialTest, ARightAnswerTurnsGreenAndMovesOnAtTheSecondTick) {
    UseBank(Bank(10));
    Show("T1A01");  // correct letter A
    Press(1);
    EXPECT_EQ(form().Label7.GetText(), "1");
    EXPECT_EQ(form().Label5.GetText(), "1");
    EXPECT_EQ(form().Label15.GetText(), "100 %");
    EXPECT_TRUE(form().state.AnswerPending);
    Ticks(1);
    EXPECT_EQ(FontOf(1).color, kRightGreen);
    EXPECT_TRUE(FontOf(1).bold);
    EXPECT_EQ(FontOf(1).size, 10);
    EXPECT_EQ(form().state.QuestionCode, "T1A01");
    Ticks(1);
    EXPECT_NE(form().state.QuestionCode, "T1A01");
    EXPECT_FALSE(form().state.AnswerPending);
    EXPECT_EQ(form().state.SelectedAnswer, 0);
    EXPECT_EQ(FontOf(1).color, kBlue);
    EXPECT_EQ(form().state.IncorrectList, "");
}

TEST_F(TrialTest, AWrongAnswerStaysForTheDelayAndIsRecorded) {
    UseBank(Bank(10));
    form().TrackBar1.SetPosition(5);
    Show("T1A04");  // correct letter D
    Press(2);
    EXPECT_EQ(form().state.IncorrectList, "T1A04\tD\tB,");
    EXPECT_EQ(form().Label15.GetText(), "0 %");
    Ticks(1);
    EXPECT_EQ(FontOf(2).color, kWrongRed);
    EXPECT_TRUE(FontOf(2).bold);
    EXPECT_EQ(FontOf(2).size, 9);
    EXPECT_EQ(FontOf(4).color, kRightGreen);
    EXPECT_EQ(FontOf(4).size, 10);
    Ticks(5);
    EXPECT_EQ(form().state.QuestionCode, "T1A04");
    Ticks(1);
    EXPECT_NE(form().state.QuestionCode, "T1A04");
}

TEST_F(TrialTest, ThePercentageTruncates) {
    UseBank(Bank(10));
    const std::pair<const char*, int> answers[] = {{"T1A01", 1}, {"T1A02", 1}, {"T1A03", 1}};
    for (auto [code, box] : answers) {
        Show(code);
        form().state.AnswerPending = false;  // as the end of the feedback leaves it
        Press(box);
    }
    EXPECT_EQ(form().Label15.GetText(), "33 %");
    EXPECT_EQ(form().state.IncorrectList, "T1A02\tB\tA,T1A03\tC\tA,");
}

TEST_F(TrialTest, APressDuringFeedbackIsNotScoredAgain) {
    UseBank(Bank(10));
    Show("T1A01");
    Press(1);
    Ticks(1);
    Press(1);
    Press(3);
    Press(3, MouseButton::Right);
    EXPECT_EQ(form().state.DoneCount, 1);
    EXPECT_EQ(form().state.CorrectCount, 1);
    EXPECT_EQ(form().state.SelectedAnswer, 1);
    EXPECT_EQ(form().state.TicksSinceAnswer, 1);
    Ticks(1);  // the feedback ran on and ends on time
    EXPECT_NE(form().state.QuestionCode, "T1A01");
    EXPECT_EQ(FontOf(3).color, kBlue);
}

TEST_F(TrialTest, APressWithNoQuestionOnScreenIsNotScored) {
    UseBank(Bank(10));
    Press(2);
    EXPECT_EQ(form().state.DoneCount, 0);
    EXPECT_EQ(form().state.IncorrectList, "");
    EXPECT_FALSE(form().state.AnswerPending);
    EXPECT_EQ(form().state.SelectedAnswer, 0);
}

TEST_F(TrialTest, ARightButtonPressOnlyColoursTheBoxes) {
    UseBank(Bank(10));
    Show("T1A03");
    Press(1, MouseButton::Right);
    Ticks(30);
    EXPECT_EQ(form().state.DoneCount, 0);
    EXPECT_EQ(form().state.QuestionCode, "T1A03");
    EXPECT_EQ(FontOf(1).color, kWrongRed);
    EXPECT_EQ(FontOf(3).color, kRightGreen);
}

TEST_F(TrialTest, StartKeepsTheClockAndTheTimerShowsTheElapsedTime) {
    UseBank(Bank(10));
    Guarded([this] { form().Button4Click(); });
    EXPECT_TRUE(form().state.TrialRunning);
    EXPECT_EQ(form().RichEdit2.GetFont().name, "Arial");
    EXPECT_FALSE(form().Button1.Enabled());
    program.Platform().Advance(59'000);
    Guarded([this] { form().Timer1Timer(); });
    EXPECT_EQ(form().Label25.GetText(), "Elapsed Time: 0:59   ");
    Guarded([this] { form().Button4Click(); });
    Ticks(2);
    EXPECT_EQ(form().Label25.GetText(), "Elapsed Time: 1:00   ");
    program.Platform().Advance(124LL * 60'000);
    Guarded([this] { form().Timer1Timer(); });
    EXPECT_EQ(form().Label25.GetText(), "Elapsed Time: 125:00   ");
}

TEST_F(TrialTest, TheDelayLabelShowsTicks) {
    form().TrackBar1.SetPosition(18);
    EXPECT_EQ(form().Label24.GetText(), "20S  ");
    form().TrackBar1.SetPosition(1);
    EXPECT_EQ(form().Label24.GetText(), "3S  ");
}

TEST_F(TrialTest, SteppingFollowsTheChooserAndClearsTheAskedList) {
    UseBank(Bank(12));
    form().ComboBox2.SetText("T1A10");
    Show("T1A03");
    Guarded([this] { form().UpDown1Click(UpDownArrow::Next); });
    EXPECT_EQ(form().state.QuestionCode, "T1A11");
    EXPECT_EQ(form().ComboBox2.GetText(), "T1A11");
    EXPECT_EQ(form().Memo2.Lines(), LineList{"T1A11"});
    EXPECT_EQ(form().state.AskedCodes, "T1A03 T1A11 ");
    Guarded([this] { form().UpDown1Click(UpDownArrow::Previous); });
    EXPECT_EQ(form().state.QuestionCode, "T1A10");

    form().ComboBox2.SetText("T1A12");
    Guarded([this] { form().UpDown1Click(UpDownArrow::Next); });
    EXPECT_EQ(form().state.QuestionCode, "T1A10");
    EXPECT_EQ(form().Memo2.LineCount(), 0);

    form().ComboBox2.SetText("");
    Guarded([this] { form().UpDown1Click(UpDownArrow::Previous); });
    EXPECT_EQ(form().state.QuestionCode, "T1A11");
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

TEST_F(TrialTest, AClickInTheAskedListShowsThatCodeAgain) {
    UseBank(Bank(12));
    Show("T1A05");
    Show("T1A07");
    form().ComboBox2.SetText("T1A07");
    form().Memo2.SetSelection(form().Memo2.LineIndex(0) + 2, 0);
    Guarded([this] { form().Memo2Click(); });
    EXPECT_EQ(form().state.QuestionCode, "T1A05");
    EXPECT_EQ(form().Memo2.Lines(), (LineList{"T1A05", "T1A07", "T1A05"}));
    EXPECT_EQ(form().ComboBox2.GetText(), "");
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
                             program.Platform().CurrentFolder() + " folder.");
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
    testing::FailWritesAfterBytes(0);
    Guarded([this] { form().Button5Click(); });
    testing::FailWritesAfterBytes(std::nullopt);
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
