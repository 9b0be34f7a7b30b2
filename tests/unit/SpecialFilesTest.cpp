// SPDX-License-Identifier: GPL-3.0-or-later
// What a shared or hostile folder may hold under the names the program reads
// and writes: pipes, devices, links and files far too large.
#include <gtest/gtest.h>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>

#include "PoolFixture.h"
#include "platform/SettingsStore.h"

namespace ktq {
namespace {

namespace fs = std::filesystem;
using testsupport::PoolProgram;

std::string ReadError(testsupport::WorkingFolder& folder, const Text& name) {
    try {
        ReadLines(folder.Files(), name);
    } catch (const IoError& e) {
        return e.what();
    }
    return "";
}

// Guards against a read that blocks for good on a named pipe.
TEST(SpecialFiles, APipeUnderABanksNameIsReportedNotWaitedFor) {
    PoolProgram p;
    p.folder.Write("general-tests.txt", "x\r\n");
    ASSERT_EQ(::mkfifo((p.folder.Path() / "tech-tests.txt").c_str(), 0600), 0);
    p.Start();
    p.Form().RunGuarded([&] { p.Select("tech-tests.txt"); });
    p.Form().RunGuarded([&] { p.Prepare(); });
    EXPECT_NE(p.program->Output().find("\"tech-tests.txt\": it is not a regular file"),
              std::string::npos)
        << p.program->Output();
    p.Form().RunGuarded([&] { p.Select("tech-tests.txt"); });
    p.Form().RunGuarded([&] { p.Form().Button3.UserClick(); });
    EXPECT_FALSE(p.folder.Exists("SWOT Extract # tech.txt"));
}

// Guards against reading a device until memory runs out ("std::bad_alloc").
TEST(SpecialFiles, ALinkToADeviceIsReportedNotRead) {
    testsupport::WorkingFolder folder;
    fs::create_symlink("/dev/zero", folder.Path() / "tech-tests.txt");
    EXPECT_EQ(ReadError(folder, "tech-tests.txt"),
              "Cannot read file \"tech-tests.txt\": it is not a regular file");
}

TEST(SpecialFiles, AFileBeyondTheBoundIsRefusedBeforeItIsRead) {
    testsupport::WorkingFolder folder;
    folder.Write("tech pool.txt", "");
    // Sparse: no disk space is taken, but the size is what counts.
    fs::resize_file(folder.Path() / "tech pool.txt", kLargestReadableFile + 1);
    const std::string error = ReadError(folder, "tech pool.txt");
    EXPECT_NE(error.find("\"tech pool.txt\" is too large"), std::string::npos) << error;
    EXPECT_EQ(error.find("bad_alloc"), std::string::npos);
}

TEST(SpecialFiles, ASettingsFileBehindALinkIsWrittenToItsTarget) {
    testsupport::WorkingFolder folder;
    fs::create_directories(folder.Path() / "real");
    folder.Write("real/k.ini", "; mine\n[Tarnell]\nKTQExamsLeft=5\n");
    fs::create_symlink(folder.Path() / "real" / "k.ini", folder.Path() / "k.ini");
    IniFileSettingsStore store((folder.Path() / "k.ini").string());
    EXPECT_EQ(store.ReadText("Tarnell", "KTQExamsLeft"), "5");
    store.WriteText("Tarnell", "KTQExamsLeft", "7");
    EXPECT_TRUE(fs::is_symlink(folder.Path() / "k.ini"));
    EXPECT_EQ(folder.Read("real/k.ini"), "; mine\n[Tarnell]\nKTQExamsLeft=7\n");
}

TEST(SpecialFiles, ASettingsFileThatIsAPipeGivesTheDefaults) {
    testsupport::WorkingFolder folder;
    ASSERT_EQ(::mkfifo((folder.Path() / "k.ini").c_str(), 0600), 0);
    IniFileSettingsStore store((folder.Path() / "k.ini").string());
    EXPECT_FALSE(store.ReadText("Tarnell", "KTQExamsLeft").has_value());
}

#if !defined(__SANITIZE_ADDRESS__)
// The address sanitizer reserves more address space than any limit allows.
void LimitAddressSpaceToWhatIsInUsePlus(std::size_t bytes) {
    ::malloc_trim(0);  // what the heap holds free would otherwise be room too
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0;
    statm >> pages;
    const rlim_t limit = pages * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + bytes;
    const rlimit r{limit, limit};
    ::setrlimit(RLIMIT_AS, &r);
}

// Guards against a message reading only "std::bad_alloc".
TEST(SpecialFilesDeathTest, RunningOutOfMemoryOnAPoolSaysWhichFileIsTooLarge) {
    EXPECT_EXIT(
        {
            PoolProgram p;
            std::string pool = testsupport::SmallPoolBytes();
            for (int i = 0; i < 15; ++i) pool += pool.substr(pool.find("SUBELEMENT"));
            p.folder.Write("tech 2026.txt", pool);
            p.Start();
            p.Select("tech 2026.txt");
            LimitAddressSpaceToWhatIsInUsePlus(pool.size() / 8);
            p.Form().RunGuarded([&] { p.Prepare(); });
            std::cerr << p.program->Output();
            std::_Exit(0);
        },
        ::testing::ExitedWithCode(0), "\"tech 2026.txt\" is too large");
}
#endif

}  // namespace
}  // namespace ktq
