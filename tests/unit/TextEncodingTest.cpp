// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "SavedAs.h"
#include "text/TextEncoding.h"

namespace ktq {
namespace {

using testsupport::SavedAs;
using testsupport::Saving;

struct DecodeCase {
    const char* name;
    std::string bytes;
    Text text;
};

void PrintTo(const DecodeCase& c, std::ostream* os) {
    *os << c.name;
}

class DecodeSavedTextTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeSavedTextTest, GivesTheProgramsText) {
    EXPECT_EQ(DecodeSavedText(GetParam().bytes), GetParam().text);
}

const std::string kCurly = "It\x92s \x93QRP\x94 \x96 \x97 \x91x\x92 \x95 \xA7 \xE9";

INSTANTIATE_TEST_SUITE_P(
    Contents, DecodeSavedTextTest,
    ::testing::Values(
        // Windows-1252 reads byte for byte, as it always did.
        DecodeCase{"Windows1252CurlyQuotesAndDashes", kCurly, kCurly},
        DecodeCase{"Windows1252LooksLikeUtf8UntilLate",
                   "caf\xC3\xA9 " + std::string(40, 'x') + "\x92",
                   "caf\xC3\xA9 " + std::string(40, 'x') + "\x92"},
        DecodeCase{"Windows1252OverlongFormIsNotUtf8", "a\xC0\xAF", "a\xC0\xAF"},
        DecodeCase{"Windows1252EncodedSurrogateIsNotUtf8", "\xED\xA0\x80", "\xED\xA0\x80"},
        DecodeCase{"Windows1252CutSequenceAtTheEnd", "ab\xE2\x80", "ab\xE2\x80"},
        DecodeCase{"AsciiIsTheSameInEveryReading", "T1A01 (C)\r\n", "T1A01 (C)\r\n"},
        DecodeCase{"NulByteEndsTheText", std::string("ab\0\xE2\x80\x99", 6), "ab"},
        // Whatever follows the NUL does not decide the reading.
        DecodeCase{"Utf8BeforeNulJunkAfter", std::string("\xC2\xA7x\0\x92", 5), "\xA7x"},
        DecodeCase{"Utf8WithoutMark", SavedAs(kCurly, Saving::Utf8), kCurly},
        DecodeCase{"Utf8MarkIsNotPartOfTheFirstLine", "\xEF\xBB\xBFT1A01\r\n", "T1A01\r\n"},
        DecodeCase{"Utf8MarkAlone", "\xEF\xBB\xBF", ""},
        DecodeCase{"IllFormedBytesAfterAUtf8MarkBecomeQuestionMarks",
                   "\xEF\xBB\xBF"
                   "a\xC0\xAF\x92z",
                   "a???z"},
        DecodeCase{"UnmappableCharactersBecomeQuestionMarks",
                   "\xE4\xB8\xAD \xC4\x80 \xF0\x9F\x98\x80 \xE2\x80\x99", "? ? ? \x92"},
        DecodeCase{"Utf16LittleEndian", SavedAs(kCurly, Saving::Utf16LeWithMark), kCurly},
        DecodeCase{"Utf16BigEndian", SavedAs(kCurly, Saving::Utf16BeWithMark), kCurly},
        DecodeCase{"Utf16OddLastByteIsLeftOut",
                   std::string("\xFF\xFE"
                               "a\0b",
                               5),
                   "a"},
        DecodeCase{"Utf16PairBeyondTheBasicPlane", std::string("\xFF\xFE=\xD8\0\xDEz\0", 8), "?z"},
        DecodeCase{"Utf16UnpairedHighSurrogateEndsTheText", std::string("\xFE\xFF\0a\xD8\0\0b", 8),
                   "a"},
        DecodeCase{"Utf16HighSurrogateLast", std::string("\xFF\xFEz\0\0\xD8", 6), "z"},
        DecodeCase{"Utf16LoneLowSurrogateEndsTheText", std::string("\xFF\xFEz\0\0\xDCy\0", 8), "z"},
        DecodeCase{"Utf16NulCharacterEndsTheText", std::string("\xFF\xFEz\0\0\0y\0", 8), "z"},
        DecodeCase{"Utf16MarkAlone", "\xFE\xFF", ""}),
    [](const auto& row) { return row.param.name; });

// The ASCII runs are taken eight bytes at a time: a sequence must be found,
// and a cut one refused, wherever it stands in such a word.
TEST(DecodeSavedText, SequencesAtEveryPlaceOfAnAsciiWord) {
    for (std::size_t before = 0; before < 18; ++before) {
        const std::string ascii(before, 'x');
        EXPECT_EQ(DecodeSavedText(ascii + "\xE2\x80\x99" + "yyyyyyyyy"), ascii + "\x92yyyyyyyyy")
            << before;
        EXPECT_EQ(DecodeSavedText(ascii + "\xE2\x80"), ascii + "\xE2\x80") << before;
    }
}

}  // namespace
}  // namespace ktq
