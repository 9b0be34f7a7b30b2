// SPDX-License-Identifier: GPL-3.0-or-later
// "Weakest first": the draw of Start and of the advance after feedback, by
// the memory model of the answer history, while CheckBox4 is ticked.
#include <algorithm>

#include "exam/QuestionChoice.h"
#include "pool/PoolText.h"
#include "ui/TForm1.h"

namespace ktq {
namespace {

double Retention(const RunState& s) {
    return s.TargetRetentionPercent / 100.0;
}

}  // namespace

DrillSituation TForm1::DrillNow() {
    RunState& s = state;
    DrillSituation d;
    if (history_)
        ShowHistoryNotes(history_->Refresh(HistoryStamp()));
    d.history = history_.get();
    d.nowUtcMs = Sys().UtcNowMs();
    d.retention = Retention(s);
    d.relearning = s.DrillRelearning;
    d.nextDraw = s.DrillDraws;
    d.lastShown = s.QuestionCode;
    if (history_)
        d.newAllowed = PlanNow().newLeft;
    return d;
}

LineList TForm1::DrillNextCodes(std::size_t count) {
    // As the draw sees them: without figures, no question that needs one.
    LineList codes;
    const bool figures = !state.AvailableImages.empty();
    for (const Text& entry : state.QuestionBank) {
        if (QualifiesForDraw(entry, "", figures))
            codes.push_back(GetField(entry, kTab, 1));
    }
    DrillSituation d = DrillNow();
    if (d.history == nullptr)
        return {};
    d.codes = &codes;
    return DrillOrder(d, count);
}

std::optional<std::size_t> TForm1::DrawForDrill() {
    RunState& s = state;
    const LineList next = DrillNextCodes(1);
    if (next.empty())
        return std::nullopt;
    ++s.DrillDraws;
    auto& queue = s.DrillRelearning;
    queue.erase(std::remove_if(queue.begin(), queue.end(),
                               [&next](const Relearning& r) { return r.code == next.front(); }),
                queue.end());
    return FindEntryByCodeOrLast(s.QuestionBank, next.front());
}

int TForm1::DueNow() {
    const DrillSituation d = DrillNow();
    return d.history ? DueCount(PoolCodes(), *d.history, d.nowUtcMs, d.retention) : 0;
}

std::vector<int> TForm1::DueForecastNow(int days) {
    const DrillSituation d = DrillNow();
    if (d.history == nullptr)
        return std::vector<int>(static_cast<std::size_t>(days), 0);
    return DueForecast(PoolCodes(), *d.history, d.nowUtcMs, Sys().Now().ms - d.nowUtcMs,
                       d.retention, days);
}

void TForm1::SetTargetRetention(int percent) {
    state.TargetRetentionPercent = std::clamp(percent, 70, 97);
}

}  // namespace ktq
