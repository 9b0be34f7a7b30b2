// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "pool/SwotReader.h"

namespace ktq {
namespace {

// A pool as the published ones are saved: preamble, sub-element and group
// title lines, blocks ending in "~~" and a blank line.
LineList Pool(const LineList& blocks) {
    LineList lines = {"Errata: none", "SUBELEMENT T1 - RULES - [6 Exam Questions - 6 Groups]",
                      "T1A - Purpose of the service"};
    lines.insert(lines.end(), blocks.begin(), blocks.end());
    return lines;
}

TEST(PoolSwotReader, PairsEveryQuestionWithItsOwnCorrectAnswer) {
    const LineList lines = Pool({
        "T1A01 (C) [97.1]",
        "Which is it?",
        "A. One",
        "B. Two",
        "C. Three",
        "D. Four",
        "~~",
        "",
        "T1A02 (A) [97.3]",
        "Which connector is used?",
        "A. UHF (PL-259/SO-239)",
        "B. BNC",
        "C. SMA",
        "D. N",
        "~~",
        "",
        "T1A03(B) [97.5]",
        "What comes next?",
        "A. Red",
        "B. Green",
        "C. Blue",
        "D. Grey",
        "~~",
        "",
        "~~~ End of question pool ~~~",
    });
    const std::vector<SwotEntry> entries = ReadSwotEntries(lines);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].letter, "C");
    EXPECT_EQ(entries[0].answerLine, "C. Three");
    // An answer with a parenthesis near its start is no header.
    EXPECT_EQ(entries[1].question, "Which connector is used?");
    EXPECT_EQ(entries[1].answerLine, "A. UHF (PL-259/SO-239)");
    // A header without a blank before "(" is one.
    EXPECT_EQ(entries[2].letter, "B");
    EXPECT_EQ(entries[2].answerLine, "B. Green");
}

TEST(PoolSwotReader, RemembersTheOtherAnswersOnlyForAllTheseChoices) {
    const LineList lines = Pool({
        "T1A01 (D) [97.1]",
        "Which apply?",
        "A. First",
        "B. Second",
        "C. Third",
        "D. All these choices are correct",
        "~~",
        "",
        "T1A02 (D) [97.3]",
        "Which one?",
        "A. Up",
        "B. Down",
        "C. Left",
        "D. Right",
        "~~",
        "",
    });
    const std::vector<SwotEntry> entries = ReadSwotEntries(lines);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], (SwotEntry{"D", "Which apply?", "A. First", "B. Second", "C. Third",
                                     "D. All these choices are correct"}));
    EXPECT_EQ(entries[1], (SwotEntry{"D", "Which one?", "", "", "", "D. Right"}));
}

TEST(PoolSwotReader, JoinsAQuestionOverAtMostThreeLinesAndMendsTheFirstQuotes) {
    const LineList lines = Pool({
        "T1A01 (B) [97.1]",
        "What does \x93QRP\x94 mean",
        "  when said  ",
        "on the air?",
        "A. a",
        "B. b",
        "C. c",
        "D. d",
        "~~",
        "",
        "T1A02 (A) [97.3]",
        "No mark here",
        "nor here",
        "nor here either",
        "A. taken",
        "B. b",
        "C. c",
        "D. d",
        "~~",
        "",
    });
    const std::vector<SwotEntry> entries = ReadSwotEntries(lines);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].question, "What does 'QRP' mean when said on the air?");
    EXPECT_EQ(entries[1].question, "No mark here nor here nor here either");
    EXPECT_EQ(entries[1].answerLine, "A. taken");
}

TEST(PoolSwotReader, StartsAfterTheFirstGroupTitleAndStopsAtTheEndMark) {
    const LineList lines = {
        "Preamble T1A09 (A) [97.9]",
        "SUBELEMENT T1",
        "T0Z99 (A) [x]",
        "Skipped?",
        "A. skipped",
        "T1A - title",
        "T1A01 (A) [97.1]",
        "Kept?",
        "A. yes",
        "B. no",
        "C. no",
        "D. no",
        "~~",
        "",
        "~~~ End of question pool ~~~",
        "T1A02 (A) [97.2]",
        "After the end?",
        "A. never",
    };
    const std::vector<SwotEntry> entries = ReadSwotEntries(lines);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].question, "Kept?");
}

TEST(PoolSwotReader, NoSubelementLineGivesNoEntries) {
    EXPECT_TRUE(ReadSwotEntries({"T1A - title", "T1A01 (A) [97.1]", "Q?", "A. a"}).empty());
    EXPECT_TRUE(ReadSwotEntries({}).empty());
}

}  // namespace
}  // namespace ktq
