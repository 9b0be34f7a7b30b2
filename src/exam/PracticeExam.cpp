// SPDX-License-Identifier: GPL-3.0-or-later
#include "exam/PracticeExam.h"

#include <algorithm>
#include <numeric>
#include <regex>
#include <string>
#include <unordered_map>
#include <utility>

#include "exam/QuestionChoice.h"
#include "exam/RandomDraw.h"
#include "exam/ReviewBlock.h"
#include "pool/PoolText.h"

namespace ktq {
namespace {

struct Group {
    std::vector<std::size_t> entries;
};

// The groups of the bank in pool order, each with its entries in pool order.
std::vector<Group> GroupsOf(const LineList& bank) {
    std::vector<Group> groups;
    std::unordered_map<Text, std::size_t> byName;
    for (std::size_t i = 0; i < bank.size(); ++i) {
        const Text code = GetField(bank[i], kTab, 1);
        if (code.empty())
            continue;
        auto [it, added] = byName.try_emplace(GroupOfCode(code), groups.size());
        if (added)
            groups.emplace_back();
        groups[it->second].entries.push_back(i);
    }
    return groups;
}

std::size_t Draw(const std::function<std::uint64_t()>& counter, std::size_t n) {
    return DrawFromCounter(counter(), static_cast<std::uint32_t>(n));
}

// Brings `count` items drawn at random to the front, in the order drawn.
template <class Items>
void DrawToFront(Items& items, std::size_t count, const std::function<std::uint64_t()>& counter) {
    for (std::size_t k = 0; k < count && k + 1 < items.size(); ++k)
        std::swap(items[k], items[k + Draw(counter, items.size() - k)]);
}

std::size_t DrawFromGroup(const LineList& bank, const Group& group, bool figuresAvailable,
                          const std::function<std::uint64_t()>& counter) {
    std::vector<std::size_t> open;
    for (std::size_t i : group.entries) {
        if (figuresAvailable || !Contains(bank[i], "Figure"))
            open.push_back(i);
    }
    const std::vector<std::size_t>& from = open.empty() ? group.entries : open;
    return from[Draw(counter, from.size())];
}

// "Both A and B", "A, B or C": an answer that names other answers by letter.
bool NamesOtherAnswers(const Text& answer) {
    static const std::regex naming(R"(\b[A-D]\b,? (and|or|&) [A-D]\b)");
    return std::regex_search(answer, naming);
}

bool AnsweredRight(const ExamAnswer& a) {
    return !a.correct.empty() && a.chosen == a.correct;
}

}  // namespace

Text DrawAnswerOrder(const Text& entry, const std::function<std::uint64_t()>& counter) {
    Text order = "ABCD";
    for (int n = 5; n <= 8; ++n) {
        if (NamesOtherAnswers(GetField(entry, kTab, n)))
            return order;
    }
    DrawToFront(order, order.size(), counter);
    return order;
}

Text PoolLetterOfBox(const Text& order, int number) {
    if (number < 1 || number > static_cast<int>(order.size()))
        return Text();
    return Text(1, order[static_cast<std::size_t>(number - 1)]);
}

std::vector<std::size_t> DrawPracticeExam(const LineList& bank, int examSize, bool figuresAvailable,
                                          const std::function<std::uint64_t()>& counter) {
    std::vector<Group> groups = GroupsOf(bank);
    if (examSize > 0 && groups.size() > static_cast<std::size_t>(examSize)) {
        DrawToFront(groups, static_cast<std::size_t>(examSize), counter);
        groups.resize(static_cast<std::size_t>(examSize));
    }
    std::vector<std::size_t> exam;
    exam.reserve(groups.size());
    for (const Group& g : groups) exam.push_back(DrawFromGroup(bank, g, figuresAvailable, counter));
    DrawToFront(exam, exam.size(), counter);
    return exam;
}

int CountRight(const std::vector<ExamAnswer>& answers) {
    return static_cast<int>(std::count_if(answers.begin(), answers.end(), AnsweredRight));
}

LineList ExamReportLines(const LineList& bank, const std::vector<ExamAnswer>& answers,
                         const Text& takenLine,
                         const std::function<Text(const Text& code)>& noteOf) {
    const int total = static_cast<int>(answers.size());
    const int right = CountRight(answers);
    const int mark = PassMark(total);
    LineList lines;
    lines.push_back("Result: " + Text(right >= mark ? "PASS" : "FAIL") + ", " +
                    std::to_string(right) + " of " + std::to_string(total) + " correct (" +
                    std::to_string(mark) + " needed to pass)");
    lines.push_back(takenLine);

    // Sub-elements in the order the pool has them.
    std::vector<Text> order;
    std::unordered_map<Text, std::pair<int, int>> scores;  // right, asked
    for (const Text& entry : bank) {
        const Text sub = SubelementOfCode(GetField(entry, kTab, 1));
        if (!sub.empty() && scores.try_emplace(sub, 0, 0).second)
            order.push_back(sub);
    }
    for (const ExamAnswer& a : answers) {
        auto& [subRight, asked] = scores[SubelementOfCode(a.code)];
        ++asked;
        subRight += AnsweredRight(a) ? 1 : 0;
    }
    for (const Text& sub : order) {
        const auto [subRight, asked] = scores[sub];
        if (asked > 0)
            lines.push_back(sub + "  " + std::to_string(subRight) + " of " + std::to_string(asked));
    }
    lines.push_back("");

    for (const ExamAnswer& a : answers) {
        if (!AnsweredRight(a) && !bank.empty())
            AppendReviewBlock(lines, bank[FindEntryByCodeOrLast(bank, a.code)], a.code, a.chosen,
                              a.correct, noteOf ? noteOf(a.code) : Text());
    }
    return lines;
}

}  // namespace ktq
