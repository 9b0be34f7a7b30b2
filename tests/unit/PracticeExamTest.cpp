// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "ExamFixture.h"
#include "exam/PracticeExam.h"
#include "pool/PoolText.h"
#include "ui/AnswerBoxes.h"

namespace ktq {
namespace {

using testsupport::Record;

// Groups T1A (3 questions), T1B (1), T2A (2, one naming a figure) and T2B
// (only a figure question).
LineList GroupedBank() {
    return {Record("T1A01", "A"),
            Record("T1A02", "B"),
            Record("T1A03", "C"),
            Record("T1B01", "D"),
            Record("T2A01", "A"),
            Record("T2A02", "B", "In Figure T-1?"),
            Record("T2B01", "C", "In Figure T-2?")};
}

std::function<std::uint64_t()> Counter() {
    return [value = std::uint64_t{0}]() mutable { return value += 3579; };
}

Text CodeOf(const LineList& bank, std::size_t i) {
    return GetField(bank[i], kTab, 1);
}

TEST(PracticeExamDraw, OneQuestionPerGroupAndEveryQuestionSometimes) {
    const LineList bank = GroupedBank();
    auto counter = Counter();
    std::set<Text> drawn, firstGroups;
    for (int exam = 0; exam < 300; ++exam) {
        std::multiset<Text> groups;
        const std::vector<std::size_t> entries = DrawPracticeExam(bank, 35, true, counter);
        for (std::size_t i : entries) {
            groups.insert(GroupOfCode(CodeOf(bank, i)));
            drawn.insert(CodeOf(bank, i));
        }
        ASSERT_EQ(groups, (std::multiset<Text>{"T1A", "T1B", "T2A", "T2B"}));
        firstGroups.insert(GroupOfCode(CodeOf(bank, entries.front())));
    }
    EXPECT_EQ(drawn.size(), bank.size());
    EXPECT_EQ(firstGroups.size(), 4u);  // the order is shuffled
}

TEST(PracticeExamDraw, WithoutFiguresAFigureQuestionOnlyWhereItsGroupHasNothingElse) {
    const LineList bank = GroupedBank();
    auto counter = Counter();
    for (int exam = 0; exam < 100; ++exam) {
        std::set<Text> codes;
        for (std::size_t i : DrawPracticeExam(bank, 35, false, counter))
            codes.insert(CodeOf(bank, i));
        EXPECT_FALSE(codes.count("T2A02"));
        EXPECT_TRUE(codes.count("T2B01"));
    }
}

TEST(PracticeExamDraw, MoreGroupsThanTheExamTakesDrawsThatManyGroupsAtRandom) {
    const LineList bank = GroupedBank();
    auto counter = Counter();
    std::map<Text, int> timesChosen;
    for (int exam = 0; exam < 200; ++exam) {
        std::set<Text> groups;
        for (std::size_t i : DrawPracticeExam(bank, 2, true, counter))
            groups.insert(GroupOfCode(CodeOf(bank, i)));
        ASSERT_EQ(groups.size(), 2u);
        for (const Text& g : groups) ++timesChosen[g];
    }
    EXPECT_EQ(timesChosen.size(), 4u);
}

TEST(PracticeExamResult, PassMarks) {
    const std::map<int, int> marks = {{35, 26}, {50, 37}, {6, 5}, {10, 8}, {1, 1}, {0, 0}};
    for (auto [questions, mark] : marks) EXPECT_EQ(PassMark(questions), mark) << questions;
}

// `questions` answers of which the first `right` are right.
std::vector<ExamAnswer> Answers(int questions, int right) {
    std::vector<ExamAnswer> answers;
    for (int i = 0; i < questions; ++i) {
        const Text code = Text("T") + static_cast<char>('1' + i % 3) + "A" + std::to_string(i);
        answers.push_back({code, "B", i < right ? "B" : "C"});
    }
    return answers;
}

TEST(PracticeExamResult, TheResultLineAgainstThePassMark) {
    struct Row {
        int questions, right;
        const char* line;
    };
    for (const Row& r : {Row{35, 26, "Result: PASS, 26 of 35 correct (26 needed to pass)"},
                         Row{35, 25, "Result: FAIL, 25 of 35 correct (26 needed to pass)"},
                         Row{50, 37, "Result: PASS, 37 of 50 correct (37 needed to pass)"},
                         Row{50, 36, "Result: FAIL, 36 of 50 correct (37 needed to pass)"}}) {
        EXPECT_EQ(ExamReportLines({}, Answers(r.questions, r.right), "taken").front(), r.line);
    }
}

TEST(PracticeExamResult, SubelementsInPoolOrderThenAReviewBlockPerWrongAnswer) {
    const LineList bank = {Record("T2A01", "A"), Record("T1A01", "B"), Record("T1B01", "C"),
                           Record("T3A01", "D")};
    const std::vector<ExamAnswer> answers = {
        {"T1A01", "B", "B"}, {"T2A01", "A", "D"}, {"T1B01", "C", "A"}};
    const LineList lines = ExamReportLines(bank, answers, "Taken then");
    const LineList head = {"Result: FAIL, 1 of 3 correct (3 needed to pass)",
                           "Taken then",
                           "T2  0 of 1",
                           "T1  1 of 2",
                           "",
                           "+++ Section code : T2A01"};
    EXPECT_EQ(LineList(lines.begin(), lines.begin() + 6), head);
    EXPECT_EQ(lines[11], "---> Answer selected : D");
    EXPECT_EQ(lines[14], "+++ Section code : T1B01");
    EXPECT_EQ(lines.size(), 23u);

    // With study notes, each wrong answer's block ends with its note.
    const LineList taught = ExamReportLines(bank, answers, "Taken then", [](const Text& code) {
        return code == "T2A01" ? Text("Why@and how") : Text();
    });
    EXPECT_EQ(LineList(taught.begin() + 12, taught.begin() + 16),
              (LineList{"---> Correct answer : A", "Why", "and how", ""}));
    EXPECT_EQ(taught.size(), 25u);
}

class PracticeExamSession : public testsupport::ExamTest {
  protected:
    void SetUp() override {
        ExamTest::SetUp();
        UseBank(GroupedBank());
        form().state.ExamSize = 35;
        form().state.LevelTag = "KTQTech";
        form().ComboBox1.SetText("tech 2026 pool.txt");
        form().Button4.SetEnabled(true);
        form().Button6.SetEnabled(true);
        form().ComboBox2.SetEnabled(true);
    }
    // Presses the box that shows the pool's answer `letter`, wherever it is.
    void PressShowing(char letter) {
        const Text words[] = {"alpha", "bravo", "charlie", "delta"};
        for (int n = 1; n <= 4; ++n) {
            if (ShownAnswer(form(), n) == words[letter - 'A']) {
                Guarded([&] { form().AnswerBox(n)->UserMouseDown(MouseButton::Left); });
                return;
            }
        }
        ADD_FAILURE() << "no box shows " << letter;
    }
    void PressRight() { PressShowing(form().state.CorrectLetter[0]); }
    void PressWrong() { PressShowing(form().state.CorrectLetter[0] == 'A' ? 'B' : 'A'); }
    const char* kExams = "KTQTech 2026 ^ Exams.txt";
};

TEST_F(PracticeExamSession, TheTrialIsLeftAsItWasAroundAnExam) {
    Guarded([&] { form().Button4.UserClick(); });
    PressWrong();
    Ticks(8);
    const RunState before = form().state;
    Guarded([&] { form().Button6.UserClick(); });
    ASSERT_TRUE(form().state.ExamRunning);
    EXPECT_FALSE(form().Button6.Enabled());
    EXPECT_FALSE(form().ComboBox2.Enabled());
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(form().state.QuestionCode, form().state.ExamCodes[static_cast<std::size_t>(i)]);
        EXPECT_EQ(form().Label39.GetText(), "Question " + std::to_string(i + 1) + " of 4");
        EXPECT_TRUE(form().Label39.Visible() && !form().Label7.Visible() &&
                    !form().Label15.Visible());
        i % 2 == 0 ? PressRight() : PressWrong();
        Ticks(1);  // no feedback colours, no advance by the timer
        EXPECT_EQ(form().AnswerBox(1)->GetFont().color, kBlue);
    }
    EXPECT_FALSE(form().state.ExamRunning);
    EXPECT_EQ(form().state.DoneCount, before.DoneCount);
    EXPECT_EQ(form().state.CorrectCount, before.CorrectCount);
    EXPECT_EQ(form().state.IncorrectList, before.IncorrectList);
    EXPECT_EQ(form().Label7.GetText(), "2");
    EXPECT_TRUE(!form().Label39.Visible() && form().Label7.Visible() && form().Label15.Visible());
    EXPECT_TRUE(form().Button6.Enabled() && form().ComboBox2.Enabled());
    EXPECT_EQ(ReadLines(form().Files(), kExams).front(),
              "Result: FAIL, 2 of 4 correct (3 needed to pass)");

