// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "pool/BankBuilder.h"
#include "pool/PoolText.h"

namespace ktq {
namespace {

const LineList kHead = {"Errata list", "SUBELEMENT T1 - RULES - [6 Exam Questions]",
                        "T1A - Purpose of the service"};

LineList Pool(const LineList& body) {
    LineList lines = kHead;
    lines.insert(lines.end(), body.begin(), body.end());
    return lines;
}

LineList Block(const Text& header, const Text& question) {
    return {header, question, "A. a", "B. b", "C. c", "D. d", "~~", ""};
}

LineList Concat(std::initializer_list<LineList> parts) {
    LineList out;
    for (const LineList& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

Text Record(const LineList& fields) {
    return JoinLines(fields, "\t");
}

TEST(PoolBankBuilder, ReadsAWellFormedBlockIntoEightFields) {
    const BuiltBank bank = BuildBankRecords(Pool(
        Concat({Block("T1A01 (C) [97.3(a)(4)]", "Which is it?"), Block("T1A02 (A)", "Next?")})));
    ASSERT_EQ(bank.records.size(), 2u);
    EXPECT_EQ(bank.records[0], Record({"T1A01", "C", "[97.3(a)(4)]", "Which is it?", "A. a", "B. b",
                                       "C. c", "D. d"}));
    EXPECT_EQ(GetField(bank.records[1], kTab, 3), "");
    EXPECT_EQ(bank.codes, (LineList{"T1A01", "T1A02"}));
}

TEST(PoolBankBuilder, StripsTabsAndLineBreakBytesButKeepsBlanksOfAnAnswer) {
    const BuiltBank bank = BuildBankRecords(Pool(
        {"T1A01\t(B) [97.1]", "Wh\tat?", "A. one ", "B.\ttwo", "C. three", "D. four", "~~", ""}));
    ASSERT_EQ(bank.records.size(), 1u);
    EXPECT_EQ(bank.records[0],
              Record({"T1A01", "B", "[97.1]", "What?", "A. one ", "B.two", "C. three", "D. four"}));
}

TEST(PoolBankBuilder, TheLineBelowTheFirstSubelementLineIsNeverExamined) {
    const LineList lines =
        Concat({{"SUBELEMENT T1"}, Block("T1A01 (A)", "Lost?"), Block("T1A02 (B)", "Kept?")});
    EXPECT_EQ(BuildBankRecords(lines).codes, (LineList{"T1A02"}));
}

TEST(PoolBankBuilder, OnlyTheFirstSubelementLineStartsTheReading) {
    const LineList lines = Concat({{"intro", "SUBELEMENT T1", "title"},
                                   Block("T1A01 (A)", "One?"),
                                   {"SUBELEMENT T2", "T2A - title"},
                                   Block("T2A01 (B)", "Two?")});
    EXPECT_EQ(BuildBankRecords(lines).codes, (LineList{"T1A01", "T2A01"}));
    EXPECT_TRUE(
        BuildBankRecords(Concat({{"no heading"}, Block("T1A01 (A)", "Q?")})).records.empty());
    // A heading on the last line cannot start anything.
    EXPECT_TRUE(BuildBankRecords({"SUBELEMENT"}).records.empty());
}

struct HeaderCase {
    const char* name;
    const char* line;
    bool header;
};

class PoolHeaderTest : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(PoolHeaderTest, ParenthesesMustStandWhereACodeEnds) {
    EXPECT_EQ(IsHeaderLine(GetParam().line), GetParam().header) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Positions, PoolHeaderTest,
    ::testing::Values(HeaderCase{"FiveCharacterCode", "T1A01 (C) [97.3]", true},
                      HeaderCase{"NoBlankBeforeParenthesis", "T1A01(C) [97.3]", true},
                      HeaderCase{"OpenAtTen", "E1A01abc (C)", true},
                      HeaderCase{"OpenAtEleven", "E1A01abcd (C)", false},
                      HeaderCase{"TenCharacterCode", "E1A01abcde (C)", false},
                      HeaderCase{"OpenAtFive", "T1A (C)", false},
                      HeaderCase{"CloseAtThirteen", "T1A01 (Cxxxx) [x]", false},
                      HeaderCase{"TabsDoNotCount", "T1A\t01 (C)", true},
                      HeaderCase{"AnswerWithConnector", "A. UHF (PL-259/SO-239)", false},
                      HeaderCase{"NoParentheses", "T1A - Purpose", false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(PoolBankBuilder, AHeaderIsTakenApartByItsFirstParenthesisAndBracket) {
    const Text longRef = "[" + Text(60, 'x') + "]";
    const BuiltBank bank = BuildBankRecords(
        Pool(Concat({Block("T1A01 (C) [97.3(a)(4)] extra", "Q?"), Block("T1A02( D ) [x]", "Q?"),
                     Block("T1A03 (B) " + longRef, "Q?")})));
    ASSERT_EQ(bank.records.size(), 3u);
    EXPECT_EQ(GetField(bank.records[0], kTab, 3), "[97.3(a)(4)] extra");
    // The letter is the second character of the trimmed "( D" piece.
    EXPECT_EQ(GetField(bank.records[1], kTab, 2), " ");
    EXPECT_EQ(GetField(bank.records[2], kTab, 3), longRef.substr(0, 50));
}

TEST(PoolBankBuilder, AQuestionTakesOneOrTwoLinesNeverMore) {
    const BuiltBank bank = BuildBankRecords(Pool({
        "T1A01 (A)",
        "No mark before answers",
        "A. a",
        "B. b",
        "C. c",
        "D. d",
        "~~",
        "",
        "T1A02 (A)",
        "First half",
        "second half",
        "A. a",
        "B. b",
        "C. c",
        "D. d",
        "~~",
        "",
        "T1A03 (A)",
        "Line one",
        "line two",
        "line three?",
        "A. a",
        "B. b",
        "C. c",
        "D. d",
        "~~",
        "",
    }));
    ASSERT_GE(bank.records.size(), 3u);
    EXPECT_EQ(GetField(bank.records[0], kTab, 4), "No mark before answers ?");
    EXPECT_EQ(GetField(bank.records[1], kTab, 4), "First half second half");
    EXPECT_EQ(GetField(bank.records[1], kTab, 5), "A. a");
    // A third line shifts the answers by one: it becomes answer A.
    EXPECT_EQ(GetField(bank.records[2], kTab, 4), "Line one line two");
    EXPECT_EQ(GetField(bank.records[2], kTab, 5), "line three? A. a");
}

TEST(PoolBankBuilder, TheFirstCurlyQuoteOfEachKindBecomesAnApostrophe) {
    const BuiltBank bank =
        BuildBankRecords(Pool(Block("T1A01 (A)", "Is \x93one\x94 like \x93two\x94 and it\x92s?")));
    ASSERT_EQ(bank.records.size(), 1u);
    EXPECT_EQ(GetField(bank.records[0], kTab, 4), "Is 'one' like \x93two\x94 and it\x92s?");
}

TEST(PoolBankBuilder, AnAnswerContinuesWhenTheNextLineLacksTheNextMarker) {
    const BuiltBank bank = BuildBankRecords(Pool({
        "T1A01 (D)",
        "Which?",
        "A. first part",
        "  second part",
        "B. b",
        "C. c",
        "D. d one",
        "d two",
        "~~",
        "",
        "T1A02 (A)",
        "Next?",
        "A. a",
        "B. b",
        "C. c",
        "D. d",
        "~~",
        "",
    }));
    ASSERT_EQ(bank.records.size(), 2u);
    EXPECT_EQ(GetField(bank.records[0], kTab, 5), "A. first part   second part");
    EXPECT_EQ(GetField(bank.records[0], kTab, 8), "D. d one d two");
    EXPECT_EQ(bank.codes[1], "T1A02");
}

TEST(PoolBankBuilder, ABlockCutShortByTheEndKeepsEmptyFields) {
    // Answer D would start on the last line: it stays empty.
    BuiltBank bank = BuildBankRecords(Pool({"T1A01 (B)", "Q?", "A. a", "B. b", "C. c", "D. d"}));
    ASSERT_EQ(bank.records.size(), 1u);
    EXPECT_EQ(bank.records[0], Record({"T1A01", "B", "", "Q?", "A. a", "B. b", "C. c", ""}));
    // The last line can still continue an answer.
    bank = BuildBankRecords(Pool({"T1A01 (B)", "Q?", "A. a", "B. b", "C. c", "D. d", "tail"}));
    EXPECT_EQ(GetField(bank.records[0], kTab, 8), "D. d tail");
    // A header on the last line is not read.
    bank = BuildBankRecords(Pool(Concat({Block("T1A01 (A)", "Q?"), {"T1A02 (B)"}})));
    EXPECT_EQ(bank.codes, (LineList{"T1A01"}));
}

TEST(PoolBankBuilder, AClosingLineAndStrayLinesBetweenBlocksArePassedOver) {
    const BuiltBank bank =
        BuildBankRecords(Pool(Concat({Block("T1A01 (A)", "Q?"),
                                      {"", "SUBELEMENT T2 - [1 Question]", "T2A - Title"},
                                      Block("T2A01 (B)", "Q?"),
                                      {"~~~ End of question pool ~~~", "", ""}})));
    EXPECT_EQ(bank.codes, (LineList{"T1A01", "T2A01"}));
}

TEST(PoolBankBuilder, LeadingRecordsOutsideTheFirstSubelementAreDropped) {
    LineList records = {Record({"x", "A"}), Record({"T2B01", "A"}), Record({"T1A01", "A"}),
                        Record({"T2A01", "B"})};
    DropLeadingRecords(records);
    EXPECT_EQ(records, (LineList{Record({"T1A01", "A"}), Record({"T2A01", "B"})}));
    LineList none = {Record({"T0A01", "A"})};
    DropLeadingRecords(none);
    EXPECT_TRUE(none.empty());
}

}  // namespace
}  // namespace ktq
