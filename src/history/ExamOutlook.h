// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Looking ahead to a booked exam: the chance of passing on its day if no more
// study is done, what each sub-element is expected to lose then, and what to
// study today so that every question has been seen well before it.
#include <cstdint>
#include <optional>
#include <vector>

#include "history/StudyHistory.h"
#include "text/Text.h"

namespace ktq {

// Local days since 1970-01-01 of "YYYY-MM-DD"; empty unless it is a real date
// written so.
std::optional<std::int64_t> ParseDay(const Text& iso);
Text FormatDay(std::int64_t day);
// The local day of a UTC time, `localOffsetMs` ahead of UTC.
std::int64_t LocalDayOf(std::int64_t utcMs, std::int64_t localOffsetMs);

// "Exam in 12 days", "Exam in 1 day", "Exam today" or "Exam date passed".
Text ExamCountdown(std::int64_t examDay, std::int64_t today);

struct SubelementLoss {
    Text code;
    double expectedLost = 0;  // exam questions expected to be answered wrongly
};

struct ExamProjection {
    double passChance = 0;
    std::vector<SubelementLoss> losses;  // worst first, equals in pool order
};

// Each question's recall carried forward to `atUtcMs` by the memory model
// (never seen: a guess), the chance of passing then as today's is computed.
ExamProjection ProjectExam(const LineList& codes, const StudyHistory& history, std::int64_t atUtcMs,
                           int examSize);

// The exam is taken about midday of its local day.
std::int64_t ExamUtcMs(std::int64_t examDay, std::int64_t localOffsetMs);

// Every question is seen for the first time at least this many days before
// the exam; without an exam date, this many new questions a day.
inline constexpr int kDaysSeenBeforeExam = 3;
inline constexpr int kDefaultNewPerDay = 20;

struct StudyPlan {
    int newLeft = 0;      // questions still to see for the first time today
    int reviewsLeft = 0;  // seen questions due now
    bool defaultPace = false;
    bool Done() const { return newLeft == 0 && reviewsLeft == 0; }
};

struct PlanSituation {
    const LineList* codes = nullptr;  // the pool's, in pool order
    const StudyHistory* history = nullptr;
    std::int64_t nowUtcMs = 0, localOffsetMs = 0;
    std::optional<std::int64_t> examDay;
    double retention = 0.9;
};

// Today's share of the unseen questions (those first seen today count
// towards it) spread evenly up to kDaysSeenBeforeExam days before the exam,
// and the reviews due; an exam date passed or none gives the default pace.
StudyPlan PlanToday(const PlanSituation& s);

// "Today: 12 new, 3 reviews"
Text PlanLine(const StudyPlan& plan);

}  // namespace ktq
