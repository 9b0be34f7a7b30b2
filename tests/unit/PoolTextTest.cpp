// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "pool/PoolText.h"

namespace ktq {
namespace {

TEST(PoolGetField, CountsPiecesFromOne) {
    EXPECT_EQ(GetField("one\ttwo", '\t', 1), "one");
    EXPECT_EQ(GetField("one\ttwo", '\t', 2), "two");
    EXPECT_EQ(GetField("one\ttwo", '\t', 3), "");
    EXPECT_EQ(GetField("one\ttwo", '\t', 0), "");
    EXPECT_EQ(GetField("", '\t', 1), "");
    EXPECT_EQ(GetField("a,b,", ',', 3), "");
    EXPECT_EQ(GetField("a,,c", ',', 3), "c");
    EXPECT_EQ(GetField("no delimiter", ',', 1), "no delimiter");
}

TEST(PoolGetField, APreparedLineWithEightFieldsHasAnEmptyNote) {
    const Text record = "T1A01\tC\t[97.1]\tQ?\tA. a\tB. b\tC. c\tD. d";
    EXPECT_EQ(GetField(record, '\t', 8), "D. d");
    EXPECT_EQ(GetField(record, '\t', 9), "");
    EXPECT_EQ(GetField(record + "\tnote", '\t', 9), "note");
}

TEST(PoolGetField, ReachesTheLastFieldNumber) {
    Text text;
    for (int i = 1; i <= 255; ++i) text += std::to_string(i) + ",";
    EXPECT_EQ(GetField(text, ',', 255), "255");
}

TEST(PoolStripControlChars, RemovesOnlyTabLineFeedAndCarriageReturn) {
    EXPECT_EQ(StripControlChars("\ta\r\nb\tc\n"), "abc");
    EXPECT_EQ(StripControlChars("form\x0c"
                                "feed \x01"),
              "form\x0c"
              "feed \x01");
}

TEST(PoolYearText, FourCharactersFromTheFirstTwo) {
    EXPECT_EQ(YearText("Tech Pool 2026-2030.txt"), "2026");
    EXPECT_EQ(YearText("tech pool.txt"), "tech");
    EXPECT_EQ(YearText("x2a"), "2a");
    EXPECT_EQ(YearText("ab"), "ab");
    EXPECT_EQ(YearText(""), "");
}

}  // namespace
}  // namespace ktq
