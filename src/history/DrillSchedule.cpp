// SPDX-License-Identifier: GPL-3.0-or-later
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
    bool lastRight;
};

// How well the group is known: a question counts by the model only once it
// was last answered right. Just after a wrong answer the model's recall is
// high (the right answer was on screen), which says nothing of knowing it.
double GroupStrength(const std::vector<const Candidate*>& members) {
    double sum = 0;
    for (const Candidate* c : members) sum += ChanceOfRightAnswer(c->lastRight ? c->recall : 0.0);
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
    for (const Text& g : order) chance[g] = GroupStrength(members[g]);
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

// The model's order: due questions by recall, then the new ones, then the
// rest by recall; each code once.
LineList ModelOrder(const DrillSituation& s) {
    std::vector<Candidate> all;
    all.reserve(s.codes->size());
    for (const Text& code : *s.codes) {
        const QuestionHistory* q = s.history->Find(code);
        all.push_back({&code, q ? s.history->RecallAt(code, s.nowUtcMs) : 0.0, q != nullptr,
                       q != nullptr && q->lastRight});
    }
    std::vector<const Candidate*> byRecall;
    for (const Candidate& c : all) {
        if (c.seen)
            byRecall.push_back(&c);
    }
    std::stable_sort(byRecall.begin(), byRecall.end(),
                     [](const Candidate* a, const Candidate* b) { return a->recall < b->recall; });
    LineList order;
    std::unordered_set<Text> listed;
    auto list = [&](const Candidate* c) {
        if (listed.insert(*c->code).second)
            order.push_back(*c->code);
    };
    for (const Candidate* c : byRecall) {
        if (c->recall < s.retention)
            list(c);
    }
    const std::vector<const Candidate*> fresh = NewOnes(all);
    const std::size_t planned =
        s.newAllowed < 0 ? fresh.size()
                         : std::min(fresh.size(), static_cast<std::size_t>(s.newAllowed));
    for (std::size_t i = 0; i < planned; ++i) list(fresh[i]);
    for (const Candidate* c : byRecall) list(c);
    for (const Candidate* c : fresh) list(c);
    return order;
}

}  // namespace

LineList DrillOrder(const DrillSituation& s, std::size_t count) {
    const LineList model = ModelOrder(s);
    const std::unordered_set<Text> drawable(s.codes->begin(), s.codes->end());
    // The question on screen is answered before the next draw: right, it has
    // gone down the model's order; wrong, it waits its turn to return.
    std::unordered_set<Text> used = {s.lastShown};
    LineList order;
    // Draw by draw: a missed question returns at its draw; otherwise the
    // model's next, but never the question shown just before.
    for (int draw = s.nextDraw; order.size() < count; ++draw) {
        const Text& before = order.empty() ? s.lastShown : order.back();
        auto waiting = [&](const Text& code, int upTo) {
            return std::any_of(s.relearning.begin(), s.relearning.end(), [&](const Relearning& r) {
                return r.code == code && r.fromDraw > upTo;
            });
        };
        const Text* pick = nullptr;
        for (const Relearning& r : s.relearning) {
            if (!pick && r.fromDraw <= draw && drawable.count(r.code) && !used.count(r.code) &&
                r.code != before)
                pick = &r.code;
        }
        for (const Text& code : model) {
            if (!pick && !used.count(code) && code != before && !waiting(code, draw))
                pick = &code;
        }
        // Only a question waiting to return, or the one just shown, is left.
        for (const Text& code : model) {
            if (!pick && !used.count(code) && code != before)
                pick = &code;
        }
        // A bank of one question has only that one to show again.
        if (!pick && order.empty() && !model.empty())
            pick = &model.front();
        if (!pick)
            break;
        used.insert(*pick);
        order.push_back(*pick);
    }
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
