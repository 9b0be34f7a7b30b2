// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>

#include "PoolFixture.h"
#include "ScriptDriver.h"

namespace ktq {
namespace {

struct DriverRun {
    int code = 0;
    std::string out, err;
};

DriverRun RunScript(const std::string& script, const char* option = "--",
                    const testsupport::WorkingFolder& folder = testsupport::WorkingFolder()) {
    std::istringstream in(script);
    std::ostringstream out, err;
    const std::string path = folder.Path().string();
    const char* argv[] = {"ktqtests-headless", "--folder", path.c_str(), option};
    DriverRun r;
    r.code = RunHeadlessProgram(4, argv, in, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

struct MalformedCase {
    const char* name;
    const char* action;
    const char* complaint;
};

class MalformedActionTest : public ::testing::TestWithParam<MalformedCase> {};

// Guards against a wrong control kind slipping into the program's own error
// report, which answers with a message box and carries on with exit code 0.
TEST_P(MalformedActionTest, EndsTheScriptWithExitCode2) {
    const DriverRun r = RunScript(std::string(GetParam().action) + "\nstate TestsMode\n");
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err, std::string("script line 1: ") + GetParam().complaint + "\n");
    EXPECT_EQ(r.out.find("false"), std::string::npos) << "the script went on";
    EXPECT_EQ(r.out.find("MESSAGE \"KTQ"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Actions, MalformedActionTest,
    ::testing::Values(
        MalformedCase{"ClickALabel", "click Label1", "\"Label1\" cannot be clicked"},
        MalformedCase{"TypeIntoALabel", "type Label1 hello", "\"Label1\" takes no typing"},
        MalformedCase{"PressAButton", "press Button1", "\"Button1\" cannot be pressed"},
        MalformedCase{"TickALabel", "tick Label1", "\"Label1\" is not a timer"},
        MalformedCase{"ClickNothing", "click Nothing", "no control named \"Nothing\""}),
    [](const auto& row) { return row.param.name; });

// A script run with --read-only works as usual and writes no text file.
TEST(Driver, ReadOnlyWritesNoFile) {
    testsupport::WorkingFolder folder;
    folder.Write("tech 2026.txt", testsupport::SmallPoolBytes());
    const DriverRun r = RunScript(
        "select tech 2026.txt\nclick Button1\nclick Button3\n"
        "print Label20.text\nprint Label38.text\n",
        "--read-only", folder);
    EXPECT_EQ(r.out, "2\nRead-only: only the answer history is written to this folder.\n");
    for (const char* name :
         {"qfile.txt", "qstns.txt", "qstnslog.txt", "SWOT Extract ^ tech 2026.txt"})
        EXPECT_FALSE(folder.Exists(name)) << name;
}

TEST(DriverOptions, HelpAndVersionPrintAndRunNothing) {
    testsupport::WorkingFolder folder;
    const std::string path = folder.Path().string();
    for (const char* asked : {"--help", "-v"}) {
        std::istringstream in("state TestsMode\n");
        std::ostringstream out, err;
        const char* argv[] = {"ktqtests-headless", "--folder", path.c_str(), asked};
        EXPECT_EQ(RunHeadlessProgram(4, argv, in, out, err), 0) << asked;
        EXPECT_EQ(err.str(), "");
        EXPECT_EQ(out.str().find("false"), std::string::npos) << "the script ran";
        EXPECT_TRUE(out.str().starts_with(asked == std::string("-v") ? "ktqtests-headless 1."
                                                                     : "usage: ktqtests-headless"))
            << out.str();
    }
}

}  // namespace
}  // namespace ktq
