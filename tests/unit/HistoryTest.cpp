// SPDX-License-Identifier: GPL-3.0-or-later
// The answer history: the memory model against its published reference
// values, the chance of passing, and the database as several program runs
// and a damaged or unusable file meet it.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "PoolFixture.h"
#include "history/AnswerStore.h"
#include "history/PassChance.h"
#include "history/Progress.h"
#include "pool/PoolText.h"
#include "ui/AnswerBoxes.h"

namespace ktq {
namespace {

using testsupport::PoolProgram;

TEST(MemoryModel, FirstAnswersTakeThePublishedInitialStates) {
    struct Row {
        Rating rating;
        double stability, difficulty;
    };
    for (const Row& r : {Row{Rating::Again, 0.212, 6.4133}, Row{Rating::Hard, 1.2931, 5.1121707},
                         Row{Rating::Good, 2.3065, 2.118104}, Row{Rating::Easy, 8.2956, 1.0}}) {
        const MemoryState m = NextMemoryState(std::nullopt, r.rating, 0);
        EXPECT_NEAR(m.stability, r.stability, 5e-4);
        EXPECT_NEAR(m.difficulty, r.difficulty, 5e-4);
    }
}

TEST(MemoryModel, AFixedSeriesMatchesTheReferenceAndSameDayAnswersFollowTheirOwnRule) {
    std::optional<MemoryState> m;
    const std::pair<Rating, double> series[] = {{Rating::Again, 0}, {Rating::Good, 0},
                                                {Rating::Good, 1},  {Rating::Good, 3},
                                                {Rating::Good, 8},  {Rating::Good, 21}};
    for (auto [rating, days] : series) m = NextMemoryState(m, rating, days);
    EXPECT_NEAR(m->stability, 53.62691, 5e-4);
    EXPECT_NEAR(m->difficulty, 6.3574867, 5e-4);
    EXPECT_NEAR(Recall(*m, m->stability), 0.9, 1e-9);
    EXPECT_NEAR(Recall(*m, DaysUntilRecall(*m, 0.8)), 0.8, 1e-9);
    // A right answer the same day never lowers stability; a wrong one does.
    EXPECT_GE(NextMemoryState(m, Rating::Good, 0.2).stability, m->stability);
    EXPECT_LT(NextMemoryState(m, Rating::Again, 0.2).stability, m->stability);
}

// Independent of the dynamic programme: every subset of groups, every
// outcome, enumerated.
double BruteForcePass(const std::vector<double>& p, int taken, int mark) {
    const int n = static_cast<int>(p.size());
    double sum = 0;
    int subsets = 0;
    for (int chosen = 0; chosen < (1 << n); ++chosen) {
        if (__builtin_popcount(static_cast<unsigned>(chosen)) != taken)
            continue;
        ++subsets;
        for (int right = 0; right < (1 << n); ++right) {
            if ((right & ~chosen) != 0 || __builtin_popcount(static_cast<unsigned>(right)) < mark)
                continue;
            double pr = 1;
            for (int g = 0; g < n; ++g)
                if (chosen & (1 << g))
                    pr *= (right & (1 << g)) ? p[g] : 1 - p[g];
            sum += pr;
        }
    }
    return sum / subsets;
}

TEST(PassChance, MatchesAnIndependentCount) {
    const std::vector<double> p = {0.25, 0.5, 0.8, 0.9, 0.97};
    EXPECT_NEAR(ChanceOfPassing(p, 5, 4), BruteForcePass(p, 5, 4), 1e-12);
    EXPECT_NEAR(ChanceOfPassing(p, 3, 2), BruteForcePass(p, 3, 2), 1e-12);  // groups drawn
    EXPECT_EQ(PercentWithOneDecimal(ChanceOfPassing(std::vector<double>(35, 0.25), 35, 26)),
              "0.0%");
}

class HistoryProgram : public ::testing::Test {
  protected:
    void SetUp() override { p.folder.Write("tech 2026.txt", testsupport::SmallPoolBytes()); }
    void Run(const std::function<void(TForm1&)>& steps) {
        p.Start();
        p.Select("tech 2026.txt");
        p.Prepare();
        steps(p.Form());
        p.program->Close();
    }
    static void Answer(TForm1& f, bool right) {
        f.ShowQuestion("T1A01");  // correct C
        f.AnswerBox(right ? 3 : 1)->UserMouseDown(MouseButton::Left);
    }
    PoolProgram p;
};

TEST_F(HistoryProgram, TwoRunsAddUpAndAQuestionRightWithinTheDayIsNearlyCertain) {
    Run([](TForm1& f) {
        Answer(f, false);
        Answer(f, true);
    });
    Run([&](TForm1& f) {
        p.program->Platform().Advance(3600'000);
        Answer(f, true);
        const LineList report = f.ProgressReport();
        ASSERT_GE(report.size(), 4u);
        EXPECT_EQ(report[0], "Progress report: KTQTech 2026, " +
                                 FormatIsoDateTime(p.program->Platform().Now()));
        EXPECT_EQ(report[1], "KTQTech 2026: 2 in bank, 1 seen, 1 last right, 3 answers, 2 right");
        EXPECT_EQ(report[2], "Sub-element\tIn bank\tSeen\tLast right\tAnswers\tRight\tNot known");
        EXPECT_EQ(report[3], "T1\t2\t1\t1\t3\t2\t0");
        EXPECT_GT(f.History()->RecallAt("T1A01", p.program->Platform().UtcNowMs()), 0.99);
        EXPECT_EQ(f.History()->RecallAt("T1A02", 0), 0.0);
    });
}

TEST_F(HistoryProgram, DontKnowIsWrongEverywhereButKeptAsNotKnown) {
    Run([&](TForm1& f) {
        f.ShowQuestion("T1A01");  // correct C
        f.Button9.UserClick();
        EXPECT_EQ(f.state.Announcement, "Not known. The answer is C: Three.");
        EXPECT_EQ(f.state.DoneCount, 1);
        EXPECT_EQ(f.state.CorrectCount, 0);
        EXPECT_EQ(f.state.IncorrectList, "T1A01\tC\t?,");
        f.Timer1Timer();
        EXPECT_EQ(FeedbackOf(f, 3), AnswerFeedback::CorrectAnswer);
        const std::int64_t dayLater = p.program->Platform().UtcNowMs() + kMsPerDay;
        EXPECT_DOUBLE_EQ(f.History()->RecallAt("T1A01", dayLater),
                         Recall(NextMemoryState(std::nullopt, Rating::Again, 0), 1.0));
        f.Button6.UserClick();  // the exam of the pool's one group
        f.Button9.UserClick();
        const LineList result = f.Memo1.Lines();
        EXPECT_EQ(result.front(), "Result: FAIL, 0 of 1 correct (1 needed to pass)");
        EXPECT_NE(std::find(result.begin(), result.end(), "---> Answer selected : ?"),
                  result.end());
        const Text subelement =
            f.ProgressReport()[3];  // below the title, the pool and the headings
        EXPECT_EQ(GetField(subelement, kTab, 5), "2");  // answers
        EXPECT_EQ(GetField(subelement, kTab, 6), "0");  // right
        EXPECT_EQ(GetField(subelement, kTab, 7), "2");  // not known
    });
}

TEST_F(HistoryProgram, TheExamDateIsKeptForItsPool) {
    Run([](TForm1& f) { EXPECT_TRUE(f.SetExamDate("2027-01-05")); });
    Run([](TForm1& f) {
        EXPECT_EQ(f.state.ExamDate, "2027-01-05");
        EXPECT_FALSE(f.SetExamDate("2027-02-30"));
        f.state.PoolFileName = "tech 2027.txt";  // another year: a date of its own
        f.LoadExamDate();
        EXPECT_EQ(f.state.ExamDate, "");
    });
}

// Not a database, or one of an unknown layout: kept aside, never written into.
TEST_F(HistoryProgram, ADamagedDatabaseIsMovedAsideAndANewOneStarted) {
    const std::string path = p.folder.PathOf(kHistoryFile);
    const std::string foreign = path + "-foreign";
    sqlite3* db = nullptr;
    sqlite3_open(foreign.c_str(), &db);
    sqlite3_exec(db, "CREATE TABLE answers (id INTEGER, x); PRAGMA user_version=1;", nullptr,
                 nullptr, nullptr);
    sqlite3_close(db);
    for (const std::string& bytes : {std::string("this is no database, and it is the user's"),
                                     p.folder.Read(kHistoryFile + std::string("-foreign"))}) {
        for (const auto& e : std::filesystem::directory_iterator(p.folder.Path()))
            if (e.path().filename().string().starts_with(kHistoryFile))
                std::filesystem::remove(e.path());
        p.folder.Write(kHistoryFile, bytes);
        Run([](TForm1& f) { Answer(f, true); });
        EXPECT_NE(p.program->Output().find(
                      ". It has been moved aside as \"KTQTests history.sqlite.damaged-"),
                  std::string::npos)
            << p.program->Output();
        bool kept = false;
        for (const auto& e : std::filesystem::directory_iterator(p.folder.Path()))
            kept = kept || p.folder.Read(e.path().filename().string()) == bytes;
        EXPECT_TRUE(kept);
        AnswerStore again(path);
        EXPECT_EQ(again.AnswersSince("KTQTech", "2026", 0).size(), 1u);
    }
}

// A folder in the database's place, or a link to a file outside the folder
// (which must stay as it is).
TEST_F(HistoryProgram, NoHistoryPossibleIsSaidOnceAndTheProgramGoesOn) {
    const std::filesystem::path outside = p.folder.Path().string() + "-outside";
    std::ofstream{outside};
    for (const auto& place : std::vector<std::function<void(const std::filesystem::path&)>>{
             [](const auto& at) { std::filesystem::create_directory(at); },
             [&](const auto& at) { std::filesystem::create_symlink(outside, at); }}) {
        std::filesystem::remove_all(p.folder.PathOf(kHistoryFile));
        place(p.folder.PathOf(kHistoryFile));
        Run([&](TForm1& f) {
            Answer(f, true);
            p.Select("tech 2026.txt");
            p.Prepare();
            Answer(f, true);
            EXPECT_EQ(f.state.CorrectCount, 1);
        });
        const std::string out = p.program->Output();
        const std::size_t first = out.find(". Your answers are not remembered");
        ASSERT_NE(first, std::string::npos) << out;
        EXPECT_EQ(out.find("not remembered", first + 20), std::string::npos);
        EXPECT_EQ(std::filesystem::file_size(outside), 0u);
    }
    std::filesystem::remove(outside);
}

// Another program holding the write lock at the pool's selection and again at
// the close: every answer is counted, and written once the lock is gone.
TEST_F(HistoryProgram, ALockedDatabaseKeepsTheAnswersWaitingAndSaysOnce) {
    const std::string path = p.folder.PathOf(kHistoryFile);
    AnswerStore{path};
    sqlite3* other = nullptr;
    sqlite3_open(path.c_str(), &other);
    const auto lock = [other](const char* sql) {
        sqlite3_exec(other, sql, nullptr, nullptr, nullptr);
    };
    lock("BEGIN IMMEDIATE;");
    Run([&](TForm1& f) {
        Answer(f, true);
        Answer(f, false);
        lock("COMMIT;");
        Answer(f, true);
        EXPECT_EQ(f.History()->Find("T1A01")->answers, 3);
        lock("BEGIN IMMEDIATE;");
        Answer(f, true);
    });
    lock("COMMIT;");
    sqlite3_close(other);
    const std::string out = p.program->Output();
    const std::string once = "locked. Your answers are kept meanwhile";
    const std::size_t said = out.find(once);
    ASSERT_NE(said, std::string::npos) << out;
    EXPECT_EQ(out.find(once, said + 1), std::string::npos) << out;
    EXPECT_NE(out.find("1 answer could not be written"), std::string::npos) << out;
    EXPECT_EQ(AnswerStore(path).AnswersSince("KTQTech", "2026", 0).size(), 3u);
}

// Processes of their own, as two programs on one folder and one killed.
TEST(AnswerStoreProcesses, TwoWritersLoseNothingAndAKillAfterACommitKeepsTheAnswer) {
    testsupport::WorkingFolder folder;
    const std::string path = folder.PathOf(kHistoryFile);
    AnswerStore{path};  // created before the writers race
    auto writer = [&path](int answers, bool killAfter) {
        const pid_t pid = fork();
        if (pid == 0) {
            AnswerStore store(path);
            for (int i = 0; i < answers; ++i)
                store.Record("KTQTech", "2026", {0, i, "T1A01", "A", "B", AnswerMode::Trial});
            if (killAfter)
                raise(SIGKILL);
            _exit(0);
        }
        return pid;
    };
    const pid_t a = writer(150, false), b = writer(150, false);
    for (pid_t pid : {a, b}) waitpid(pid, nullptr, 0);
    int status = 0;
    waitpid(writer(1, true), &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(AnswerStore(path).AnswersSince("KTQTech", "2026", 0).size(), 301u);
}

}  // namespace
}  // namespace ktq
