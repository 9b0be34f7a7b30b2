// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "text/CodePage.h"
#include "text/Text.h"

namespace ktq {
namespace {

TEST(TextRoutines, PositionsAreOneBasedAndZeroWhenAbsent) {
    EXPECT_EQ(Pos("(", "T1A01 (C)"), 7u);
    EXPECT_EQ(Pos("x", "abc"), 0u);
    EXPECT_EQ(Pos("", "abc"), 0u);
}

TEST(TextRoutines, TrimRemovesEverythingUpToBlank) {
    EXPECT_EQ(Trim("\t\x01 a b \r\n"), "a b");
    EXPECT_EQ(Trim("   "), "");
    // Bytes above 127 are characters, not blanks.
    EXPECT_EQ(Trim("\x93x\x94"), "\x93x\x94");
}

TEST(TextRoutines, CaseMappingTouchesAsciiLettersOnly) {
    EXPECT_EQ(LowerAscii("Extra \xC9T\xC9"), "extra \xC9t\xC9");
    EXPECT_EQ(UpperAscii("3.5 mhz \xE9"), "3.5 MHZ \xE9");
}

TEST(TextRoutines, CopyIsSafeOutOfRange) {
    EXPECT_EQ(Copy("2022 pool", 1, 4), "2022");
    EXPECT_EQ(Copy("ab", 2, 10), "b");
    EXPECT_EQ(Copy("ab", 5, 1), "");
}

TEST(TextRoutines, SplitLinesTakesEveryLineEnding) {
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (LineList{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n\r\n"), (LineList{"a", ""}));
    EXPECT_EQ(SplitLines("\r\r"), (LineList{"", ""}));
    EXPECT_TRUE(SplitLines("").empty());
}

TEST(CodePage, CurlyQuotesAndDashesRoundTrip) {
    const Text cp = "\x93Hi\x94 \x92 \x96 \xA7 \xA9 \x80";
    const std::string utf8 = Cp1252ToUtf8(cp);
    EXPECT_EQ(utf8, "\u201CHi\u201D \u2019 \u2013 \u00A7 \u00A9 \u20AC");
    EXPECT_EQ(Utf8ToCp1252(utf8), cp);
}

TEST(CodePage, UnrepresentableAndBrokenInputBecomesQuestionMark) {
    EXPECT_EQ(Utf8ToCp1252("\u4E2D"), "?");
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");
    EXPECT_EQ(Utf8ToCp1252("\xFF"
                           "b"),
              "?b");
}

}  // namespace
}  // namespace ktq
