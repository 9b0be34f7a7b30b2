// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chosen pool's history: its answers kept in the folder's database, and
// a summary per question (counts, last answer, memory state) kept current as
// answers arrive, so nothing is replayed to show progress or draw a question.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "history/AnswerLog.h"
#include "history/MemoryModel.h"
#include "text/Text.h"

namespace ktq {

inline constexpr const char* kHistoryFile = "KTQTests history.sqlite";

struct QuestionHistory {
    int answers = 0;
    int right = 0;
    int notKnown = 0;  // answered "Don't know"
    bool lastRight = false;
    std::optional<MemoryState> memory;
    std::int64_t lastUtcMs = 0;
    std::int64_t firstUtcMs = 0;
};

// One answer's time and whether it was right, for the study-day figures.
struct AnswerMoment {
    std::int64_t utcMs;
    bool right;
};

inline constexpr std::int64_t kMsPerDay = 86'400'000;

class StudyHistory {
  public:
    // `path` is the database file; nothing is opened before a pool is.
    explicit StudyHistory(std::string path);
    ~StudyHistory();

    // Switches to a pool and reads what it has. Returns what the user must be
    // told: a damaged database moved aside, or no history in this folder
    // (said once). `stamp` names a database moved aside.
    std::vector<Text> Open(const Text& levelTag, const Text& yearText, const std::string& stamp);
    bool Available() const { return store_ != nullptr; }
    const Text& LevelTag() const { return levelTag_; }
    const Text& YearText() const { return yearText_; }

    // Counts the answer at once and writes it with any still waiting: a
    // busy, locked or full database keeps them waiting in memory, said once.
    std::vector<Text> Record(const StoredAnswer& answer, const std::string& stamp);
    // Writes what waits and takes in what other programs recorded on this
    // folder meanwhile.
    std::vector<Text> Refresh(const std::string& stamp);
    // The last try to write what waits; says what is lost.
    std::vector<Text> Close(const std::string& stamp);

    const std::unordered_map<Text, QuestionHistory>& Questions() const { return questions_; }
    const QuestionHistory* Find(const Text& code) const;
    const std::vector<AnswerMoment>& Moments() const { return moments_; }
    // The question's recall at `utcMs`; 0 when it was never answered.
    double RecallAt(const Text& code, std::int64_t utcMs) const;

  private:
    struct Waiting {
        Text levelTag, yearText;
        StoredAnswer answer;
    };
    void Forget();
    void Take(const PastAnswer& answer);
    void Count(const Text& code, bool right, bool notKnown, std::int64_t utcMs);
    // Writes the waiting answers, then reads the pool's new ones.
    void Catch(AnswerLog& store);
    // Runs `work` on the store; a damaged database is moved aside and a new
    // one started, and the work tried once more on it.
    template <class Work>
    std::vector<Text> WithStore(const std::string& stamp, Work&& work);
    std::vector<Text> Unavailable(const std::string& reason);

    std::string path_;
    std::unique_ptr<AnswerLog> store_;
    bool unavailableSaid_ = false, waitingSaid_ = false;
    std::vector<Waiting> waiting_;
    // This program's answers, counted when given: skipped when read back.
    std::unordered_set<std::int64_t> written_;
    Text levelTag_, yearText_;
    std::int64_t lastId_ = 0;
    std::unordered_map<Text, QuestionHistory> questions_;
    std::vector<AnswerMoment> moments_;
};

// Right as the database decides it: a letter chosen, and the right one.
bool IsRight(const StoredAnswer& answer);

// The memory state after one more answer of a question.
void TakeAnswer(QuestionHistory& q, bool right, std::int64_t utcMs);

}  // namespace ktq
