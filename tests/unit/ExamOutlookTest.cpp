// SPDX-License-Identifier: GPL-3.0-or-later
// Studying toward an exam date: the chance then by the memory model, and the
// plan for today.
#include <gtest/gtest.h>

#include "WorkingFolder.h"
#include "history/ExamOutlook.h"
#include "history/PassChance.h"

namespace ktq {
namespace {

constexpr std::int64_t kStart = 1'796'000'000'000;  // a morning, UTC
const std::int64_t kToday = kStart / kMsPerDay;

class Outlook : public ::testing::Test {
  protected:
    void SetUp() override { history.Open("KTQTech", "2026", "stamp"); }
    void Answer(const Text& code, bool right, std::int64_t utcMs) {
        history.Record({0, utcMs, code, right ? "A" : "B", "A", AnswerMode::Trial}, "stamp");
    }
    StudyPlan Plan(std::optional<std::int64_t> examDay, std::int64_t now = kStart) {
        return PlanToday({&codes, &history, now, 0, examDay, 0.9});
    }
    testsupport::WorkingFolder folder;
    StudyHistory history{folder.PathOf(kHistoryFile)};
    LineList codes;
};

TEST_F(Outlook, TheChanceOnTheExamDateIsTheModelsRecallCarriedForward) {
    codes = {"T1A01", "T2A01", "T2A02"};
    Answer("T1A01", true, kStart);
    Answer("T2A01", false, kStart);
    const std::int64_t exam = ExamUtcMs(kToday + 10, 0);
    const double days = static_cast<double>(exam - kStart) / kMsPerDay;
    const double t1 = ChanceOfRightAnswer(Recall(NextMemoryState({}, Rating::Good, 0), days));
    const double t2 = (ChanceOfRightAnswer(Recall(NextMemoryState({}, Rating::Again, 0), days)) +
                       ChanceOfRightAnswer(0)) /
                      2;  // T2A02 never seen
    const ExamProjection p = ProjectExam(codes, history, exam, 35);
    EXPECT_NEAR(p.passChance, ChanceOfPassing({t1, t2}, 35, PassMark(2)), 1e-12);
    ASSERT_EQ(p.losses.size(), 2u);
    EXPECT_EQ(p.losses[0].code, "T2");  // worst first
    EXPECT_NEAR(p.losses[0].expectedLost, 1 - t2, 1e-12);
    EXPECT_NEAR(p.losses[1].expectedLost, 1 - t1, 1e-12);
    // Forgetting goes on: a later exam is a worse one; with more groups than
    // the exam takes, each is on it only at that share.
    EXPECT_LT(ProjectExam(codes, history, exam + 30 * kMsPerDay, 35).passChance, p.passChance);
    EXPECT_NEAR(ProjectExam(codes, history, exam, 1).losses[0].expectedLost, (1 - t2) / 2, 1e-12);
}

TEST_F(Outlook, ThePlanSpreadsTheUnseenUntilThreeDaysBeforeTheExam) {
    for (int i = 10; i < 40; ++i) codes.push_back("T1A" + std::to_string(i));
    struct Row {
        std::optional<std::int64_t> examIn;
        int newLeft;
        bool defaultPace;
    };
    for (const Row& r : {Row{12, 3, false}, Row{4, 15, false}, Row{3, 30, false}, Row{0, 30, false},
                         Row{std::nullopt, 20, true}, Row{-1, 20, true}}) {
        const StudyPlan plan = Plan(r.examIn ? std::optional(kToday + *r.examIn) : std::nullopt);
        EXPECT_EQ(std::pair(plan.newLeft, plan.defaultPace), std::pair(r.newLeft, r.defaultPace))
            << r.examIn.value_or(99);
    }
    // Today's share is fixed as the day begins: those seen today count to it.
    Answer("T1A10", true, kStart);
    Answer("T1A11", false, kStart + 60'000);
    EXPECT_EQ(PlanLine(Plan(kToday + 12, kStart + 120'000)), "Today: 1 new, 0 reviews");
    Answer("T1A12", true, kStart + 180'000);
    EXPECT_TRUE(Plan(kToday + 12, kStart + 240'000).Done());
    const StudyPlan later = Plan(kToday + 12, kStart + 5 * kMsPerDay);
    EXPECT_EQ(later.reviewsLeft, 3);  // those seen days ago are due
    EXPECT_EQ(later.newLeft, 6);      // 27 unseen over days 5 to 9
}

TEST(ExamDay, OnlyRealDatesWrittenInFull) {
    EXPECT_EQ(FormatDay(*ParseDay("2028-02-29")), "2028-02-29");
    for (const char* bad : {"2027-02-29", "2027-1-05", "2027-13-01", "27-01-05", "", "2027-01-05x"})
        EXPECT_FALSE(ParseDay(bad)) << bad;
    const std::int64_t day = *ParseDay("2027-01-05");
    const char* said[] = {"Exam in 2 days", "Exam in 1 day", "Exam today", "Exam date passed"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(ExamCountdown(day, day - 2 + i), said[i]);
}

}  // namespace
}  // namespace ktq
