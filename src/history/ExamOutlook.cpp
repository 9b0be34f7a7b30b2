// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/ExamOutlook.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <unordered_map>
#include <unordered_set>

#include "history/PassChance.h"
#include "history/QuestionGroups.h"

namespace ktq {

std::optional<std::int64_t> ParseDay(const Text& iso) {
    if (iso.size() != 10 || iso[4] != '-' || iso[7] != '-')
        return std::nullopt;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (iso[i] < '0' || iso[i] > '9')
            return std::nullopt;
    }
    using namespace std::chrono;
    const year_month_day date{year{std::stoi(iso.substr(0, 4))},
                              month{static_cast<unsigned>(std::stoi(iso.substr(5, 2)))},
                              day{static_cast<unsigned>(std::stoi(iso.substr(8, 2)))}};
    if (!date.ok())
        return std::nullopt;
    return sys_days{date}.time_since_epoch().count();
}

Text FormatDay(std::int64_t dayNumber) {
    using namespace std::chrono;
    const year_month_day date{sys_days{days{dayNumber}}};
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return buf;
}

std::int64_t LocalDayOf(std::int64_t utcMs, std::int64_t localOffsetMs) {
    const std::int64_t local = utcMs + localOffsetMs;
    return local >= 0 ? local / kMsPerDay : (local + 1) / kMsPerDay - 1;
}

Text ExamCountdown(std::int64_t examDay, std::int64_t today) {
    const std::int64_t left = examDay - today;
    if (left < 0)
        return "Exam date passed";
    if (left == 0)
        return "Exam today";
    return "Exam in " + std::to_string(left) + (left == 1 ? " day" : " days");
}

std::int64_t ExamUtcMs(std::int64_t examDay, std::int64_t localOffsetMs) {
    return examDay * kMsPerDay + kMsPerDay / 2 - localOffsetMs;
}

ExamProjection ProjectExam(const LineList& codes, const StudyHistory& history, std::int64_t atUtcMs,
                           int examSize) {
    struct Group {
        Text subelement;
        double chanceSum = 0;
        int questions = 0;
    };
    std::vector<Group> groups;  // in pool order
    std::unordered_map<Text, std::size_t> groupIndex;
    std::unordered_set<Text> counted;
    for (const Text& code : codes) {
        if (code.empty() || !counted.insert(code).second)
            continue;
        auto [it, added] = groupIndex.try_emplace(GroupOfCode(code), groups.size());
        if (added)
            groups.push_back({SubelementOfCode(code)});
        Group& g = groups[it->second];
        g.chanceSum += ChanceOfRightAnswer(history.RecallAt(code, atUtcMs));
        ++g.questions;
    }
    ExamProjection p;
    std::vector<double> chances;
    for (const Group& g : groups) chances.push_back(g.chanceSum / g.questions);
    const int taken = std::min(static_cast<int>(groups.size()), examSize);
    p.passChance = ChanceOfPassing(chances, examSize, PassMark(taken));

    // A group is on the exam with the share of groups the exam takes.
    const double onExam = groups.empty() ? 0.0 : static_cast<double>(taken) / groups.size();
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if (p.losses.empty() || p.losses.back().code != groups[i].subelement)
            p.losses.push_back({groups[i].subelement});
        p.losses.back().expectedLost += (1.0 - chances[i]) * onExam;
    }
    std::stable_sort(p.losses.begin(), p.losses.end(),
                     [](const SubelementLoss& a, const SubelementLoss& b) {
                         return a.expectedLost > b.expectedLost;
                     });
    return p;
}

StudyPlan PlanToday(const PlanSituation& s) {
    const std::int64_t today = LocalDayOf(s.nowUtcMs, s.localOffsetMs);
    int unseen = 0, firstSeenToday = 0;
    StudyPlan plan;
    for (const Text& code : *s.codes) {
        const QuestionHistory* q = s.history->Find(code);
        if (q == nullptr) {
            ++unseen;
        } else if (LocalDayOf(q->firstUtcMs, s.localOffsetMs) == today) {
            ++firstSeenToday;
        } else if (s.history->RecallAt(code, s.nowUtcMs) < s.retention) {
            ++plan.reviewsLeft;
        }
    }
    // The day's share is fixed by what was unseen as it began.
    const int unseenAtDayStart = unseen + firstSeenToday;
    int share = 0;
    if (!s.examDay || *s.examDay < today) {
        plan.defaultPace = true;
        share = std::min(kDefaultNewPerDay, unseenAtDayStart);
    } else {
        const auto daysForNew =
            std::max<std::int64_t>(*s.examDay - kDaysSeenBeforeExam - today + 1, 1);
        share = static_cast<int>((unseenAtDayStart + daysForNew - 1) / daysForNew);
    }
    plan.newLeft = std::clamp(share - firstSeenToday, 0, unseen);
    return plan;
}

Text PlanLine(const StudyPlan& plan) {
    return "Today: " + std::to_string(plan.newLeft) + " new, " + std::to_string(plan.reviewsLeft) +
           " reviews";
}

}  // namespace ktq
