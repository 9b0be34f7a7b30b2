// SPDX-License-Identifier: GPL-3.0-or-later
// The program on folders as users and others may leave them: every pool is
// chosen, prepared, answered, studied and reviewed. Whatever the files hold,
// nothing crashes or hangs, every message says something a user can read,
// and the files the user put there stay as they were.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "ExamFixture.h"
#include "JpegWriter.h"
#include "PoolFixture.h"

namespace ktq {
namespace {

namespace fs = std::filesystem;
using testsupport::PoolProgram;

// One question that names figure T-1 and one that tries a way out of the folder.
std::string FigurePool() {
    return "Tech pool 2026\r\nSUBELEMENT T1 - RULES\r\nT1A - Figures\r\n"
           "T1A01 (A) [97.1]\r\nWhat is component 1 in figure T-1?\r\nA. R\r\nB. T\r\nC. B\r\n"
           "D. L\r\n~~\r\n\r\n"
           "T1A02 (B) [97.2]\r\nWhat is in figure T-1/../../../etc/passwd?\r\nA. R\r\nB. T\r\n"
           "C. B\r\nD. L\r\n~~\r\n";
}

std::string Bytes(std::size_t n, unsigned seed) {
    std::string s(n, '\0');
    for (char& c : s) {
        seed = seed * 1103515245u + 12345u;
        c = static_cast<char>(seed >> 16);
    }
    return s;
}

struct HostileCase {
    const char* name;
    // The user's files, by their names as the system spells them.
    std::map<std::string, std::string> files = {};
    std::vector<std::string> folders = {};
    // Runs after the selection, before "Prepare..".
    std::function<void(PoolProgram&)> meddle = nullptr;
    bool nothingWritable = false;
};

// What a user does with every pool the chooser offers.
void Journey(PoolProgram& p, const HostileCase& c) {
    TForm1& f = p.Form();
    const LineList pools = f.ComboBox1.Items();
    for (std::size_t i = 0; i < pools.size(); ++i) {
        f.RunGuarded([&] { f.ComboBox1.UserPick(static_cast<int>(i)); });
        if (c.meddle)
            c.meddle(p);
        f.RunGuarded([&] { f.Button1.UserClick(); });
        f.RunGuarded([&] { f.Button4.UserClick(); });
        for (int answer = 0; answer < 6; ++answer) {
            f.RunGuarded([&] { f.AnswerBox(1 + answer % 4)->UserMouseDown(MouseButton::Left); });
            for (int tick = 0; tick < 8; ++tick) f.RunGuarded([&] { f.Timer1.Tick(); });
        }
        f.RunGuarded([&] { f.CheckBox1.UserClick(); });
        f.RunGuarded([&] { f.Button4.UserClick(); });
        f.RunGuarded([&] { f.CheckBox1.UserClick(); });
        f.RunGuarded([&] { f.Button5.UserClick(); });
        f.RunGuarded([&] { f.Button3.UserClick(); });
    }
}

class HostileFolderTest : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostileFolderTest, NoCrashNoHangClearMessagesAndTheUsersFilesWhole) {
    const HostileCase& c = GetParam();
    PoolProgram p;
    for (const auto& [name, bytes] : c.files) p.folder.WriteSystemNamed(name, bytes);
    for (const std::string& name : c.folders) fs::create_directories(p.folder.PathOf(name));
    if (c.nothingWritable) {
        p.program = std::make_unique<testsupport::Program>(p.folder, p.store);
        p.program->Files().FailWritesAfter(0);
        p.program->Files().FailRenames(EACCES);
        p.program->Files().FailAppends(true);
        p.program->Start();
    } else {
        p.Start();
    }
    Journey(p, c);
    p.program->Close();

