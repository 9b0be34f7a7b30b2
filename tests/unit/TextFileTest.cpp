// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "AppFixture.h"
#include "platform/TextFile.h"

namespace ktq {
namespace {

using testsupport::FailingFileSystem;
using testsupport::WorkingFolder;

int EntriesIn(const WorkingFolder& folder) {
    int entries = 0;
    for (auto& e : std::filesystem::directory_iterator(folder.Path())) {
        (void)e;
        ++entries;
    }
    return entries;
}

TEST(TextFileReading, EveryLineEndCountsAndANulByteEndsTheText) {
    EXPECT_EQ(ParseLines(std::string("a\r\nb\nc\rd\0e\r\nf", 14)), (LineList{"a", "b", "c", "d"}));
    EXPECT_EQ(ParseLines("last line without break"), (LineList{"last line without break"}));
}

TEST(TextFileReading, AFolderOrAMissingFileIsAReadableError) {
    WorkingFolder folder;
    std::filesystem::create_directory(folder.Path() / "sub");
    EXPECT_THROW(ReadLines(folder.Files(), "missing.txt"), IoError);
    EXPECT_THROW(ReadLines(folder.Files(), "sub"), IoError);
}

TEST(TextFileWriting, LinesEndWithCrLfAndBytesAreKept) {
    WorkingFolder folder;
    WriteLinesReplacing(folder.Files(), "out.txt", {"a\x93q\x94", "", "z"});
    EXPECT_EQ(folder.Read("out.txt"), "a\x93q\x94\r\n\r\nz\r\n");
    WriteLinesReplacing(folder.Files(), "empty.txt", {});
    EXPECT_TRUE(folder.Exists("empty.txt"));
    EXPECT_EQ(folder.Read("empty.txt"), "");
}

std::string ReplaceError(FileSystem& files, const Text& name) {
    try {
        WriteLinesReplacing(files, name, {"new content that fails"});
    } catch (const IoError& e) {
        return e.what();
    }
    return "";
}

// Guards against a truncated file where a good one stood, and against the
// reason being lost while the temporary file is removed ("...: Success").
TEST(TextFileWriting, AFailedWriteOrRenameKeepsTheOldFileAndSaysWhy) {
    WorkingFolder folder;
    FailingFileSystem files(folder.Files());
    folder.Write("bank.txt", "good\r\n");
    files.FailWritesAfter(3);
    EXPECT_EQ(ReplaceError(files, "bank.txt"),
              "Cannot write file \"bank.txt\": No space left on device");
    files.FailWritesAfter(std::nullopt);
    files.FailRenames(EACCES);
    EXPECT_EQ(ReplaceError(files, "bank.txt"),
              "Cannot replace file \"bank.txt\": Permission denied");
    EXPECT_EQ(folder.Read("bank.txt"), "good\r\n");
    EXPECT_EQ(EntriesIn(folder), 1);  // no temporary file behind
}

TEST(TextFileWriting, AFolderInTheWayIsTheRealReason) {
    WorkingFolder folder;
    std::filesystem::create_directories(folder.Path() / "qstnslog.txt" / "inside");
    EXPECT_EQ(ReplaceError(folder.Files(), "qstnslog.txt"),
              "Cannot replace file \"qstnslog.txt\": Is a directory");
    EXPECT_EQ(EntriesIn(folder), 1);
}

TEST(TextFileWriting, ALinkPlantedAtATemporaryNameIsNotWrittenThrough) {
    WorkingFolder folder;
    folder.Write("victim.txt", "precious\r\n");
    std::filesystem::create_symlink(folder.Path() / "victim.txt",
                                    folder.Path() / "qstns.txt.ktq-part");
    WriteLinesReplacing(folder.Files(), "qstns.txt", {"bank"});
    EXPECT_EQ(folder.Read("victim.txt"), "precious\r\n");
    EXPECT_EQ(folder.Read("qstns.txt"), "bank\r\n");
}

TEST(TextFileWriting, AWriteIntoAMissingFolderIsReported) {
    WorkingFolder folder;
    EXPECT_THROW(WriteLinesReplacing(folder.Files(), "no-such-folder/x.txt", {"a"}), IoError);
}

// What stands in the file's place is said: a folder is not "file not found".
TEST(TextFileAppending, NeedsAnExistingFileAndSaysWhatIsThereInstead) {
    WorkingFolder folder;
    EXPECT_THROW(AppendLine(folder.Files(), "qstnslog.txt", "T1A01"), IoError);
    std::filesystem::create_directory(folder.PathOf("qstnslog.txt"));
    EXPECT_EQ(NotAFileReason(folder.Files().Stat("qstnslog.txt")), "it is a folder");
    EXPECT_THROW(AppendLine(folder.Files(), "qstnslog.txt", "T1A01"), IoError);
    std::filesystem::remove(folder.PathOf("qstnslog.txt"));
    folder.Write("qstnslog.txt", "");
    AppendLine(folder.Files(), "qstnslog.txt", "T1A01");
    AppendLine(folder.Files(), "qstnslog.txt", "T1A02");
    EXPECT_EQ(folder.Read("qstnslog.txt"), "T1A01\r\nT1A02\r\n");
}

TEST(TextFileFolder, ListingIsSortedIgnoringCaseAndSkipsFolders) {
    WorkingFolder folder;
    for (const char* n : {"b.txt", "A.txt", "c.TXT", "\xE9t\xE9.txt"}) folder.Write(n, "x");
    std::filesystem::create_directory(folder.Path() / "aa-folder");
    LineList names;
    for (const FileName& n : ListFolderFiles(folder.Files())) names.push_back(n.Shown());
    EXPECT_EQ(names, (LineList{"A.txt", "b.txt", "c.TXT", "\xE9t\xE9.txt"}));
}

TEST(TextFileFolder, SizesCopiesAndRenames) {
    WorkingFolder folder;
    FileSystem& files = folder.Files();
    folder.Write("pool.txt", "12345");
    folder.Write("empty.txt", "");
    EXPECT_EQ(FileSizeOf(files, "pool.txt"), 5);
    EXPECT_EQ(FileSizeOf(files, "missing.txt"), -1);
    EXPECT_TRUE(PresentAndNotEmpty(files, "pool.txt"));
    EXPECT_FALSE(PresentAndNotEmpty(files, "empty.txt"));
    CopyFileOver(files, "pool.txt", "qfile.txt");
    EXPECT_EQ(folder.Read("qfile.txt"), "12345");
    EXPECT_THROW(CopyFileOver(files, "missing.txt", "qfile.txt"), IoError);
    EXPECT_EQ(folder.Read("qfile.txt"), "12345");
    EXPECT_FALSE(RenameFile(files, "pool.txt", "qfile.txt"));  // never replaces
    EXPECT_TRUE(RenameFile(files, "pool.txt", "pool.txt.bak"));
    EXPECT_FALSE(folder.Exists("pool.txt"));
}

}  // namespace
}  // namespace ktq
