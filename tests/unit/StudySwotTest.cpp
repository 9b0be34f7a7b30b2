// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "StudyFixture.h"
#include "platform/DateTime.h"
#include "platform/TextFile.h"
#include "study/SwotEntries.h"

namespace ktq {
namespace {

using testsupport::SmallPool;

TEST(SwotFileName, FollowsTheSelectedFile) {
    EXPECT_EQ(SwotFileName("extra-tests.txt", true), "SWOT Extract # extra.txt");
    EXPECT_EQ(SwotFileName(" general -tests.txt", true), "SWOT Extract # general.txt");
    EXPECT_EQ(SwotFileName("techtests.txt", true), "SWOT Extract # .txt");
    EXPECT_EQ(SwotFileName("2016-2020 Extra Pool.txt", false),
              "SWOT Extract ^ 2016-2020 Extra Pool.txt");
}

LineList BankEntry(const Text& record, int number = 1) {
    LineList out;
    AppendBankEntry(record, number, out);
    return out;
}

Text Record(const Text& letter, const Text& d = "D. 28.4 MHz") {
    return "T1A01\t" + letter + "\t[97.1]\tWhich band?\tA. 1.8 MHz\tB. 3.5 MHz\tC. 7 MHz\t" + d;
}

TEST(SwotHeaderDate, IsIsoWhereTheLocalesTextCannotBeWritten) {
    const DateTime t = MakeDateTime(2026, 12, 8, 9, 0, 0);
    EXPECT_EQ(LocalDateTimeOrIso("\xDB\xB1\xDB\xB4\xDB\xB0\xDB\xB5/\xDB\xB9", t),
              "2026-12-08 09:00:00");
    EXPECT_EQ(LocalDateTimeOrIso("\xC3\xA9t\xC3\xA9 09:00:00", t), "\xE9t\xE9 09:00:00");
}

TEST(SwotBankEntry, ArrowAndAnswerDependOnTheLetter) {
    EXPECT_EQ(BankEntry(Record("B"), 7), (LineList{"7.  Which band?", "--->  3.5 MHz", ""}));
    // A plain answer D has one blank after its arrow.
    EXPECT_EQ(BankEntry(Record("D")), (LineList{"1.  Which band?", "---> 28.4 MHz", ""}));
    EXPECT_EQ(BankEntry(Record("D", "D. All of these choices are correct")),
              (LineList{"1.  Which band?", "..... 1.8 MHz", "..... 3.5 MHz", "..... 7 MHz",
                        "--->  ALL OF THESE CHOICES ARE CORRECT", ""}));
    EXPECT_EQ(BankEntry(Record("X")), (LineList{"1.  Which band?", ""}));
    EXPECT_EQ(BankEntry("T1A01"), (LineList{"1.  ", ""}));
}

TEST(SwotBankEntry, TextsAreCleanedAndCut) {
    const Text longAnswer(300, 'x');
    const Text record =
        "T1\tA\t\tWhat \x94is\x94 \x93this\x93?\r\tnoblank" + longAnswer + "\tB\tC\tD";
    const LineList entry = BankEntry(record);
    EXPECT_EQ(entry[0], "1.  What 'is\x94 'this\x93?");
    EXPECT_EQ(entry[1], "--->  " + ("noblank" + longAnswer).substr(0, 255));
}

TEST(SwotPoolEntry, OnlyTheAnswerFollowsOtherwise) {
    LineList out;
    AppendPoolEntry({"C", "Which?", "", "", "", "C. 14.070 MHz "}, 1, out);
    // "All of these" upper-cases only a D answer.
    AppendPoolEntry({"A", "Who?", "", "", "", "A. All of these choices are correct"}, 2, out);
    EXPECT_EQ(out, (LineList{"1.  Which?", "---> 14.070 MHz", "", "2.  Who?",
                             "---> All of these choices are correct", ""}));
}

class SwotRunTest : public testsupport::StudyTest {};

TEST_F(SwotRunTest, PreparedBankFromAnEarlierSelectionIsNotUsed) {
    folder.Write("tech-tests.txt",
                 Record("A") + "\r\n" + Record("B") + "\r\n\r\n" + Record("C") + "\r\n");
    folder.Write("extra-tests.txt", Record("D") + "\r\n");
    Start();
    ASSERT_TRUE(form().state.TestsMode);
    Select("extra-tests.txt");
    Guarded([this] { form().Button1Click(); });
    Select("tech-tests.txt");
    Guarded([this] { form().Button3Click(); });

    const LineList file = ReadLines(folder.Files(), "SWOT Extract # tech.txt");
    // Numbers are line numbers of the bank: the empty third line is skipped.
    EXPECT_EQ(LineList(file.begin() + 4, file.end()),
              (LineList{"1.  Which band?", "--->  1.8 MHz", "", "2.  Which band?", "--->  3.5 MHz",
                        "", "4.  Which band?", "--->  7 MHz", ""}));
    EXPECT_TRUE(form().state.QuestionBank.empty());
}

TEST_F(SwotRunTest, PreparedBankOfTheSameLengthFromAnotherFileIsNotUsed) {
    // Guards against comparing lengths only: both banks have two lines.
    folder.Write("tech-tests.txt", Record("A") + "\r\n" + Record("B") + "\r\n");
    folder.Write("general-tests.txt", Record("C") + "\r\n" + Record("D") + "\r\n");
    Start();
    Select("tech-tests.txt");
    Guarded([this] { form().Button1Click(); });
    Select("general-tests.txt");
    Guarded([this] { form().Button3Click(); });

    const LineList file = ReadLines(folder.Files(), "SWOT Extract # general.txt");
    EXPECT_EQ(
        LineList(file.begin() + 4, file.end()),
        (LineList{"1.  Which band?", "--->  7 MHz", "", "2.  Which band?", "---> 28.4 MHz", ""}));
}

TEST_F(SwotRunTest, FailedWriteLeavesNoFileAndSkipsTheRest) {
    folder.Write("tech-tests.txt", Record("A") + "\r\n");
    folder.Write("SWOT Extract # tech.txt", "an earlier study file\r\n");
    Start();
    Select("tech-tests.txt");
    Guarded([this] { form().Button1Click(); });
    program->Files().FailWritesAfter(20);
    Guarded([this] { form().Button3Click(); });
    program->Files().FailWritesAfter(std::nullopt);

    EXPECT_NE(Output().find("MESSAGE"), std::string::npos);
    EXPECT_EQ(folder.Read("SWOT Extract # tech.txt"), "an earlier study file\r\n");
    EXPECT_EQ(form().state.QuestionBank.size(), 1u);
    EXPECT_FALSE(form().Button1.Enabled());
    EXPECT_FALSE(form().Button3.Enabled());
    EXPECT_EQ(form().Memo1.Lines().back(), "");  // the entry's end; no report lines
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        EXPECT_EQ(entry.path().filename().string().find(".ktq-part"), std::string::npos);
}

}  // namespace
}  // namespace ktq