    const std::string out = p.program->Output();
    for (const char* unclear : {"std::", "bad_alloc", "Success", "basic_string"})
        EXPECT_EQ(out.find(unclear), std::string::npos) << unclear << " in\n" << out;
    for (const auto& [name, bytes] : c.files) {
        if (fs::exists(p.folder.Path() / name)) {
            EXPECT_EQ(p.folder.ReadSystemNamed(name), bytes) << name;
        }
    }
}

const std::string kBank =
    testsupport::Record("T1A01", "A") + "\r\n" + testsupport::Record("T1A02", "B") + "\r\n";

INSTANTIATE_TEST_SUITE_P(
    Folders, HostileFolderTest,
    ::testing::Values(
        HostileCase{"EmptyPool", {{"tech 2026.txt", ""}}},
        HostileCase{"BinaryFile", {{"tech 2026.txt", Bytes(65536, 7)}}},
        HostileCase{"MegabyteLine",
                    {{"tech 2026.txt", testsupport::SmallPoolBytes() + std::string(1 << 20, 'x')}}},
        HostileCase{"NulBytes",
                    {{"tech 2026.txt", std::string("T1A01 (A)\0\0[97.1]\r\n\0A. x\r\n~~", 28)}}},
        HostileCase{"LoneCarriageReturns",
                    {{"tech 2026.txt", ReplaceAll(testsupport::SmallPoolBytes(), "\r\n", "\r")}}},
        HostileCase{"FolderNamedLikeAPoolOrTheWorkingCopy",
                    {{"tech 2026.txt", testsupport::SmallPoolBytes()}},
                    {"general 2027.txt", "qfile.txt"}},
        HostileCase{"PoolRemovedBeforePrepare",
                    {{"tech 2026.txt", testsupport::SmallPoolBytes()}},
                    {},
                    [](PoolProgram& p) { fs::remove(p.folder.PathOf("tech 2026.txt")); }},
        HostileCase{"BankRemovedBeforePrepare",
                    {{"tech-tests.txt", kBank}},
                    {},
                    [](PoolProgram& p) { fs::remove(p.folder.PathOf("tech-tests.txt")); }},
        HostileCase{"RaggedBank",
                    {{"tech-tests.txt", "T1A01\tA\r\n\r\nT1A02\r\n\t\t\t\t\t\t\t\t\t\t\t\t\r\n" +
                                            kBank + "T1A03\tZ\tx\ty\r\n"}}},
        HostileCase{"NotesBeyondTheBank",
                    {{"tech 2026.txt", testsupport::SmallPoolBytes()},
                     {"KTQTech 2026 ^ study.txt", "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\n"}}},
        HostileCase{"TruncatedFigure",
                    {{"tech 2026.txt", FigurePool()},
                     {"T-1.jpg", testsupport::WriteJpeg({}).substr(0, 400)}}},
        HostileCase{"NoPictureUnderAFigureName",
                    {{"tech 2026.txt", FigurePool()}, {"T-1.jpg", "GIF89a not a jpeg"}}},
        HostileCase{"HugeFigureHeader",
                    {{"tech 2026.txt", FigurePool()},
                     {"T-1.jpg", testsupport::JpegHeaderOnly(65500, 65500)}}},
        HostileCase{"NamesOutsideWindows1252",
                    {{"Tech \xE6\xB5\x8B\xE8\xAF\x95 2026.txt", testsupport::SmallPoolBytes()},
                     {"general \xFF\xFE 2027.txt", testsupport::SmallPoolBytes()}}},
        HostileCase{
            "NothingCanBeWritten",
            {{"tech 2026.txt", testsupport::SmallPoolBytes()}, {"qstnslog.txt", "T1A01\r\n"}},
            {},
            nullptr,
            true}),
    [](const auto& row) { return std::string(row.param.name); });

// File names the window cannot spell are still offered and read.
TEST(HostileFolder, APoolWhoseNameWindows1252CannotSpellIsRead) {
    PoolProgram p;
    p.folder.WriteSystemNamed("Tech \xE6\xB5\x8B\xE8\xAF\x95 2026.txt",
                              testsupport::SmallPoolBytes());
    p.folder.WriteSystemNamed("general \xFF 2027.txt", testsupport::SmallPoolBytes());
    p.Start();
    ASSERT_EQ(p.Form().ComboBox1.Items(), (LineList{"general ? 2027.txt", "Tech ?? 2026.txt"}));
    for (int i = 0; i < 2; ++i) {
        p.Form().ComboBox1.UserPick(i);
        EXPECT_EQ(p.Form().state.PoolLines.size(), 21u) << i;
    }
    EXPECT_EQ(p.Form().state.LevelTag, "KTQTech");  // the rules read the shown name
    EXPECT_EQ(p.Form().state.ExamSize, 35);
}

TEST(HostileFolder, TwoNamesThatLookTheSameAreEachRead) {
    PoolProgram p;
    p.folder.WriteSystemNamed("tech \xE6\xB5\x8B.txt", testsupport::SmallPoolBytes());
    const std::string other = ReplaceAll(testsupport::SmallPoolBytes(), "T1A02", "T1A03");
    p.folder.WriteSystemNamed("tech \xE8\xAF\x95.txt", other);
    p.Start();
    ASSERT_EQ(p.Form().ComboBox1.Items(), (LineList{"tech ?.txt", "tech ?.txt"}));
    for (int i = 0; i < 2; ++i) {
        p.Form().ComboBox1.UserPick(i);
        p.Prepare();
        EXPECT_EQ(p.Form().state.QuestionBank.back().substr(0, 5), i == 0 ? "T1A02" : "T1A03");
        p.Form().Button1.SetEnabled(true);
    }
}

// Guards against a pool that cannot be copied becoming silently empty.
TEST(HostileFolder, APoolThatCannotBeCopiedIsReportedAndTheSelectionGoesOn) {
    PoolProgram p;
    p.folder.Write("tech 2026.txt", testsupport::SmallPoolBytes());
    fs::create_directories(p.folder.PathOf("qfile.txt") / "inside");
    p.Start();
    p.Select("tech 2026.txt");
    EXPECT_NE(p.program->Output().find("\"qfile.txt\": Is a directory"), std::string::npos)
        << p.program->Output();
    EXPECT_TRUE(p.Form().state.PoolLines.empty());
    EXPECT_EQ(p.Form().state.LevelTag, "KTQTech");  // the other steps ran
    EXPECT_TRUE(p.Form().Button1.Enabled());
}

// Guards against a pool that reads as nothing giving 0 questions in silence.
TEST(HostileFolder, APoolThatReadsAsNothingSaysWhy) {
    PoolProgram p;
    fs::create_symlink("tech loop.txt", p.folder.PathOf("tech loop.txt"));
    p.folder.Write("tech empty.txt", "");
    p.folder.Write("tech word.txt", std::string("PK\x03\x04\x14\0\0\0", 8) + "[Content_Types]");
    p.Start();
    p.Select("tech loop.txt");
    EXPECT_NE(p.program->Output().find("\"tech loop.txt\": Too many levels of symbolic links"),
              std::string::npos)
        << p.program->Output();
    p.Select("tech empty.txt");
    EXPECT_EQ(p.Form().Label38.GetText(), "\"tech empty.txt\" is empty");
    p.Select("tech word.txt");
    EXPECT_NE(p.Form().Label38.GetText().find("is it a Word document saved under .txt?"),
              std::string::npos);
}

}  // namespace
}  // namespace ktq
