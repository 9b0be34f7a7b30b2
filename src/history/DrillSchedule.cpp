#include "history/DrillSchedule.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "history/QuestionGroups.h"

namespace ktq {
namespace {

struct Candidate {
    const Text* code;
    double recall;  // 0 when never seen
    bool seen;
};

double GroupChance(const std::vector<const Candidate*>& members) {
    double sum = 0;
    for (const Candidate* c : members) sum += ChanceOfRightAnswer(c->seen ? c->recall : 0.0);
    return sum / static_cast<double>(members.size());
}

// The questions never seen, their groups weakest first, each group's in pool
// order; groups equally weak keep their pool order.
std::vector<const Candidate*> NewOnes(const std::vector<Candidate>& all) {
    std::vector<Text> order;
    std::unordered_map<Text, std::vector<const Candidate*>> members;
    for (const Candidate& c : all) {
        auto [it, added] = members.try_emplace(GroupOfCode(*c.code));
        if (added)
            order.push_back(it->first);
        it->second.push_back(&c);
    }
    std::unordered_map<Text, double> chance;
    for (const Text& g : order) chance[g] = GroupChance(members[g]);
    std::stable_sort(order.begin(), order.end(),
                     [&chance](const Text& a, const Text& b) { return chance[a] < chance[b]; });
    std::vector<const Candidate*> fresh;
    for (const Text& g : order) {
        for (const Candidate* c : members[g]) {
            if (!c->seen)
                fresh.push_back(c);
        }
    }
    return fresh;
}

}  // namespace

LineList DrillOrder(const DrillSituation& s, std::size_t count) {
    LineList order;
    std::unordered_set<Text> taken;
    // The question just shown takes the place after the first one instead.
    bool lastPutBack = false;
    auto take = [&](const Text& code) {
        if (order.size() >= count || taken.count(code))
            return;
        if (order.empty() && code == s.lastShown) {
            lastPutBack = true;
            return;
        }
        taken.insert(code);
        order.push_back(code);
        if (lastPutBack && order.size() < count) {
            lastPutBack = false;
            taken.insert(s.lastShown);
            order.push_back(s.lastShown);
        }
    };
    std::unordered_set<Text> drawable(s.codes->begin(), s.codes->end());
    for (const Relearning& r : s.relearning) {
        if (r.fromDraw <= s.nextDraw && drawable.count(r.code))
            take(r.code);
    }

    std::vector<Candidate> all;
    all.reserve(s.codes->size());
    for (const Text& code : *s.codes) {
        const QuestionHistory* q = s.history->Find(code);
        all.push_back({&code, q ? s.history->RecallAt(code, s.nowUtcMs) : 0.0, q != nullptr});
    }
    std::vector<const Candidate*> byRecall;
    for (const Candidate& c : all) {
        if (c.seen)
            byRecall.push_back(&c);
    }
    std::stable_sort(byRecall.begin(), byRecall.end(),
                     [](const Candidate* a, const Candidate* b) { return a->recall < b->recall; });
    for (const Candidate* c : byRecall) {
        if (c->recall < s.retention)
            take(*c->code);
    }
    for (const Candidate* c : NewOnes(all)) take(*c->code);
    for (const Candidate* c : byRecall) take(*c->code);
    // A bank of one question has nothing else to show.
    if (order.empty() && count > 0 && !s.codes->empty())
        order.push_back(s.codes->front());
    return order;
}

int DueCount(const LineList& codes, const StudyHistory& history, std::int64_t nowUtcMs,
             double retention) {
    int due = 0;
    for (const Text& code : codes) {
        if (history.Find(code) != nullptr && history.RecallAt(code, nowUtcMs) < retention)
            ++due;
    }
    return due;
}

std::vector<int> DueForecast(const LineList& codes, const StudyHistory& history,
                             std::int64_t nowUtcMs, std::int64_t localOffsetMs, double retention,
                             int days) {
    std::vector<int> forecast(static_cast<std::size_t>(std::max(days, 0)), 0);
    auto localDay = [localOffsetMs](std::int64_t utc) {
        const std::int64_t local = utc + localOffsetMs;
        return local >= 0 ? local / kMsPerDay : (local + 1) / kMsPerDay - 1;
    };
    const std::int64_t today = localDay(nowUtcMs);
    std::unordered_set<Text> counted;
    for (const Text& code : codes) {
        const QuestionHistory* q = history.Find(code);
        if (q == nullptr || !q->memory || !counted.insert(code).second)
            continue;
        const auto dueUtc = q->lastUtcMs + static_cast<std::int64_t>(
                                               DaysUntilRecall(*q->memory, retention) * kMsPerDay);
        const std::int64_t day = std::max(localDay(dueUtc), today) - today;
        if (day < days)
            ++forecast[static_cast<std::size_t>(day)];
    }
    return forecast;
}

}  // namespace ktq
