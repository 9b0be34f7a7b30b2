// SPDX-License-Identifier: GPL-3.0-or-later
#include "study/RuleText.h"

#include <string_view>

namespace ktq {
namespace {

// A blank goes in before the first `mark`, keeping at most `keep` characters
// from the mark on, so the section number ends at a blank.
Text BlankBefore(const Text& ref, const char* mark, std::size_t keep) {
    const std::size_t p = Pos(mark, ref);
    if (p == 0)
        return ref;
    return Copy(ref, 1, p - 1) + " " + Copy(ref, p, keep);
}

// `key` occurs first at position 2 of `line`.
bool HoldsKeyAtSecond(std::string_view line, std::string_view key) {
    return line.size() > key.size() && line.substr(1, key.size()) == key &&
           line.substr(0, key.size()) != key;
}

void AppendTrimmed(const Text& line, LineList& out) {
    Text t = Trim(line);
    if (!t.empty())
        out.push_back(std::move(t));
}

}  // namespace

Text RuleKey(const Text& reference, char sectionSign) {
    Text ref = reference;
    if (StartsWith(ref, "["))
        ref = Trim(Copy(ref, 2, 50));
    ref = BlankBefore(ref, "(", 30);
    ref = BlankBefore(ref, ",", 30);
    if (const std::size_t close = Pos("]", ref); close > 0)
        ref = Copy(ref, 1, close - 1) + " ";
    return Text(1, sectionSign) + Copy(ref, 1, Pos(" ", ref));
}

bool IsRuleHeading(const Text& line, char sectionSign) {
    return line.size() >= 2 && line[1] == sectionSign && line[0] != sectionSign;
}

LineList RuleSection(const LineList& rules, const Text& key, char sectionSign) {
    LineList section;
    const std::size_t examined = rules.size() >= 2 ? rules.size() - 1 : rules.size();
    for (std::size_t i = 0; i < examined; ++i) {
        if (!HoldsKeyAtSecond(rules[i], key))
            continue;
        AppendTrimmed(rules[i], section);
        // The last section runs to the end of the text, its last line included.
        for (std::size_t j = i + 1; j < rules.size() && !IsRuleHeading(rules[j], sectionSign); ++j)
            AppendTrimmed(rules[j], section);
        break;
    }
    return section;
}

}  // namespace ktq
