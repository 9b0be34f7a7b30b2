// SPDX-License-Identifier: GPL-3.0-or-later
// "Weakest first": what the drill draws after right and wrong answers, and
// how the questions fall due as days pass.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "ExamFixture.h"
#include "history/DrillSchedule.h"

namespace ktq {
namespace {

class DrillTest : public testsupport::ExamTest {
  protected:
    void SetUp() override {
        ExamTest::SetUp();
        // A pool selection opens the history; the bank is then put in place.
        form().state.LevelTag = "KTQTech";
        form().state.PoolFileName = "tech 2026.txt";
        Guarded([&] { form().OpenHistory(); });
        UseBank(testsupport::Bank(12));
        form().state.PoolCodes = form().ComboBox2.Items();
        form().Button4.SetEnabled(true);
        form().CheckBox4.SetChecked(true);
    }
    // Answers the question on screen and lets its feedback run out.
    void Answer(bool right) {
        const int box = right ? form().state.CorrectLetter[0] - 'A' + 1
                              : (form().state.CorrectLetter == "A" ? 2 : 1);
        Guarded([&] { form().AnswerBox(box)->UserMouseDown(MouseButton::Left); });
        Ticks(right ? 2 : 8);
    }
    void Days(int n) { program.Platform().Advance(n * kMsPerDay); }
};

TEST_F(DrillTest, AWrongAnswerComesBackAfterThreeOthersNeverAtOnce) {
    Guarded([&] { form().Button4.UserClick(); });
    const Text missed = form().state.QuestionCode;
    Answer(false);
    LineList next;
    for (int i = 0; i < 5; ++i) {
        next.push_back(form().state.QuestionCode);
        Answer(true);
    }
    EXPECT_EQ(std::find(next.begin(), next.end(), missed) - next.begin(), 3) << missed;
}

TEST_F(DrillTest, KnownQuestionsWaitWhileNewOnesRemainAndFallDueAsDaysPass) {
    Guarded([&] { form().Button4.UserClick(); });
    const Text known = form().state.QuestionCode;
    for (int i = 0; i < 4; ++i) {
        Guarded([&] { form().ShowQuestion(known); });
        Answer(true);
        Days(1);
    }
    // Ten new ones besides the one on screen, then the known one.
    LineList next = form().DrillNextCodes(10);
    ASSERT_EQ(next.size(), 10u);
    EXPECT_EQ(std::count(next.begin(), next.end(), known), 0);
    EXPECT_EQ(form().DrillNextCodes(11).back(), known);
    EXPECT_EQ(form().DueNow(), 0);

    next.push_back(form().state.QuestionCode);
    for (const Text& code : next) {
        Guarded([&] { form().ShowQuestion(code); });
        Answer(true);
    }
    const std::vector<int> forecast = form().DueForecastNow(14);
    // Due before the local midnight that ends the fourteenth day.
    const std::int64_t offset = program.Platform().Now().ms - program.Platform().UtcNowMs();
    const std::int64_t end = (program.Platform().Now().ms / kMsPerDay + 14) * kMsPerDay - offset;
    int dueWithinTwoWeeks = 0;
    for (const auto& [code, q] : form().History()->Questions()) {
        const double due = q.lastUtcMs + DaysUntilRecall(*q.memory, 0.9) * kMsPerDay;
        dueWithinTwoWeeks += due < end ? 1 : 0;
    }
    EXPECT_EQ(std::accumulate(forecast.begin(), forecast.end(), 0), dueWithinTwoWeeks);
    EXPECT_GT(dueWithinTwoWeeks, 0);
    Days(30);
    EXPECT_EQ(form().DueNow(), 12);
    EXPECT_EQ(form().DrillNextCodes(1).front().substr(0, 3), "T1A");
}

}  // namespace
}  // namespace ktq
