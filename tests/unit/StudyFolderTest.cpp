// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "WorkingFolder.h"
#include "app/StudyFolder.h"
#include "history/HistoryPlace.h"
#include "history/StudyHistory.h"

namespace ktq {
namespace {

namespace fs = std::filesystem;
using testsupport::WorkingFolder;
using Kind = FolderChoice::Kind;
using Args = std::vector<std::string>;

struct OptionCase {
    const char* name;
    Args args;
    Kind kind;
    std::string folder;
    Args parameters;
};

void PrintTo(const OptionCase& c, std::ostream* os) {
    *os << c.name;
}

class FolderOptions : public ::testing::TestWithParam<OptionCase> {};

TEST_P(FolderOptions, AreTakenOutAndTheRestStaysTheProgramsParameters) {
    WorkingFolder work;
    fs::create_directory(work.Path() / "pools");
    const OptionCase& c = GetParam();
    const FolderChoice choice = ReadFolderOptions(c.args, work.Path());
    EXPECT_EQ(choice.kind, c.kind);
    EXPECT_EQ(choice.folder, fs::path(c.folder));
    EXPECT_EQ(choice.parameters, c.parameters);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, FolderOptions,
    ::testing::Values(
        OptionCase{"NoneKeepsTheCurrentFolder", {"/diag"}, Kind::Current, "", {"/diag"}},
        OptionCase{"FolderBeforeParameters",
                   {"--folder", "pools", "/diag"},
                   Kind::Given,
                   "pools",
                   {"/diag"}},
        OptionCase{"FolderAfterParameters",
                   {"/DIAG", "--folder=pools", "x"},
                   Kind::Given,
                   "pools",
                   {"/DIAG", "x"}},
        // Checked only when the folder is entered, for a clear message there.
        OptionCase{"MissingFolderIsStillTaken", {"--folder", "nosuch"}, Kind::Given, "nosuch", {}},
        OptionCase{
            "FirstArgumentNamingAFolder", {"pools", "/diag"}, Kind::Given, "pools", {"/diag"}},
        OptionCase{"FirstArgumentNamingNoFolder",
                   {"nosuch", "pools"},
                   Kind::Current,
                   "",
                   {"nosuch", "pools"}},
        OptionCase{"LaterArgumentIsNeverAFolder",
                   {"/diag", "pools"},
                   Kind::Current,
                   "",
                   {"/diag", "pools"}},
        OptionCase{"UsersFolder", {"--study-folder", "/diag"}, Kind::UsersFolder, "", {"/diag"}},
        OptionCase{"DoubleDashEndsTheOptions",
                   {"--", "--folder", "pools"},
                   Kind::Current,
                   "",
                   {"--folder", "pools"}}),
    [](const ::testing::TestParamInfo<OptionCase>& row) { return std::string(row.param.name); });

TEST(FolderOptions, AMissingOrSecondFolderIsRefused) {
    WorkingFolder work;
    fs::create_directory(work.Path() / "pools");
    for (const Args& args :
         {Args{"--folder"}, Args{"--folder="}, Args{"--folder", ""},
          Args{"--folder", "pools", "--study-folder"}, Args{"pools", "--folder", "pools"}}) {
        EXPECT_THROW(ReadFolderOptions(args, work.Path()), StudyFolderError)
            << args.size() << " " << args[0];
    }
}

// The help must come before the study folder is prepared, so "--help" never
// creates ~/KTQTests; after "--" the letters are the program's own.
TEST(FolderOptions, HelpAndVersionAreAskedForOnlyBeforeTheDoubleDash) {
    WorkingFolder work;
    const auto read = [&](const Args& args) { return ReadFolderOptions(args, work.Path()); };
    EXPECT_EQ(read({"--study-folder", "-h"}).info, InfoRequest::Help);
    EXPECT_EQ(read({"--version", "--help"}).info, InfoRequest::Version);
    EXPECT_EQ(read({"/diag", "-v"}).parameters, Args{"/diag"});
    const FolderChoice late = read({"--", "-v", "--help"});
    EXPECT_EQ(late.info, InfoRequest::None);
    EXPECT_EQ(late.parameters, (Args{"-v", "--help"}));
}

std::string EnterMessage(const FolderChoice& choice, const fs::path& here,
                         fs::path* entered = nullptr) {
    try {
        const fs::path folder = ChosenFolder(choice, "/nowhere/bin/ktqtests", here);
        if (entered != nullptr)
            *entered = folder;
    } catch (const StudyFolderError& e) {
        return e.what();
    }
    return "";
}

TEST(EnterFolder, EntersTheGivenFolderOrSaysWhyNot) {
    WorkingFolder work;
    fs::create_directory(work.Path() / "pools");
    work.Write("notes.txt", "x");

    EXPECT_EQ(EnterMessage({Kind::Given, "nosuch", {}}, work.Path()),
              "the study folder \"nosuch\" does not exist");
    EXPECT_EQ(EnterMessage({Kind::Given, "notes.txt", {}}, work.Path()),
              "\"notes.txt\" is not a folder");

    fs::path entered;
    EXPECT_EQ(EnterMessage({Kind::Current, "", {}}, work.Path(), &entered), "");
    EXPECT_EQ(entered, work.Path());
    EXPECT_EQ(EnterMessage({Kind::Given, "pools", {}}, work.Path(), &entered), "");
    EXPECT_EQ(entered, work.Path() / "pools");
}

void WriteFile(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A folder of sample files, one of them read-only as a package may install
// it, with study-note files and the prepared banks' folder.
fs::path MakeSamples(const fs::path& samples) {
    fs::create_directories(samples / "Explained");
    WriteFile(samples / "Tech Pool.txt", "pool");
    WriteFile(samples / "KTQTech 2026 ^ study.txt", "tech notes");
    WriteFile(samples / "KTQExtra 2024 ^ study.txt", "extra notes");
    WriteFile(samples / "Explained/Extra-tests.txt", "bank");
    WriteFile(samples / "Explained/Tech-tests.txt", "bank");
    WriteFile(samples / "rule97.txt", "rules");
    fs::permissions(samples / "rule97.txt", fs::perms::owner_read | fs::perms::group_read);
    return samples;
}

TEST(PrepareStudyFolder, ANewFolderGetsTheSamplesAsTheUsersOwnFiles) {
    WorkingFolder work;
    const fs::path samples = MakeSamples(work.Path() / "samples");
    PrepareStudyFolder(work.Path() / "KTQTests", samples);
    EXPECT_EQ(ReadAll(work.Path() / "KTQTests/Tech Pool.txt"), "pool");
    EXPECT_EQ(ReadAll(work.Path() / "KTQTests/rule97.txt"), "rules");
    const fs::perms copied = fs::status(work.Path() / "KTQTests/rule97.txt").permissions();
    EXPECT_NE(copied & fs::perms::owner_write, fs::perms::none);
    // Nothing is left of the copy but the folder itself.
    EXPECT_EQ(std::distance(fs::directory_iterator(work.Path()), fs::directory_iterator()), 2);
}

TEST(PrepareStudyFolder, AnEmptyFolderGetsTheSamples) {
    WorkingFolder work;
    const fs::path samples = MakeSamples(work.Path() / "samples");
    fs::create_directory(work.Path() / "KTQTests");
    PrepareStudyFolder(work.Path() / "KTQTests", samples);
    EXPECT_EQ(ReadAll(work.Path() / "KTQTests/Tech Pool.txt"), "pool");
}

TEST(PrepareStudyFolder, AFolderHoldingAnythingIsLeftAsItIs) {
    WorkingFolder work;
    const fs::path samples = MakeSamples(work.Path() / "samples");
    const fs::path folder = work.Path() / "KTQTests";
    fs::create_directory(folder);
    WriteFile(folder / "Tech Pool.txt", "my own pool");
    WriteFile(folder / "KTQTech 2026 ^ study.txt", "my own notes");
    PrepareStudyFolder(folder, samples);
    EXPECT_EQ(ReadAll(folder / "Tech Pool.txt"), "my own pool");
    EXPECT_EQ(ReadAll(folder / "KTQTech 2026 ^ study.txt"), "my own notes");
    EXPECT_FALSE(fs::exists(folder / "rule97.txt"));
    // What a newer version brings and the folder lacks is added, once.
    EXPECT_EQ(ReadAll(folder / "KTQExtra 2024 ^ study.txt"), "extra notes");
    EXPECT_EQ(ReadAll(folder / "Explained/Extra-tests.txt"), "bank");
    WriteFile(folder / "Explained/Extra-tests.txt", "my bank");
    fs::remove(folder / "KTQExtra 2024 ^ study.txt");
    fs::remove(folder / "Explained/Tech-tests.txt");
    PrepareStudyFolder(folder, samples);
    EXPECT_EQ(ReadAll(folder / "Explained/Extra-tests.txt"), "my bank");
    EXPECT_FALSE(fs::exists(folder / "Explained/Tech-tests.txt"));
}

TEST(HistoryPlace, TheExplainedFolderSharesItsStudyFoldersHistory) {
    for (const auto& [folder, history] :
         {std::pair<std::string, std::string>{"/h/KTQTests", "/h/KTQTests/"},
          {"/h/KTQTests/Explained", "/h/KTQTests/"},
          {"/h/KTQTests/Explained/", "/h/KTQTests/"},
          {"/h/explained", "/h/explained/"}}) {
        EXPECT_EQ(HistoryPathFor(folder), history + kHistoryFile) << folder;
    }
}

TEST(PrepareStudyFolder, WithoutSamplesTheFolderIsCreatedEmpty) {
    WorkingFolder work;
    PrepareStudyFolder(work.Path() / "KTQTests", work.Path() / "nosuch");
    EXPECT_TRUE(fs::is_directory(work.Path() / "KTQTests"));
    EXPECT_TRUE(fs::is_empty(work.Path() / "KTQTests"));
}

TEST(PrepareStudyFolder, AFileInItsPlaceIsReportedAndKept) {
    WorkingFolder work;
    const fs::path samples = MakeSamples(work.Path() / "samples");
    work.Write("KTQTests", "a file");
    EXPECT_THROW(PrepareStudyFolder(work.Path() / "KTQTests", samples), StudyFolderError);
    EXPECT_EQ(work.Read("KTQTests"), "a file");
}

// Sets HOME for one test and puts the previous value back.
class HomeFolder {
  public:
    explicit HomeFolder(const fs::path& home) {
        if (const char* h = std::getenv("HOME"))
            previous_ = h;
        setenv("HOME", home.c_str(), 1);
    }
    ~HomeFolder() {
        if (previous_)
            setenv("HOME", previous_->c_str(), 1);
        else
            unsetenv("HOME");
    }

  private:
    std::optional<std::string> previous_;
};

TEST(EnterFolder, TheUsersFolderIsPreparedFromTheSamplesBesideTheProgram) {
    WorkingFolder work;
    fs::create_directory(work.Path() / "home");
    HomeFolder home(work.Path() / "home");
    MakeSamples(work.Path() / "unpacked/usr/share/ktqtests/samples");

    EXPECT_EQ(UsersStudyFolder(), work.Path() / "home/KTQTests");
    EXPECT_EQ(ChosenFolder({Kind::UsersFolder, "", {}}, work.Path() / "unpacked/usr/bin/ktqtests",
                           work.Path()),
              work.Path() / "home/KTQTests");
    EXPECT_EQ(ReadAll(work.Path() / "home/KTQTests/Tech Pool.txt"), "pool");
}

}  // namespace
}  // namespace ktq
