// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "notes/StudyNoteSource.h"

namespace ktq {
namespace {

const Text kLong =
    " because the rule says so, and a note has room to say why it does, with a"
    " worked figure where there is one.";

struct CheckCase {
    const char* name;
    LineList lines;
    std::vector<Text> problems;  // each a beginning of one problem, in order
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

class NotesCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(NotesCheck, FindsWhatKeepsTheNotesFromShipping) {
    const LineList bank = {"T1A01\tA\t\tq", "T1A02\tB\t\tq"};
    const std::vector<Text> found = CheckStudyNotes(ReadStudyNoteSource(GetParam().lines), bank);
    ASSERT_EQ(found.size(), GetParam().problems.size()) << ::testing::PrintToString(found);
    for (std::size_t i = 0; i < found.size(); ++i)
        EXPECT_TRUE(found[i].starts_with(GetParam().problems[i])) << found[i];
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NotesCheck,
    ::testing::Values(
        CheckCase{"Whole", {"# header", "", "T1A01 One" + kLong, "T1A02 Two" + kLong}, {}},
        CheckCase{"RuleParagraphsAndUnitsAreNoLetters",
                  {"T1A01 See 97.119(a) and (b)(2): 2 A at 13.8 V, class C" + kLong,
                   "T1A02 A current of 2 A (about) flows; answers are kept" + kLong},
                  {}},
        CheckCase{"MissingDuplicateAndUnknown",
                  {"T1A01 One" + kLong, "T1A01 Again" + kLong, "T9Z99 Stray" + kLong},
                  {"line 2 (T1A01): a second note; the first is on line 1",
                   "line 3 (T9Z99): the pool has no question", "T1A02: no note"}},
        CheckCase{"AnswerLetters",
                  {"T1A01 The answer is B" + kLong, "T1A02 Unlike choice (C), this" + kLong},
                  {"line 1 (T1A01): names an answer", "line 2 (T1A02): names an answer"}},
        CheckCase{"LengthTabAndForm",
                  {"T1A01 Short.", "T1A02 Tab\there" + kLong, "no code here"},
                  {"line 3: not a question code", "line 1 (T1A01): 6 characters",
                   "line 2 (T1A02): a TAB"}}));

}  // namespace
}  // namespace ktq
