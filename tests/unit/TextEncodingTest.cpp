// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "SavedAs.h"
#include "text/TextEncoding.h"

namespace ktq {
namespace {

using testsupport::Encoded;
using testsupport::SavedAs;
using testsupport::Saving;

using E = SavedEncoding;

struct DecodeCase {
    const char* name;
    std::string bytes;
    Text text;
    SavedEncoding encoding;
    std::size_t windows1252Lines = 0;
    std::size_t lostCharacters = 0;
};

void PrintTo(const DecodeCase& c, std::ostream* os) {
    *os << c.name;
}

class DecodeSavedTextTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeSavedTextTest, GivesTheProgramsText) {
    SavedTextReading reading;
    EXPECT_EQ(DecodeSavedText(GetParam().bytes, &reading), GetParam().text);
    EXPECT_EQ(reading.encoding, GetParam().encoding);
    EXPECT_EQ(reading.windows1252Lines, GetParam().windows1252Lines);
    EXPECT_EQ(reading.lostCharacters, GetParam().lostCharacters);
}

const std::string kCurly = "It\x92s \x93QRP\x94 \x96 \x97 \x91x\x92 \x95 \xA7 \xE9";

const std::string kZero(1, '\0');

INSTANTIATE_TEST_SUITE_P(
    Contents, DecodeSavedTextTest,
    ::testing::Values(
        // Windows-1252 reads byte for byte, as it always did.
        DecodeCase{"Windows1252CurlyQuotesAndDashes", kCurly, kCurly, E::Windows1252, 1},
        DecodeCase{"Windows1252LooksLikeUtf8UntilLate",
                   "caf\xC3\xA9 " + std::string(40, 'x') + "\x92",
                   "caf\xC3\xA9 " + std::string(40, 'x') + "\x92", E::Windows1252, 1},
        DecodeCase{"Windows1252OverlongFormIsNotUtf8", "a\xC0\xAF", "a\xC0\xAF", E::Windows1252, 1},
        DecodeCase{"Windows1252EncodedSurrogateIsNotUtf8", "\xED\xA0\x80", "\xED\xA0\x80",
                   E::Windows1252, 1},
        DecodeCase{"Windows1252CutSequenceAtTheEnd", "ab\xE2\x80", "ab\xE2\x80", E::Windows1252, 1},
        DecodeCase{"AsciiIsTheSameInEveryReading", "T1A01 (C)\r\n", "T1A01 (C)\r\n",
                   E::Windows1252},
        DecodeCase{"NulByteEndsTheText", std::string("ab\0\xE2\x80\x99", 6), "ab", E::Windows1252},
        DecodeCase{"ZeroPaddingIsNotUtf16", "ab" + std::string(64, '\0'), "ab", E::Windows1252},
        // Whatever follows the NUL does not decide the reading.
        DecodeCase{"Utf8BeforeNulJunkAfter", std::string("\xC2\xA7x\0\x92", 5), "\xA7x", E::Utf8},
        DecodeCase{"Utf8WithoutMark", SavedAs(kCurly, Saving::Utf8), kCurly, E::Utf8},
        DecodeCase{"Utf8MarkIsNotPartOfTheFirstLine", "\xEF\xBB\xBFT1A01\r\n", "T1A01\r\n",
                   E::Utf8},
        DecodeCase{"Utf8MarkAlone", "\xEF\xBB\xBF", "", E::Utf8},
        // Each line is read on its own: a line that is not UTF-8, or holds a
        // character Windows-1252 cannot hold, keeps its bytes.
        DecodeCase{"OneBadByteTouchesOnlyItsLine",
                   "FCC\xE2\x80\x99s\r\nbad \xFF \xE2\x80\x99\r\nit\xE2\x80\x99s\n",
                   "FCC\x92s\r\nbad \xFF \xE2\x80\x99\r\nit\x92s\n", E::Utf8, 1},
        DecodeCase{"LoneCarriageReturnsEndLinesToo", "\xE2\x80\x99\r\xFF\r\xC3\xA9",
                   "\x92\r\xFF\r\xE9", E::Utf8, 1},
        DecodeCase{"Utf8MarkOverWindows1252Text", "\xEF\xBB\xBFna\xEFve r\xE9sum\xE9\r\n",
                   "na\xEFve r\xE9sum\xE9\r\n", E::Utf8, 1},
        DecodeCase{"IllFormedBytesAfterAUtf8MarkStayAsSaved",
                   "\xEF\xBB\xBF"
                   "a\xC0\xAF\x92z",
                   "a\xC0\xAF\x92z", E::Utf8, 1},
        DecodeCase{"ACharacterWindows1252CannotHoldKeepsItsBytes",
                   "\xC3\xA9\r\n\xDF\xBB \xE4\xB8\xAD \xF0\x9F\x98\x80",
                   "\xE9\r\n\xDF\xBB \xE4\xB8\xAD \xF0\x9F\x98\x80", E::Utf8, 1},
        DecodeCase{"NonBreakingHyphenIsAHyphen", "E7\xE2\x80\x91\x33", "E7-3", E::Utf8},
        // In a UTF-8 line, what cannot be kept touches only itself.
        DecodeCase{"BadByteAndForeignCharacterAfterTheMarkAreLostAlone",
                   "\xEF\xBB\xBF\xC3\xA9 \xFF \xE4\xB8\xAD", "\xE9 ? ?", E::Utf8, 0, 2},
        DecodeCase{"SymbolFontAndMinusSignTakeTheirWindows1252Form",
                   "P = I \xEF\x82\xB4 E \xE2\x88\x92 \xEF\x81\xAD", "P = I \xD7 E - \xB5",
                   E::Utf8},
        DecodeCase{"Utf16LittleEndian", SavedAs(kCurly, Saving::Utf16LeWithMark), kCurly, E::Utf16},
        DecodeCase{"Utf16BigEndian", SavedAs(kCurly, Saving::Utf16BeWithMark), kCurly, E::Utf16},
        DecodeCase{"Utf16LittleEndianWithoutMark", Encoded(kCurly, "UTF-16LE"), kCurly, E::Utf16},
        DecodeCase{"Utf16BigEndianWithoutMark", Encoded(kCurly, "UTF-16BE"), kCurly, E::Utf16},
        DecodeCase{"Utf16UnmappableCharactersBecomeQuestionMarks",
                   std::string("\xFF\xFE-N \0\0\x01 \0\x19\x20", 12), "? ? \x92", E::Utf16},
        DecodeCase{"Utf16OddLastByteIsLeftOut",
                   std::string("\xFF\xFE"
                               "a\0b",
                               5),
                   "a", E::Utf16},
        DecodeCase{"Utf16PairBeyondTheBasicPlane", std::string("\xFF\xFE=\xD8\0\xDEz\0", 8), "?z",
                   E::Utf16},
        DecodeCase{"Utf16UnpairedHighSurrogateEndsTheText", std::string("\xFE\xFF\0a\xD8\0\0b", 8),
                   "a", E::Utf16},
        DecodeCase{"Utf16HighSurrogateLast", std::string("\xFF\xFEz\0\0\xD8", 6), "z", E::Utf16},
        DecodeCase{"Utf16LoneLowSurrogateEndsTheText", std::string("\xFF\xFEz\0\0\xDCy\0", 8), "z",
                   E::Utf16},
        DecodeCase{"Utf16NulCharacterEndsTheText", std::string("\xFF\xFEz\0\0\0y\0", 8), "z",
                   E::Utf16},
        DecodeCase{"Utf16MarkAlone", "\xFE\xFF", "", E::Utf16},
        // UTF-32's little-endian mark begins with UTF-16's.
        DecodeCase{"Utf32LittleEndian", "\xFF\xFE" + kZero + kZero + Encoded(kCurly, "UTF-32LE"),
                   kCurly, E::Utf32},
        DecodeCase{"Utf32BigEndian", kZero + kZero + "\xFE\xFF" + Encoded(kCurly, "UTF-32BE"),
                   kCurly, E::Utf32}),
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
