// SPDX-License-Identifier: GPL-3.0-or-later
// Two windows on one folder: the first holds it, the second is asked and, if
// it opens the folder read-only, works as usual without writing anything.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <map>

#include "PoolFixture.h"
#include "history/StudyHistory.h"
#include "platform/FolderLock.h"

namespace ktq {
namespace {

using testsupport::PoolProgram;
using testsupport::Program;
using testsupport::WorkingFolder;

// The folder's entries and contents, but the answer history (several writers).
std::map<std::string, std::string> Snapshot(const WorkingFolder& folder) {
    std::map<std::string, std::string> entries;
    for (const auto& e : std::filesystem::directory_iterator(folder.Path())) {
        const std::string name = e.path().filename().string();
        if (!name.starts_with(kHistoryFile))
            entries[name] = e.is_regular_file() ? folder.ReadSystemNamed(name) : "(folder)";
    }
    return entries;
}

TEST(TwoWindows, TheSecondOpensTheFolderReadOnlyAndWritesNothing) {
    PoolProgram p;
    p.folder.Write("Tech Pool 2026-2030.txt", testsupport::SmallPoolBytes());
    p.folder.Write("qstnslog.txt", "T1A99\r\n");
    DiskFileSystem first(p.folder.Path());
    ASSERT_EQ(first.LockFolder().kind, FolderLockResult::Taken);
    const auto before = Snapshot(p.folder);
    p.Start();
    TForm1& f = p.Form();
    const std::string asked = "is open in another window of this program (process ";
    EXPECT_NE(p.program->Output().find(asked + std::to_string(::getpid())), std::string::npos);
    EXPECT_TRUE(f.state.ReadOnlyFolder);
    // What is still written is said where the user decides.
    EXPECT_NE(p.program->Output().find("but the answer history"), std::string::npos);
    EXPECT_EQ(f.ComboBox1.Items(), (LineList{"Tech Pool 2026-2030.txt"}));  // not the lock file

    p.Select("Tech Pool 2026-2030.txt");
    p.Prepare();
    f.Button4.UserClick();
    f.RichEdit2.UserMouseDown(MouseButton::Left);
    f.Button5.UserClick();
    f.Button3.UserClick();
    p.program->Close();
    // Its own files are there for the program, in memory only.
    EXPECT_EQ(ReadLines(f.Files(), "qstnslog.txt"), (LineList{f.state.QuestionCode}));
    EXPECT_EQ(Snapshot(p.folder), before);
}

// The lock goes with its window; a killed run's lock is taken without asking.
TEST(TwoWindows, NoQuitsAndTheLockGoesWithItsWindow) {
    WorkingFolder folder;
    MemorySettingsStore store;
    {
        DiskFileSystem first(folder.Path());
        first.LockFolder();
        Program second(folder, store);
        second.Platform().QueueReply(false);
        EXPECT_FALSE(second.Start());
    }
    folder.Write(".ktqtests.lock", "2147483647\n");
    Program third(folder, store);
    EXPECT_TRUE(third.Start());
    EXPECT_EQ(folder.Read(".ktqtests.lock"), std::to_string(::getpid()) + "\n");
    third.Close();
    EXPECT_FALSE(folder.Exists(".ktqtests.lock"));
}

// No lock to be had: a link or a folder in its place is asked about (Yes:
// read-only); a folder that cannot be written is read-only by itself, and usable.
TEST(TwoWindows, AFolderWithoutALockOpensReadOnlyAndSaysWhy) {
    const std::vector<std::pair<std::function<void(PoolProgram&)>, std::string>> cases = {
        {[](PoolProgram& p) {
             std::filesystem::create_symlink("elsewhere", p.folder.PathOf(kFolderLockFile));
         },
         "the folder's lock cannot be taken (Too many levels of symbolic links)"},
        {[](PoolProgram& p) {
             std::filesystem::create_directory(p.folder.PathOf(kFolderLockFile));
         },
         "the folder's lock cannot be taken (Is a directory)"},
        {[](PoolProgram& p) {
             p.program->Files().FailLock(EACCES);
             p.program->Files().FailWritesAfter(0);
             p.program->Files().FailRenames(EACCES);
         },
         "the folder cannot be written (Permission denied)"}};
    for (const auto& [place, why] : cases) {
        PoolProgram p;
        p.folder.Write("Tech Pool 2026-2030.txt", testsupport::SmallPoolBytes());
        p.program = std::make_unique<Program>(p.folder, p.store);
        place(p);
        ASSERT_TRUE(p.program->Start());
        EXPECT_EQ(p.program->Output().find("QUESTION") != std::string::npos,
                  why.find("lock") != std::string::npos)
            << p.program->Output();
        EXPECT_EQ(p.Form().Label38.GetText(),
                  "Read-only as " + why + ": only the answer history is written to this folder.");
        p.Select("Tech Pool 2026-2030.txt");
        p.Prepare();
        EXPECT_TRUE(p.Form().Button4.Enabled()) << p.program->Output();
    }
}

}  // namespace
}  // namespace ktq
