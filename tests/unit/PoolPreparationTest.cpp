// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "PoolFixture.h"
#include "pool/PoolText.h"

namespace ktq {
namespace {

using testsupport::PoolProgram;

const Text kBankFile =
    "T1A01\tC\t[97.1]\tWhich is it?\tA. One\tB. Two\tC. Three\tD. Four\r\n"
    "T1A02\tA\t[97.3(a)(4)]\tWhat is 'QRP'?\tA. Low power\tB. High power\tC. No power\t"
    "D. Any power\r\n";

TEST(PoolPreparation, BuildsTheBankWritesBothFilesAndResetsTheCounters) {
    PoolProgram p;
    p.folder.Write("Tech Pool 2026-2030.txt", testsupport::SmallPoolBytes());
    p.Start();
    TForm1& f = p.Form();
    p.Select("Tech Pool 2026-2030.txt");
    f.state.DoneCount = 3;
    f.state.IncorrectList = "T1A01\tC\tA,";
    f.state.TrialRunning = true;
    p.Prepare();
    EXPECT_EQ(f.state.QuestionBank.size(), 2u);
    EXPECT_EQ(f.ComboBox2.Items(), (LineList{"T1A01", "T1A02"}));
    EXPECT_EQ(p.folder.Read("qstns.txt"), kBankFile);
    EXPECT_EQ(p.folder.Read("KTQTech 2026 ^ Qstns.txt"), kBankFile);
    EXPECT_EQ(f.Label20.GetText(), "2");
    EXPECT_TRUE(f.Button4.Enabled());
    EXPECT_FALSE(f.Button1.Enabled());
    EXPECT_TRUE(f.ComboBox2.Enabled());
    EXPECT_EQ(f.state.DoneCount, 0);
    EXPECT_EQ(f.state.IncorrectList, "");
    EXPECT_FALSE(f.state.TrialRunning);
}

TEST(PoolPreparation, OneRecordEnablesStartButLeavesPrepareAvailable) {
    PoolProgram p;
    p.folder.Write("tech.txt",
                   "SUBELEMENT T1\r\ntitle\r\nT1A01 (B)\r\nQ?\r\nA. a\r\nB. b\r\nC. c\r\nD. d\r\n"
                   "~~\r\n\r\n");
    p.Start();
    TForm1& f = p.Form();
    p.Select("tech.txt");
    p.Prepare();
    EXPECT_TRUE(f.Button4.Enabled());
    EXPECT_TRUE(f.Button1.Enabled());
    EXPECT_FALSE(f.ComboBox2.Enabled());
    EXPECT_EQ(p.folder.Read("KTQTech tech ^ Qstns.txt"),
              "T1A01\tB\t\tQ?\tA. a\tB. b\tC. c\tD. d\r\n");
    p.Prepare();  // the code list is not emptied by a second build
    EXPECT_EQ(f.ComboBox2.Items(), (LineList{"T1A01", "T1A01"}));
    EXPECT_EQ(f.state.QuestionBank.size(), 1u);
}

TEST(PoolPreparation, StrayEntriesBeforeTheFirstSubelementAreDropped) {
    PoolProgram p;
    p.folder.Write("N pool 2.txt",
                   "SUBELEMENT T1\r\nnever read\r\nNote (x) here\r\nq\r\nA. a\r\nB. b\r\nC. c\r\n"
                   "D. d\r\n~~\r\n"
                   "T1A01 (A)\r\nQ?\r\nA. a\r\nB. b\r\nC. c\r\nD. d\r\n~~\r\n\r\n");
    p.Start();
    p.Select("N pool 2.txt");
    p.Prepare();
    EXPECT_EQ(p.Form().ComboBox2.Items(), (LineList{"T1A01"}));
    ASSERT_EQ(p.Form().state.QuestionBank.size(), 1u);
    EXPECT_TRUE(p.folder.Exists("N 2.tx ^ Qstns.txt"));
}

TEST(PoolPreparation, APoolWithoutQuestionsWritesNothingAndKeepsPrepareEnabled) {
    PoolProgram p;
    p.folder.Write("tech.txt", "no headings at all\r\nT1A01 (A)\r\nQ?\r\n");
    p.folder.Write("qstns.txt", "old\r\n");
    p.Start();
    p.Select("tech.txt");
    p.Prepare();
    EXPECT_TRUE(p.Form().state.QuestionBank.empty());
    EXPECT_EQ(p.folder.Read("qstns.txt"), "old\r\n");
    EXPECT_FALSE(p.folder.Exists("KTQTech tech ^ Qstns.txt"));
    EXPECT_FALSE(p.Form().Button4.Enabled());
    EXPECT_TRUE(p.Form().Button1.Enabled());
    EXPECT_EQ(p.Form().Label20.GetText(), "0");
}

// Guards against a failed bank write leaving a truncated file behind.
TEST(PoolPreparation, AFailedBankWriteKeepsTheOldFileAndStopsThere) {
    PoolProgram p;
    p.folder.Write("tech.txt", testsupport::SmallPoolBytes());
    p.folder.Write("qstns.txt", "old bank\r\n");
    p.Start();
    TForm1& f = p.Form();
    p.Select("tech.txt");
    f.state.DoneCount = 4;
    p.program->Files().FailWritesAfter(10);
    f.RunGuarded([&] { p.Prepare(); });
    p.program->Files().FailWritesAfter(std::nullopt);
    EXPECT_NE(p.program->Output().find("MESSAGE"), std::string::npos);
    EXPECT_EQ(p.folder.Read("qstns.txt"), "old bank\r\n");
    EXPECT_FALSE(p.folder.Exists("KTQTech tech ^ Qstns.txt"));
    EXPECT_FALSE(f.Button4.Enabled());
    EXPECT_EQ(f.state.DoneCount, 4);  // the counters were not reset
}

TEST(PoolPreparation, TestsModeLoadsThePreparedBankAsItIs) {
    PoolProgram p;
    const Text lines =
        "T2A01\tB\t[97.1]\tQ?\tA. a\tB. b\tC. c\tD. d\tnote\r\n"
        "T1A01\tC\t\tQ2?\tA. a\tB. b\tC. c\tD. d\r\n";
    p.folder.Write("tech-tests.txt", lines);
    p.Start();
    TForm1& f = p.Form();
    ASSERT_TRUE(f.state.TestsMode);
    f.CheckBox1.SetChecked(true);
    p.Select("tech-tests.txt");
    p.Prepare();
    EXPECT_EQ(f.ComboBox2.Items(), (LineList{"T2A01", "T1A01"}));
    ASSERT_EQ(f.state.QuestionBank.size(), 2u);
    EXPECT_EQ(GetField(f.state.QuestionBank[0], kTab, 9), "note");
    EXPECT_EQ(GetField(f.state.QuestionBank[1], kTab, 9), "");
    EXPECT_FALSE(p.folder.Exists("qstns.txt"));
    EXPECT_TRUE(f.Memo3.Visible());
    EXPECT_TRUE(f.Button4.Enabled());
    EXPECT_EQ(f.Label20.GetText(), "2");
}

TEST(PoolPreparation, TestsModeReportsAPreparedBankThatIsGone) {
    PoolProgram p;
    p.folder.Write("tech-tests.txt", "T1A01\tA\r\n");
    p.Start();
    TForm1& f = p.Form();
    p.Select("extra-tests.txt");
    f.state.DoneCount = 2;
    f.RunGuarded([&] { p.Prepare(); });
    EXPECT_NE(p.program->Output().find("MESSAGE"), std::string::npos);
    EXPECT_EQ(f.state.DoneCount, 2);
}

}  // namespace
}  // namespace ktq