    Guarded([&] { form().Button4.UserClick(); });
    EXPECT_EQ(form().Label5.GetText(), "1");  // the trial's counters are back
    PressRight();
    EXPECT_EQ(form().state.DoneCount, 2);
    EXPECT_EQ(form().Label5.GetText(), "2");
}

TEST_F(PracticeExamSession, TheAnswersAreShuffledWithTheExamAndScoredByContent) {
    Text both = Record("T3A01", "D");  // a group more, whose answers name others
    both.replace(both.find("D. delta"), 8, "D. Both A and B");
    form().state.QuestionBank.push_back(both);
    Guarded([&] { form().Button6.UserClick(); });
    const LineList orders = form().state.ExamAnswerOrders;
    ASSERT_EQ(orders.size(), 5u);
    const auto at =
        std::find(form().state.ExamCodes.begin(), form().state.ExamCodes.end(), "T3A01") -
        form().state.ExamCodes.begin();
    EXPECT_EQ(orders[static_cast<std::size_t>(at)], "ABCD");
    EXPECT_GT(
        std::count_if(orders.begin(), orders.end(), [](const Text& o) { return o != "ABCD"; }), 1);
    Text missed;
    for (std::size_t i = 0; i < orders.size(); ++i) {
        if (form().state.ExamCodes[i] == "T3A01") {
            Guarded([&] { form().AnswerBox(4)->UserMouseDown(MouseButton::Left); });
        } else if (missed.empty()) {
            missed = form().state.CorrectLetter;
            PressWrong();
        } else {
            PressRight();
        }
    }
    const LineList result = form().Memo1.Lines();
    EXPECT_EQ(result.front(), "Result: PASS, 4 of 5 correct (4 needed to pass)");
    // The review keeps the pool's letters.
    const Text chosen = missed == "A" ? "B" : "A";
    EXPECT_NE(std::find(result.begin(), result.end(), "---> Answer selected : " + chosen),
              result.end());
    EXPECT_NE(std::find(result.begin(), result.end(), "---> Correct answer : " + missed),
              result.end());
}

TEST_F(PracticeExamSession, AnAbandonedExamRecordsNothing) {
    Guarded([&] { form().Button6.UserClick(); });
    PressRight();
    Guarded([&] { form().Button4.UserClick(); });  // Yes: abandoned, the trial starts
    EXPECT_FALSE(form().state.ExamRunning);
    EXPECT_TRUE(form().state.TrialRunning);
    EXPECT_EQ(form().Label5.GetText(), "0");
    EXPECT_TRUE(!form().Label39.Visible() && form().Label15.Visible());
    EXPECT_FALSE(FileExists(form().Files(), kExams));
}

}  // namespace
}  // namespace ktq
