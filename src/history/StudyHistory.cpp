// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/StudyHistory.h"

#include <algorithm>

#include "formats/Formats.h"

namespace ktq {
namespace {

// The answer path waits no longer for another program's lock than the
// window may stand still; what cannot be written waits in memory.
constexpr int kAnswerBusyTimeoutMs = 200;

}  // namespace

bool IsRight(const StoredAnswer& a) {
    return !a.correct.empty() && a.chosen == a.correct;
}

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
    written_.clear();
}

void StudyHistory::Count(const Text& code, bool right, bool notKnown, std::int64_t utcMs) {
    QuestionHistory& q = questions_[code];
    TakeAnswer(q, right, utcMs);
    q.notKnown += notKnown ? 1 : 0;
    moments_.push_back({utcMs, right});
}

void StudyHistory::Take(const PastAnswer& a) {
    lastId_ = std::max(lastId_, a.id);
    if (written_.erase(a.id) == 0)
        Count(a.code, a.right, a.notKnown, a.utcMs);
}

void StudyHistory::Catch(AnswerLog& store) {
    while (!waiting_.empty()) {
        const Waiting& w = waiting_.front();
        const std::int64_t id = store.Record(w.levelTag, w.yearText, w.answer);
        if (w.levelTag == levelTag_ && w.yearText == yearText_)
            written_.insert(id);
        waiting_.erase(waiting_.begin());
    }
    for (const PastAnswer& a : store.AnswersSince(levelTag_, yearText_, lastId_)) Take(a);
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
                store_ = OpenAnswerLog(path_, kAnswerBusyTimeoutMs);
            work(*store_);
            return notes;
        } catch (const AnswerStoreError& e) {
            if (e.Transient()) {
                if (!waitingSaid_)
                    notes.push_back(Text(e.what()) +
                                    " Your answers are kept meanwhile and written as soon as it "
                                    "can be done.");
                waitingSaid_ = true;
                return notes;
            }
            store_.reset();
            if (!e.Damaged() || attempt > 0) {
                std::vector<Text> more = Unavailable(e.what());
                notes.insert(notes.end(), more.begin(), more.end());
                return notes;
            }
            const std::string aside = MoveDamagedDatabaseAside(path_, stamp);
            notes.push_back(Text(e.what()) + " It has been moved aside as \"" +
                            aside.substr(aside.find_last_of('/') + 1) +
                            "\" and a new history has been started; nothing was deleted.");
            Forget();
            for (const Waiting& w : waiting_)
                if (w.levelTag == levelTag_ && w.yearText == yearText_)
                    Count(w.answer.code, IsRight(w.answer), w.answer.chosen == kNotKnown,
                          w.answer.utcMs);
        }
    }
    return notes;
}

std::vector<Text> StudyHistory::Open(const Text& levelTag, const Text& yearText,
                                     const std::string& stamp) {
    levelTag_ = levelTag;
    yearText_ = yearText;
    Forget();
    // Answers of this pool still waiting count as given.
    for (const Waiting& w : waiting_)
        if (w.levelTag == levelTag_ && w.yearText == yearText_)
            Count(w.answer.code, IsRight(w.answer), w.answer.chosen == kNotKnown, w.answer.utcMs);
    return Refresh(stamp);
}

std::vector<Text> StudyHistory::Refresh(const std::string& stamp) {
    if (!store_ && unavailableSaid_)
        return {};
    return WithStore(stamp, [this](AnswerLog& store) { Catch(store); });
}

std::vector<Text> StudyHistory::Record(const StoredAnswer& answer, const std::string& stamp) {
    Count(answer.code, IsRight(answer), answer.chosen == kNotKnown, answer.utcMs);
    // With no database (an unwritable folder), the answer is only counted.
    if (!store_ && unavailableSaid_)
        return {};
    waiting_.push_back({levelTag_, yearText_, answer});
    return Refresh(stamp);
}

std::vector<Text> StudyHistory::Close(const std::string& stamp) {
    if (waiting_.empty())
        return {};
    std::vector<Text> notes = Refresh(stamp);
    if (!waiting_.empty())
        notes.push_back(std::to_string(waiting_.size()) +
                        (waiting_.size() == 1 ? " answer" : " answers") +
                        " could not be written to the answer history and will not be "
                        "remembered.");
    return notes;
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
