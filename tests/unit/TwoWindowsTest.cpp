// Two windows on one folder: the first holds it, the second is asked and, if
// it opens the folder read-only, works as usual without writing anything.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "EndedProcess.h"
#include "PoolFixture.h"

namespace ktq {
namespace {

using testsupport::PoolProgram;
using testsupport::Program;
using testsupport::WorkingFolder;

// Every entry of the folder with its content.
std::map<std::string, std::string> Snapshot(const WorkingFolder& folder) {
    std::map<std::string, std::string> entries;
    for (const auto& e : std::filesystem::directory_iterator(folder.Path())) {
        const std::string name = e.path().filename().string();
        entries[name] = e.is_regular_file() ? folder.ReadSystemNamed(name) : "(folder)";
    }
    return entries;
}

TEST(TwoWindows, TheSecondOpensTheFolderReadOnlyAndWritesNothing) {
    PoolProgram p;
    p.folder.Write("Tech Pool 2026-2030.txt", testsupport::SmallPoolBytes());
    p.folder.Write("qstnslog.txt", "T1A99\r\n");
    DiskFileSystem first(p.folder.Path());
    ASSERT_FALSE(first.LockFolder().has_value());
    const auto before = Snapshot(p.folder);
    p.Start();
    TForm1& f = p.Form();
    EXPECT_EQ(p.program->Output().find("QUESTION \"KTQ Testing-Learning Software\": The folder \"" +
                                       p.folder.Path().string() +
                                       "\" is open in another window of this program (process " +
                                       std::to_string(::getpid()) + ")."),
              0u)
        << p.program->Output();
    EXPECT_TRUE(f.state.ReadOnlyFolder);
    EXPECT_TRUE(f.Caption().ends_with("[read-only]"));
    EXPECT_EQ(f.ComboBox1.Items(), (LineList{"Tech Pool 2026-2030.txt"}));  // not the lock file

    p.Select("Tech Pool 2026-2030.txt");
    p.Prepare();
    f.Button4.UserClick();
    f.RichEdit2.UserMouseDown(MouseButton::Left);
    f.Button5.UserClick();
    EXPECT_EQ(f.state.QuestionBank.size(), 2u);
    f.Button3.UserClick();
    p.program->Close();
    // Its own files are there for the program, in memory only.
    const LineList log = ReadLines(f.Files(), "qstnslog.txt");
    ASSERT_EQ(log.size(), 1u);
    EXPECT_NE(log[0], "T1A99");
    EXPECT_TRUE(FileExists(f.Files(), "SWOT Extract ^ Tech Pool 2026-2030.txt"));
    EXPECT_EQ(Snapshot(p.folder), before);
}

TEST(TwoWindows, NoQuitsAndAClosedWindowLetsTheFolderGo) {
    WorkingFolder folder;
    MemorySettingsStore store;
    {
        DiskFileSystem first(folder.Path());
        first.LockFolder();
        Program second(folder, store);
        second.Platform().QueueReply(false);
        EXPECT_FALSE(second.Start());
        EXPECT_TRUE(second.Form().ComboBox1.Items().empty());  // never activated
    }
    Program third(folder, store);
    EXPECT_TRUE(third.Start());
    EXPECT_FALSE(third.Form().state.ReadOnlyFolder);
    EXPECT_TRUE(folder.Exists(".ktqtests.lock"));
    third.Close();
    EXPECT_FALSE(folder.Exists(".ktqtests.lock"));
}

TEST(TwoWindows, TheLockOfAnEndedRunIsTakenWithoutAsking) {
    WorkingFolder folder;
    folder.Write(".ktqtests.lock", std::to_string(testsupport::EndedProcessId()) + "\n");
    MemorySettingsStore store;
    Program program(folder, store);
    program.Start();
    EXPECT_FALSE(program.Form().state.ReadOnlyFolder);
    EXPECT_EQ(program.Output().find("QUESTION"), std::string::npos);
    EXPECT_EQ(folder.Read(".ktqtests.lock"), std::to_string(::getpid()) + "\n");
}

}  // namespace
}  // namespace ktq
