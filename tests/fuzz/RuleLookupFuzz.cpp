// SPDX-License-Identifier: GPL-3.0-or-later
// The rules text looked up by a question's reference: the first line of the
// input is the reference, the others the rules text.
#include "FuzzCheck.h"
#include "platform/TextFile.h"
#include "study/RuleText.h"

namespace ktq {
namespace {

constexpr char kSign = kSectionSignChar;

bool IsHeading(const Text& line) {
    return line.find(kSign) == 1;
}

// The sign, then either nothing or a number without blanks, brackets or
// commas and one blank.
void CheckKey(const Text& key) {
    FUZZ_CHECK(!key.empty() && key[0] == kSign);
    if (key.size() == 1)
        return;
    FUZZ_CHECK(key.back() == ' ');
    FUZZ_CHECK(!fuzz::HasAnyOf(key.substr(1, key.size() - 2), " (,]"));
}

// The first line that holds the key first at its second character, up to
// the next heading, trimmed and without empty lines; the last line of a text
// of two or more is never a section's first.
LineList ExpectedSection(const LineList& rules, const Text& key) {
    const std::size_t examined = rules.size() >= 2 ? rules.size() - 1 : rules.size();
    LineList section;
    for (std::size_t i = 0; i < examined; ++i) {
        if (rules[i].find(key) != 1)
            continue;
        for (std::size_t j = i; j < rules.size() && (j == i || !IsHeading(rules[j])); ++j) {
            if (!Trim(rules[j]).empty())
                section.push_back(Trim(rules[j]));
        }
        break;
    }
    return section;
}

}  // namespace
}  // namespace ktq

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ktq;
    LineList lines = ParseLines(fuzz::AsBytes(data, size));
    if (lines.empty())
        return 0;
    const Text reference = lines.front();
    lines.erase(lines.begin());
    for (const Text& line : lines) FUZZ_CHECK(IsRuleHeading(line, kSign) == IsHeading(line));
    const Text key = RuleKey(reference, kSign);
    CheckKey(key);
    FUZZ_CHECK(RuleSection(lines, key, kSign) == ExpectedSection(lines, key));
    return 0;
}
