// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/Progress.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <unordered_map>
#include <unordered_set>

#include "history/PassChance.h"
#include "history/QuestionGroups.h"

namespace ktq {
namespace {

// Adds one question of the bank to a row.
void Count(ProgressRow& row, const QuestionHistory* q, double chance) {
    ++row.inBank;
    row.chanceRight += chance;
    if (q == nullptr)
        return;
    ++row.seen;
    row.lastRight += q->lastRight ? 1 : 0;
    row.answers += q->answers;
    row.right += q->right;
    row.notKnown += q->notKnown;
}

// Rows in the order their first question comes in the pool.
class RowsInPoolOrder {
  public:
    ProgressRow& operator[](const Text& code) {
        auto [it, added] = index_.try_emplace(code, rows_.size());
        if (added)
            rows_.push_back(ProgressRow{code});
        return rows_[it->second];
    }
    std::vector<ProgressRow> Take() {
        for (ProgressRow& r : rows_) r.chanceRight /= r.inBank;
        return std::move(rows_);
    }

  private:
    std::unordered_map<Text, std::size_t> index_;
    std::vector<ProgressRow> rows_;
};

Text RowLine(const ProgressRow& r) {
    return r.code + "\t" + std::to_string(r.inBank) + "\t" + std::to_string(r.seen) + "\t" +
           std::to_string(r.lastRight) + "\t" + std::to_string(r.answers) + "\t" +
           std::to_string(r.right) + "\t" + std::to_string(r.notKnown);
}

}  // namespace

ProgressView BuildProgress(const LineList& codes, const StudyHistory& history,
                           std::int64_t nowUtcMs, int examSize, std::int64_t localOffsetMs) {
    ProgressView view;
    view.whole.code = history.LevelTag() + " " + history.YearText();
    RowsInPoolOrder subelements, groups;
    std::unordered_set<Text> counted;
    for (const Text& code : codes) {
        if (code.empty() || !counted.insert(code).second)
            continue;
        const QuestionHistory* q = history.Find(code);
        const double chance = ChanceOfRightAnswer(history.RecallAt(code, nowUtcMs));
        Count(view.whole, q, chance);
        Count(subelements[SubelementOfCode(code)], q, chance);
        Count(groups[GroupOfCode(code)], q, chance);
    }
    if (view.whole.inBank > 0)
        view.whole.chanceRight /= view.whole.inBank;
    view.subelements = subelements.Take();
    view.groups = groups.Take();

    std::vector<double> chances;
    for (const ProgressRow& g : view.groups) chances.push_back(g.chanceRight);
    const int taken = std::min(static_cast<int>(chances.size()), examSize);
    view.passChance = ChanceOfPassing(chances, examSize, PassMark(taken));

    std::map<std::int64_t, StudyDay> days;
    for (const AnswerMoment& m : history.Moments()) {
        const std::int64_t local = m.utcMs + localOffsetMs;
        const std::int64_t day = local >= 0 ? local / kMsPerDay : (local + 1) / kMsPerDay - 1;
        StudyDay& d = days[day];
        d.day = day;
        ++d.answers;
        d.right += m.right ? 1 : 0;
    }
    for (const auto& [day, tally] : days) view.days.push_back(tally);
    return view;
}

Text PercentWithOneDecimal(double share) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f%%", std::round(share * 1000.0) / 10.0);
    return buf;
}

LineList ProgressReportLines(const ProgressView& view, const Text& madeAt) {
    const ProgressRow& w = view.whole;
    const Text columns = "\tIn bank\tSeen\tLast right\tAnswers\tRight\tNot known";
    LineList lines;
    lines.push_back("Progress report: " + w.code + ", " + madeAt);
    lines.push_back(w.code + ": " + std::to_string(w.inBank) + " in bank, " +
                    std::to_string(w.seen) + " seen, " + std::to_string(w.lastRight) +
                    " last right, " + std::to_string(w.answers) + " answers, " +
                    std::to_string(w.right) + " right");
    lines.push_back("Sub-element" + columns);
    for (const ProgressRow& r : view.subelements) lines.push_back(RowLine(r));
    lines.push_back("Group" + columns);
    for (const ProgressRow& r : view.groups) lines.push_back(RowLine(r));
    lines.push_back("Chance of passing\t" + PercentWithOneDecimal(view.passChance));
    return lines;
}

}  // namespace ktq
