// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/StudyHistory.h"

#include <algorithm>

namespace ktq {

void TakeAnswer(QuestionHistory& q, bool right, std::int64_t utcMs) {
    const double elapsedDays =
        q.memory ? static_cast<double>(std::max<std::int64_t>(utcMs - q.lastUtcMs, 0)) / kMsPerDay
                 : 0.0;
    q.memory = NextMemoryState(q.memory, right ? Rating::Good : Rating::Again, elapsedDays);
    q.firstUtcMs = q.answers == 0 ? utcMs : std::min(q.firstUtcMs, utcMs);
    q.lastUtcMs = std::max(q.lastUtcMs, utcMs);
    ++q.answers;
    q.right += right ? 1 : 0;
    q.lastRight = right;
}

StudyHistory::StudyHistory(std::string path) : path_(std::move(path)) {}
StudyHistory::~StudyHistory() = default;

void StudyHistory::Forget() {
    lastId_ = 0;
    questions_.clear();
    moments_.clear();
}

void StudyHistory::Take(const PastAnswer& a) {
    QuestionHistory& q = questions_[a.code];
    TakeAnswer(q, a.right, a.utcMs);
    q.notKnown += a.notKnown ? 1 : 0;
    moments_.push_back({a.utcMs, a.right});
    lastId_ = std::max(lastId_, a.id);
}

std::vector<Text> StudyHistory::Unavailable(const std::string& reason) {
    store_.reset();
    if (unavailableSaid_)
        return {};
    unavailableSaid_ = true;
    return {reason + " Your answers are not remembered this time."};
}

template <class Work>
std::vector<Text> StudyHistory::WithStore(const std::string& stamp, Work&& work) {
    std::vector<Text> notes;
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            if (!store_)
                store_ = std::make_unique<AnswerStore>(path_);
            work(*store_);
            return notes;
        } catch (const AnswerStoreError& e) {
            store_.reset();
            if (!e.Damaged() || attempt > 0) {
                std::vector<Text> more = Unavailable(e.what());
                notes.insert(notes.end(), more.begin(), more.end());
                return notes;
            }
            const std::string aside = MoveDamagedDatabaseAside(path_, stamp);
            notes.push_back(Text(e.what()) + ". It has been moved aside as \"" +
                            aside.substr(aside.find_last_of('/') + 1) +
                            "\" and a new history has been started; nothing was deleted.");
            Forget();
        }
    }
    return notes;
}

std::vector<Text> StudyHistory::Open(const Text& levelTag, const Text& yearText,
                                     const std::string& stamp) {
    levelTag_ = levelTag;
    yearText_ = yearText;
    Forget();
    return Refresh(stamp);
}

std::vector<Text> StudyHistory::Refresh(const std::string& stamp) {
    return WithStore(stamp, [this](AnswerStore& store) {
        for (const PastAnswer& a : store.AnswersSince(levelTag_, yearText_, lastId_)) Take(a);
    });
}

std::vector<Text> StudyHistory::Record(const StoredAnswer& answer, const std::string& stamp) {
    // With no database (an unwritable folder), the answer is not kept.
    if (!store_ && unavailableSaid_)
        return {};
    return WithStore(stamp, [&](AnswerStore& store) {
        store.Record(levelTag_, yearText_, answer);
        for (const PastAnswer& a : store.AnswersSince(levelTag_, yearText_, lastId_)) Take(a);
    });
}

const QuestionHistory* StudyHistory::Find(const Text& code) const {
    auto it = questions_.find(code);
    return it == questions_.end() ? nullptr : &it->second;
}

double StudyHistory::RecallAt(const Text& code, std::int64_t utcMs) const {
    const QuestionHistory* q = Find(code);
    if (q == nullptr || !q->memory)
        return 0.0;
    return Recall(*q->memory, static_cast<double>(utcMs - q->lastUtcMs) / kMsPerDay);
}

}  // namespace ktq
