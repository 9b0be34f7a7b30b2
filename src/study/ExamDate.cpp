// SPDX-License-Identifier: GPL-3.0-or-later
// Studying toward an exam date: the date kept per pool, the chance of passing
// on that day, and the plan for today that the drill follows.
#include <cstdio>

#include "ui/TForm1.h"

namespace ktq {
namespace {

Text TwoDecimals(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    return buf;
}

}  // namespace

bool TForm1::SetExamDate(const Text& iso) {
    const Text date = Trim(iso);
    if (!date.empty() && !ParseDay(date))
        return false;
    if (state.LevelTag.empty())
        return false;
    state.ExamDate = date;
    StoreExamDate();
    return true;
}

Text TForm1::ExamCountdownNow() {
    const auto day = ParseDay(state.ExamDate);
    return day ? ExamCountdown(*day, LocalDayOf(Sys().Now().ms, 0)) : Text();
}

ExamProjection TForm1::ExamProjectionNow() {
    const auto day = ParseDay(state.ExamDate);
    if (!day || !history_)
        return {};
    const std::int64_t utc = Sys().UtcNowMs();
    return ProjectExam(PoolCodes(), *history_, ExamUtcMs(*day, Sys().Now().ms - utc),
                       state.ExamSize);
}

LineList TForm1::ExamOutlookLines() {
    if (!ParseDay(state.ExamDate) || !history_)
        return {};
    const ExamProjection p = ExamProjectionNow();
    LineList lines = {"Exam date\t" + state.ExamDate,
                      "Chance of passing on the exam date\t" + PercentWithOneDecimal(p.passChance)};
    for (const SubelementLoss& l : p.losses)
        lines.push_back("Expected lost on the exam date\t" + l.code + "\t" +
                        TwoDecimals(l.expectedLost));
    return lines;
}

StudyPlan TForm1::PlanNow() {
    if (!history_)
        return {};
    PlanSituation s;
    s.codes = &PoolCodes();
    s.history = history_.get();
    s.nowUtcMs = Sys().UtcNowMs();
    s.localOffsetMs = Sys().Now().ms - s.nowUtcMs;
    s.examDay = ParseDay(state.ExamDate);
    s.retention = state.TargetRetentionPercent / 100.0;
    return PlanToday(s);
}

void TForm1::SayWhenPlanDone() {
    const std::int64_t today = LocalDayOf(Sys().Now().ms, 0);
    if (state.PlanDoneSaidDay == today || !PlanNow().Done())
        return;
    state.PlanDoneSaidDay = today;
    AddStatusNote("Today's plan done");
}

}  // namespace ktq
