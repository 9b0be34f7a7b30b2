// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "NoteCipherTestSupport.h"
#include "PoolFixture.h"
#include "pool/PoolInForce.h"
#include "text/NoteCipher.h"

namespace ktq {
namespace {

using testsupport::PoolProgram;

struct LevelCase {
    const char* name;
    const char* file;
    const char* tag;
    int examSize;
    const char* key;  // nullptr: the placeholder stays
};

class PoolLevelTest : public ::testing::TestWithParam<LevelCase> {};

TEST_P(PoolLevelTest, TheNameGivesTagExamSizeAndKeyByTheirOwnTests) {
    const LevelCase& c = GetParam();
    PoolProgram p;
    p.folder.Write(c.file, testsupport::SmallPoolBytes());
    p.Start();
    p.Select(c.file);
    EXPECT_EQ(p.Form().state.LevelTag, c.tag);
    EXPECT_EQ(p.Form().state.ExamSize, c.examSize);
    EXPECT_EQ(p.Form().Label3.GetText(), std::to_string(c.examSize));
    EXPECT_EQ(p.Form().state.KeyAlphabet, c.key ? Text(c.key) : Text("7305918264"));
}

INSTANTIATE_TEST_SUITE_P(
    Names, PoolLevelTest,
    ::testing::Values(
        LevelCase{"Tech", "Tech Pool 2026.txt", "KTQTech", 35, kTechKeyAlphabet},
        LevelCase{"ExtraInAnyCase", "EXTRA pool 2028.txt", "KTQExtra", 50, kExtraKeyAlphabet},
        LevelCase{"GeneralAndTechTechWins", "general tech.txt", "KTQTech", 35, kTechKeyAlphabet},
        LevelCase{"ExtrWithoutExtraKeyOnly", "extr notes 2.txt", "N", 35, kExtraKeyAlphabet},
        LevelCase{"GenInsideAWord", "legend 2.txt", "N", 35, kGeneralKeyAlphabet},
        LevelCase{"NoLevel", "my pool.txt", "N", 35, nullptr}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(PoolSelection, CopiesThePoolReadsItAndEntersThePoolChosenState) {
    PoolProgram p;
    p.folder.Write("Tech Pool 2026.txt", testsupport::SmallPoolBytes());
    p.Start();
    TForm1& f = p.Form();
    p.Select("Tech Pool 2026.txt");
    EXPECT_EQ(p.folder.Read("qfile.txt"), testsupport::SmallPoolBytes());
    ASSERT_EQ(f.state.PoolLines.size(), 21u);
    EXPECT_EQ(f.state.PoolLines[5], "Which is it?");
    EXPECT_EQ(f.state.PoolFileName, "Tech Pool 2026.txt");
    EXPECT_TRUE(f.Button1.Enabled());
    EXPECT_TRUE(f.Button3.Enabled());
    EXPECT_FALSE(f.Button4.Enabled());
    EXPECT_TRUE(p.folder.Exists("qstnslog.txt"));
}

TEST(PoolSelection, EverySelectionEmptiesTheQuestionLog) {
    PoolProgram p;
    p.folder.Write("tech.txt", testsupport::SmallPoolBytes());
    p.folder.Write("qstnslog.txt", "T1A01\r\n");
    p.Start();
    p.Select("tech.txt");
    EXPECT_EQ(p.folder.Read("qstnslog.txt"), "");
    p.folder.Write("qstnslog.txt", "T1A02\r\n");
    p.Select("tech.txt");
    EXPECT_EQ(p.folder.Read("qstnslog.txt"), "");
}

TEST(PoolSelection, AQuestionLogThatCannotBeReplacedStopsTheSelectionWithAReport) {
    PoolProgram p;
    p.folder.Write("tech 2026.txt", testsupport::SmallPoolBytes());
    std::filesystem::create_directories(p.folder.Path() / "qstnslog.txt" / "inside");
    p.Start();
    TForm1& f = p.Form();
    f.RunGuarded([&] { p.Select("tech 2026.txt"); });
    EXPECT_NE(p.program->Output().find("\"qstnslog.txt\": Is a directory"), std::string::npos)
        << p.program->Output();
    EXPECT_EQ(f.state.PoolLines.size(), 21u);  // the steps before it ran
    EXPECT_EQ(f.state.LevelTag, "");
    EXPECT_EQ(f.state.KeyAlphabet, "7305918264");
    EXPECT_EQ(f.Label3.GetText(), "0");
}

// Guards against the previous pool's working copy being read under a new name.
TEST(PoolSelection, ANameThatIsNoFileGivesAnEmptyPoolAndKeepsTheWorkingCopy) {
    PoolProgram p;
    p.folder.Write("tech.txt", testsupport::SmallPoolBytes());
    p.Start();
    p.Select("tech.txt");
    p.Select("tec");
    EXPECT_TRUE(p.Form().state.PoolLines.empty());
    EXPECT_EQ(p.folder.Read("qfile.txt"), testsupport::SmallPoolBytes());
    EXPECT_TRUE(p.Form().Button1.Enabled());
    p.Prepare();
    EXPECT_TRUE(p.Form().state.QuestionBank.empty());
    EXPECT_FALSE(p.Form().Button4.Enabled());
}

TEST(PoolSelection, LoadsTheLevelsStudyNotesAndKeepsThemWhenTheNextLevelHasNone) {
    PoolProgram p;
    const Text note = testsupport::EncipherForTest("Watts@law", kTechKeyAlphabet);
    p.folder.Write("Tech Pool 2026-2030.txt", testsupport::SmallPoolBytes());
    p.folder.Write("Extra Pool 2028.txt", testsupport::SmallPoolBytes());
    p.folder.Write("KTQTech 2026 ^ study.txt", "T1A01\tC\t[97.1]\t" + note + "\r\n");
    p.Start({"/DIAG"});
    TForm1& f = p.Form();
    p.Select("Tech Pool 2026-2030.txt");
    ASSERT_EQ(f.state.StudyNotes.size(), 1u);
    EXPECT_EQ(f.Label27.GetText(), "TF");
    EXPECT_EQ(f.DecipherNote(note), "Watts@law");
    p.Select("Extra Pool 2028.txt");
    EXPECT_EQ(f.state.StudyNotes.size(), 1u);
    EXPECT_EQ(f.Label27.GetText(), "");
}

TEST(PoolSelection, ANameWithoutATwoLooksForNotesUnderItsFirstFourCharacters) {
    PoolProgram p;
    p.folder.Write("general pool.txt", testsupport::SmallPoolBytes());
    p.folder.Write("KTQGeneral gene ^ study.txt", "a\r\nb\r\n");
    p.Start();
    p.Select("general pool.txt");
    EXPECT_EQ(p.Form().state.StudyNotes, (LineList{"a", "b"}));
    EXPECT_EQ(p.Form().Label27.GetText(), "");  // no "/diag"
}

TEST(PoolInForce, FromTheFirstOfJulyToTheLastOfJune) {
    const struct {
        Text file;
        DateTime now;
        Text state, note;
    } cases[] = {
        {"2026-2030 Technician.txt", MakeDateTime(2026, 12, 8), "in force until 2030-06-30", ""},
        {"tech 2022-2026.txt", MakeDateTime(2026, 7, 1), "expired 2026-06-30",
         "This pool was in force until 30 June 2026."},
        {"General 2027-2031.txt", MakeDateTime(2027, 6, 30), "from 2027-07-01",
         "This pool comes into force on 1 July 2027."},
    };
    for (const auto& c : cases) {
        const std::optional<YearsInForce> years = YearsInForceOf(c.file);
        ASSERT_TRUE(years) << c.file;
        EXPECT_EQ(InForceState(*years, c.now), c.state) << c.file;
        EXPECT_EQ(NotInForceNote(*years, c.now), c.note) << c.file;
    }
    for (const char* none : {"tech 2022 pool.txt", "tech 2022-tests.txt", "pool 2030-2026.txt",
                             "extra 12026-2030.txt", "extra 2026-20301.txt"})
        EXPECT_FALSE(YearsInForceOf(none)) << none;
}

}  // namespace
}  // namespace ktq
