#include <gtest/gtest.h>

#include "AppFixture.h"
#include "platform/TextFile.h"

namespace ktq {
namespace {

using testsupport::WorkingFolder;

TEST(TextFileReading, EveryLineEndCountsAndANulByteEndsTheText) {
    EXPECT_EQ(ParseLines(std::string("a\r\nb\nc\rd\0e\r\nf", 14)), (LineList{"a", "b", "c", "d"}));
    EXPECT_EQ(ParseLines("last line without break"), (LineList{"last line without break"}));
}

TEST(TextFileReading, AFolderOrAMissingFileIsAReadableError) {
    WorkingFolder folder;
    std::filesystem::create_directory(folder.Path() / "sub");
    EXPECT_THROW(ReadLines("missing.txt"), IoError);
    EXPECT_THROW(ReadLines("sub"), IoError);
}

TEST(TextFileWriting, LinesEndWithCrLfAndBytesAreKept) {
    WorkingFolder folder;
    WriteLinesReplacing("out.txt", {"a\x93q\x94", "", "z"});
    EXPECT_EQ(folder.Read("out.txt"), "a\x93q\x94\r\n\r\nz\r\n");
    WriteLinesReplacing("empty.txt", {});
    EXPECT_TRUE(folder.Exists("empty.txt"));
    EXPECT_EQ(folder.Read("empty.txt"), "");
}

TEST(TextFileWriting, AFailedWriteLeavesTheOldFileWholeAndNoTemporaryBehind) {
    WorkingFolder folder;
    folder.Write("bank.txt", "good\r\n");
    testing::FailWritesAfterBytes(3);
    EXPECT_THROW(WriteLinesReplacing("bank.txt", {"new content that fails"}), IoError);
    testing::FailWritesAfterBytes(std::nullopt);
    EXPECT_EQ(folder.Read("bank.txt"), "good\r\n");
    int entries = 0;
    for (auto& e : std::filesystem::directory_iterator(folder.Path())) {
        (void)e;
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

std::string ReplaceError(const Text& name) {
    try {
        WriteLinesReplacing(name, {"new"});
    } catch (const IoError& e) {
        return e.what();
    }
    return "";
}

// Guards against the reason being lost while the temporary file is removed
// ("Cannot replace file ...: Success").
TEST(TextFileWriting, AFailureCarriesItsRealReason) {
    WorkingFolder folder;
    std::filesystem::create_directories(folder.Path() / "qstnslog.txt" / "inside");
    EXPECT_EQ(ReplaceError("qstnslog.txt"), "Cannot replace file \"qstnslog.txt\": Is a directory");
    testing::FailWritesAfterBytes(1);
    EXPECT_EQ(ReplaceError("qstns.txt"),
              "Cannot write file \"qstns.txt\": No space left on device");
    testing::FailWritesAfterBytes(std::nullopt);
    EXPECT_FALSE(folder.Exists("qstns.txt"));
    int entries = 0;
    for (auto& e : std::filesystem::directory_iterator(folder.Path())) {
        (void)e;
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

TEST(TextFileWriting, ALinkPlantedAtATemporaryNameIsNotWrittenThrough) {
    WorkingFolder folder;
    folder.Write("victim.txt", "precious\r\n");
    std::filesystem::create_symlink(folder.Path() / "victim.txt",
                                    folder.Path() / "qstns.txt.ktq-part");
    WriteLinesReplacing("qstns.txt", {"bank"});
    EXPECT_EQ(folder.Read("victim.txt"), "precious\r\n");
    EXPECT_EQ(folder.Read("qstns.txt"), "bank\r\n");
}

TEST(TextFileWriting, AWriteIntoAMissingFolderIsReported) {
    WorkingFolder folder;
    EXPECT_THROW(WriteLinesReplacing("no-such-folder/x.txt", {"a"}), IoError);
}

TEST(TextFileAppending, NeedsAnExistingFile) {
    WorkingFolder folder;
    EXPECT_THROW(AppendLine("qstnslog.txt", "T1A01"), IoError);
    folder.Write("qstnslog.txt", "");
    AppendLine("qstnslog.txt", "T1A01");
    AppendLine("qstnslog.txt", "T1A02");
    EXPECT_EQ(folder.Read("qstnslog.txt"), "T1A01\r\nT1A02\r\n");
}

TEST(TextFileFolder, ListingIsSortedIgnoringCaseAndSkipsFolders) {
    WorkingFolder folder;
    for (const char* n : {"b.txt", "A.txt", "c.TXT", "\xE9t\xE9.txt"}) folder.Write(n, "x");
    std::filesystem::create_directory(folder.Path() / "aa-folder");
    LineList names{"kept"};
    ListFolderFiles(".", names);
    EXPECT_EQ(names, (LineList{"kept", "A.txt", "b.txt", "c.TXT", "\xE9t\xE9.txt"}));
}

TEST(TextFileFolder, SizesCopiesAndRenames) {
    WorkingFolder folder;
    folder.Write("pool.txt", "12345");
    folder.Write("empty.txt", "");
    EXPECT_EQ(FileSizeOf("pool.txt"), 5);
    EXPECT_EQ(FileSizeOf("missing.txt"), -1);
    EXPECT_TRUE(PresentAndNotEmpty("pool.txt"));
    EXPECT_FALSE(PresentAndNotEmpty("empty.txt"));
    EXPECT_TRUE(CopyFileOver("pool.txt", "qfile.txt"));
    EXPECT_EQ(folder.Read("qfile.txt"), "12345");
    EXPECT_FALSE(CopyFileOver("missing.txt", "qfile.txt"));
    EXPECT_EQ(folder.Read("qfile.txt"), "12345");
    EXPECT_FALSE(RenameFile("pool.txt", "qfile.txt"));  // never replaces
    EXPECT_TRUE(RenameFile("pool.txt", "pool.txt.bak"));
    EXPECT_FALSE(folder.Exists("pool.txt"));
}

}  // namespace
}  // namespace ktq
