// SPDX-License-Identifier: GPL-3.0-or-later
// Every file the program replaces keeps its old content when the new one
// cannot be written or cannot be renamed into place, and the user is told.
#include <gtest/gtest.h>

#include <tuple>

#include "PoolFixture.h"

namespace ktq {
namespace {

using testsupport::PoolProgram;

enum class Failure { Write, Rename };

struct WriterCase {
    const char* name;
    const char* file;  // the file the action replaces
    std::function<void(PoolProgram&)> action;
    bool empty = false;  // the new file is empty: no write of it can fail
};

void Prepare(PoolProgram& p) {
    p.Select("tech 2026.txt");
    p.Prepare();
}

const WriterCase kWriters[] = {
    {"Bank", "qstns.txt", Prepare},
    {"LevelBank", "KTQTech 2026 ^ Qstns.txt", Prepare},
    {"QuestionLog", "qstnslog.txt", [](PoolProgram& p) { p.Select("tech 2026.txt"); }, true},
    {"Swot", "SWOT Extract ^ tech 2026.txt",
     [](PoolProgram& p) {
         p.Select("tech 2026.txt");
         p.Form().Button3.UserClick();
     }},
    {"Review", "KTQTech 2026 ^ Review.txt",
     [](PoolProgram& p) {
         p.Form().state.IncorrectList = "T1A01\tC\tA,";
         p.Form().Button5.SetEnabled(true);
         p.Form().Button5.UserClick();
     }},
    {"Exams", "KTQTech 2026 ^ Exams.txt",
     [](PoolProgram& p) {
         p.Form().Button6.UserClick();
         while (p.Form().state.ExamRunning) p.Form().RichEdit2.UserMouseDown(MouseButton::Left);
     }},
};

class FailedReplacementTest : public ::testing::TestWithParam<std::tuple<WriterCase, Failure>> {};

TEST_P(FailedReplacementTest, KeepsTheOldFileAndSaysSo) {
    // Not a structured binding: clang 14 cannot capture one in a lambda.
    const WriterCase& writer = std::get<0>(GetParam());
    const Failure failure = std::get<1>(GetParam());
    PoolProgram p;
    p.folder.Write("tech 2026.txt", testsupport::SmallPoolBytes());
    p.Start();
    if (std::string(writer.name) == "Review" || std::string(writer.name) == "Exams")
        Prepare(p);  // a bank to review against, before the files fail
    p.folder.Write(writer.file, "the old content\r\n");
    if (failure == Failure::Write)
        p.program->Files().FailWritesAfter(4);
    else
        p.program->Files().FailRenames(EACCES);
    p.Form().RunGuarded([&] { writer.action(p); });

    EXPECT_EQ(p.folder.Read(writer.file), "the old content\r\n");
    const std::string reason =
        failure == Failure::Write ? "No space left on device" : "Permission denied";
    EXPECT_NE(p.program->Output().find(reason), std::string::npos) << p.program->Output();
}

std::vector<std::tuple<WriterCase, Failure>> Cases() {
    std::vector<std::tuple<WriterCase, Failure>> cases;
    for (const WriterCase& w : kWriters) {
        if (!w.empty)
            cases.emplace_back(w, Failure::Write);
        cases.emplace_back(w, Failure::Rename);
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, FailedReplacementTest, ::testing::ValuesIn(Cases()),
                         [](const auto& row) {
                             return std::string(std::get<0>(row.param).name) +
                                    (std::get<1>(row.param) == Failure::Write ? "Write" : "Rename");
                         });

}  // namespace
}  // namespace ktq
