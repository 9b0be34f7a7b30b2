// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <chrono>

#include "AppFixture.h"
#include "app/PoolFileFilter.h"

namespace ktq {
namespace {

using testsupport::Program;
using testsupport::WorkingFolder;

const char* kMissingFilesMessage =
    "MESSAGE \"Missing files error\": No suitable TXT Pool files found in the current folder. "
    "Copy them to this application's folder and restart this software.\\n\\nText versions can "
    "be created by opening the original Pool DOC or DOCX file in MSWord and saving as a Plain "
    "Text document file with a .TXT file extension.\n";

TEST(PoolFileFilter, NamesAreMatchedAsTheListingGivesThem) {
    EXPECT_TRUE(PassesPoolFileFilter("Tech Pool.txt", false));
    EXPECT_TRUE(PassesPoolFileFilter("mytechnotes.txt", false));
    EXPECT_FALSE(PassesPoolFileFilter("Extra Pool.TXT", false));  // extension case matters
    EXPECT_FALSE(PassesPoolFileFilter("extra pool.doc", false));
    EXPECT_FALSE(PassesPoolFileFilter("^ Review.txt", false));
    EXPECT_FALSE(PassesPoolFileFilter("KTQTech 2022 ^ Qstns.txt", false));
    EXPECT_FALSE(PassesPoolFileFilter("tech.txt.bak", false));
    EXPECT_FALSE(PassesPoolFileFilter("tech 2022 pool.txt", true));
    EXPECT_TRUE(PassesPoolFileFilter("general-tests.txt", true));
    EXPECT_FALSE(PassesPoolFileFilter("notes-tests.txt", true));
    EXPECT_TRUE(IsPublishedPoolDocument("2024-2028 Extra Class Pool.docx"));
    for (const char* name : {"Extra Pool.DOCX", "syllabus.docx", "tech ^ notes.docx"})
        EXPECT_FALSE(IsPublishedPoolDocument(name)) << name;
}

TEST(Activation, AnEmptyFolderShowsTheMissingFilesBoxAndGoesOn) {
    WorkingFolder folder;
    MemorySettingsStore store;
    Program program(folder, store);
    program.Start();
    EXPECT_EQ(program.Output(), kMissingFilesMessage);
    TForm1& f = program.Form();
    EXPECT_TRUE(f.ComboBox1.Items().empty());
    EXPECT_FALSE(f.Button1.Enabled());
    EXPECT_FALSE(f.Button3.Enabled());
    EXPECT_EQ(f.Label3.GetText(), "0");
    EXPECT_TRUE(f.Memo1.Visible());
    EXPECT_EQ(f.state.KeyAlphabet, "7305918264");
    EXPECT_EQ(f.state.SectionSign, "\xA7");
    EXPECT_EQ(f.Caption(), "KTQ Trial Exam Tests -:-  Vers 1.1.0.1 \xA9 KTQTests developers 2026");
}

TEST(Activation, TheChooserListsOnlyPlainTextPoolsThatNameALevel) {
    WorkingFolder folder;
    for (const char* n :
         {"Tech Pool.txt", "general pool.txt", "Extra Pool.TXT", "extra pool.doc", "^ Review.txt"})
        folder.Write(n, "x");
    MemorySettingsStore store;
    Program program(folder, store);
    program.Start();
    EXPECT_EQ(program.Form().ComboBox1.Items(), (LineList{"general pool.txt", "Tech Pool.txt"}));
    EXPECT_FALSE(program.Form().state.TestsMode);
    EXPECT_EQ(program.Output(), "");
}

TEST(Activation, APreparedBankPutsTheFolderInTestsModeAndSetsLooseStudyFilesAside) {
    WorkingFolder folder;
    for (const char* n : {"tech-tests.txt", "tech 2022 pool.txt", "KTQTech 2022 ^ study.txt",
                          "mylearn.txt", "qstns.txt", "old qstns.txt.Bak", "other.txt"})
        folder.Write(n, "x");
    MemorySettingsStore store;
    Program program(folder, store);
    program.Start();
    TForm1& f = program.Form();
    EXPECT_TRUE(f.state.TestsMode);
    EXPECT_EQ(f.ComboBox1.Items(), (LineList{"tech-tests.txt"}));
    EXPECT_TRUE(folder.Exists("KTQTech 2022 ^ study.txt.Bak"));
    EXPECT_TRUE(folder.Exists("mylearn.txt.Bak"));
    EXPECT_TRUE(folder.Exists("qstns.txt.Bak"));
    EXPECT_TRUE(folder.Exists("old qstns.txt.Bak"));
    EXPECT_FALSE(folder.Exists("old qstns.txt.Bak.Bak"));
    EXPECT_TRUE(folder.Exists("other.txt"));
    EXPECT_TRUE(f.ListBox1.Items().size() > 0);  // the activation listing
}

TEST(Activation, TemporaryFilesOfAKilledRunAreRemovedAndNothingElse) {
    WorkingFolder folder;
    namespace fs = std::filesystem;
    const std::string ended = "2147483647";  // beyond every process id the system gives
    const std::string running = std::to_string(::getpid());
    folder.Write("qstns.txt.ktq-part-" + ended + "-3", "partial");
    folder.Write("qfile.txt.ktq-part-" + running + "-1", "being written");
    folder.Write("old.txt.ktq-part-" + running + "-2", "written two days ago");
    fs::last_write_time(folder.PathOf("old.txt.ktq-part-" + running + "-2"),
                        fs::file_time_type::clock::now() - std::chrono::hours(48));
    folder.Write("notes.ktq-part-" + ended, "the user's");
    fs::create_symlink("notes.ktq-part-" + ended, folder.PathOf("link.ktq-part-" + ended + "-1"));
    MemorySettingsStore store;
    Program program(folder, store);
    program.Start();
    EXPECT_FALSE(folder.Exists("qstns.txt.ktq-part-" + ended + "-3"));
    EXPECT_TRUE(folder.Exists("qfile.txt.ktq-part-" + running + "-1"));
    EXPECT_FALSE(folder.Exists("old.txt.ktq-part-" + running + "-2"));
    EXPECT_TRUE(folder.Exists("notes.ktq-part-" + ended));
    EXPECT_TRUE(fs::is_symlink(folder.PathOf("link.ktq-part-" + ended + "-1")));
}

TEST(Activation, AFolderThatCannotBeListedSaysSoAndNotThatFilesAreMissing) {
    WorkingFolder folder;
    MemorySettingsStore store;
    Program program(folder, store);
    std::filesystem::remove_all(folder.Path());
    program.Start();
    EXPECT_EQ(program.Output(), "MESSAGE \"Missing files error\": Cannot list the folder \"" +
                                    folder.Path().string() + "\": No such file or directory\n");
}

TEST(Activation, WithoutPreparedBanksNothingIsRenamed) {
    WorkingFolder folder;
    folder.Write("tech 2022 pool.txt", "x");
    folder.Write("KTQTech 2022 ^ study.txt", "x");
    MemorySettingsStore store;
    Program program(folder, store);
    program.Start();
    EXPECT_TRUE(folder.Exists("KTQTech 2022 ^ study.txt"));
}

TEST(Activation, TheRetiredPoolIsSetAside) {
    WorkingFolder folder;
    const std::string retired = "FINAL Revised 2015-2019 General Class Question Pool 2-11-2015.txt";
    folder.Write(retired, "x");
    MemorySettingsStore store;
    Program program(folder, store);
    program.Start();
    EXPECT_TRUE(folder.Exists(retired + ".bak"));
    EXPECT_FALSE(folder.Exists(retired));
}

TEST(Activation, CommandLineIsJoinedWithLeadingBlanksAndDiagShowsTheRulesMarker) {
    WorkingFolder folder;
    folder.Write("rule97.txt",
                 " \xA7"
                 "97.1 Basis.\r\ntext\r\n");
    folder.Write("tech pool.txt", "x");
    MemorySettingsStore store;
    Program program(folder, store, {"a", "/Diag"});
    program.Start();
    TForm1& f = program.Form();
    EXPECT_EQ(f.state.CommandLine, " a /Diag");
    EXPECT_TRUE(f.DiagOn());
    EXPECT_EQ(f.Label26.GetText(), "R97");
    EXPECT_EQ(f.state.RuleLines.size(), 2u);
    EXPECT_TRUE(f.Button7.Visible());
}

TEST(Activation, NoParametersMeansNoDiagnostics) {
    WorkingFolder folder;
    folder.Write("rule97.txt",
                 " \xA7"
                 "97.1 Basis.\r\n");
    MemorySettingsStore store;
    Program program(folder, store);
    program.Start();
    EXPECT_EQ(program.Form().state.CommandLine, "");
    EXPECT_EQ(program.Form().Label26.GetText(), "");
}

TEST(Activation, TheLastWorkingCopyIsReadBackButNoBankExists) {
    WorkingFolder folder;
    folder.Write("qfile.txt", "line one\r\nline two\r\n");
    folder.Write("rule97.txt", "");
    MemorySettingsStore store;
    Program program(folder, store);
    program.Start();
    TForm1& f = program.Form();
    EXPECT_EQ(f.state.PoolLines, (LineList{"line one", "line two"}));
    EXPECT_TRUE(f.state.QuestionBank.empty());
    EXPECT_TRUE(f.state.RuleLines.empty());
    EXPECT_FALSE(f.Button7.Visible());  // an empty rules file counts as none
}

TEST(Activation, TheQuestionAreaIsHiddenEmptyAndSizedToTheWindow) {
    WorkingFolder folder;
    MemorySettingsStore store;
    Program program(folder, store);
    program.Start();
    TForm1& f = program.Form();
    for (RichEdit* box : {&f.RichEdit1, &f.RichEdit2, &f.RichEdit5}) {
        EXPECT_FALSE(box->Visible());
        EXPECT_EQ(box->LineCount(), 0);
        EXPECT_EQ(box->Width(), 730);
        EXPECT_EQ(box->Left(), 112);
    }
    EXPECT_EQ(f.Memo1.Width(), 730);
    EXPECT_FALSE(f.Button5.Enabled());
    EXPECT_EQ(f.state.CorrectColor, 0x2BB54Eu);
    EXPECT_EQ(f.state.HoverColor, 0xF0FBFFu);
    EXPECT_EQ(f.state.SpareColor2, 0x0000FFu);
}

TEST(WindowBehaviour, ResizingStretchesTheDetailsBoxAndRaisesTheTallestHeight) {
    WorkingFolder folder;
    MemorySettingsStore store;
    Program program(folder, store);
    program.Start();
    TForm1& f = program.Form();
    EXPECT_EQ(f.Height(), 435);
    EXPECT_EQ(f.Memo3.Height(), 0);  // below zero counts as zero
    f.SetMaxHeightConstraint(1000);
    f.SetHeight(800);
    EXPECT_EQ(f.state.MaxHeight, 800);
    EXPECT_EQ(f.Memo3.Height(), 800 - 408 - 30);
}

TEST(WindowBehaviour, HoverHighlightsOneAnswerBoxAndTheQuestionBoxClearsAll) {
    WorkingFolder folder;
    MemorySettingsStore store;
    Program program(folder, store);
    program.Start();
    TForm1& f = program.Form();
    f.AnswerBoxMouseMove(1);
    EXPECT_EQ(f.RichEdit2.GetColor(), 0xF0FBFFu);
    EXPECT_EQ(f.RichEdit3.GetColor(), kClWindow);
    f.AnswerBoxMouseMove(4);
    EXPECT_EQ(f.RichEdit2.GetColor(), kClWindow);
    EXPECT_EQ(f.RichEdit5.GetColor(), 0xF0FBFFu);
    f.RichEdit1MouseMove();
    for (int n = 1; n <= 4; ++n) EXPECT_EQ(f.AnswerBox(n)->GetColor(), kClWindow);
}

TEST(WindowBehaviour, ShowDetailsLinePutsTheCaretAtTheStartAndFocusesTheDetails) {
    WorkingFolder folder;
    MemorySettingsStore store;
    Program program(folder, store);
    program.Start();
    TForm1& f = program.Form();
    f.SetHeight(590);
    f.Memo3.Show();
    for (int i = 0; i < 40; ++i) f.Memo3.AppendLine("line " + std::to_string(i));
    f.ShowDetailsLine(0, -1);
    EXPECT_EQ(f.Memo3.SelStart(), 0);
    EXPECT_EQ(f.Memo3.TopLine(), 0);
    EXPECT_EQ(f.Focused(), &f.Memo3);
    EXPECT_EQ(f.FocusRequests(), 1);
    f.ShowDetailsLine(0, -1);  // asked again after the user moved on
    EXPECT_EQ(f.FocusRequests(), 2);
}

// Guards against the focus going to a details box below the window's edge,
// where the keys the user types would vanish.
TEST(WindowBehaviour, ADetailsBoxWithoutRoomTakesNoFocus) {
    WorkingFolder folder;
    MemorySettingsStore store;
    Program program(folder, store);
    program.Start();
    TForm1& f = program.Form();
    f.Memo3.Show();
    ASSERT_EQ(f.Height(), 435);
    ASSERT_EQ(f.Memo3.Height(), 0);
    f.ShowDetailsLine(0, -1);
    EXPECT_EQ(f.Focused(), nullptr);
    f.Memo3.Hide();
    f.SetHeight(590);
    f.ShowDetailsLine(0, -1);
    EXPECT_EQ(f.Focused(), nullptr);
    EXPECT_EQ(f.FocusRequests(), 0);
}

}  // namespace
}  // namespace ktq

namespace ktq {
namespace {

// Learning mode restored from the settings runs the screen rules at activation.
TEST(Activation, SeeDetailsOnATallScreenEndsWithTheLastRowsHeight) {
    struct Case {
        int screen;
        int maxHeight;
        int height;
    };
    for (Case c : {Case{1200, 950, 750}, Case{850, 800, 600}, Case{700, 600, 590}}) {
        testsupport::WorkingFolder folder;
        MemorySettingsStore store;
        store.WriteText("Tarnell", "KTQExamsSeeDetails", "1");
        testsupport::Program program(folder, store, {}, c.screen);
        program.Start();
        TForm1& f = program.Form();
        EXPECT_EQ(f.state.MaxHeight, c.maxHeight) << c.screen;
        EXPECT_EQ(f.Height(), c.height) << c.screen;
        EXPECT_TRUE(f.Memo3.Visible());
        program.Close();
        EXPECT_EQ(store.ReadText("Tarnell", "KTQExamsMaxHeight"), std::to_string(c.maxHeight));
    }
}

}  // namespace
}  // namespace ktq
