// SPDX-License-Identifier: GPL-3.0-or-later
// The random draw late in a cycle, and a whole scripted trial through the
// headless driver.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "ScriptDriver.h"
#include "WorkingFolder.h"
#include "exam/QuestionChoice.h"

namespace ktq {
namespace {

constexpr int kBankSize = 700;

Text Code(int i) {
    return "T" + std::to_string(1 + i % 9) + "X" + std::to_string(1000 + i);
}

Text Record(int i) {
    return Code(i) + "\t" + Text(1, static_cast<char>('A' + i % 4)) +
           "\t[97.1]\tWhich of these is right?\tA. one\tB. two\tC. three\tD. four\tnote";
}

// All but the last six codes asked: the cycle is one question short of its reset.
void BM_DrawWithCycleNearlyFull(benchmark::State& st) {
    LineList bank;
    Text asked;
    for (int i = 0; i < kBankSize; ++i) {
        bank.push_back(Record(i));
        if (i < kBankSize - 6)
            asked += Code(i) + " ";
    }
    std::uint64_t counter = 0;
    auto next = [&counter] { return counter += 3579; };
    for (auto _ : st) benchmark::DoNotOptimize(DrawQualifyingEntry(bank, asked, false, next));
}
BENCHMARK(BM_DrawWithCycleNearlyFull)->Unit(benchmark::kMicrosecond);

using testsupport::WorkingFolder;

// 1,000 answers, every fourth one wrong, each followed by the ticks of its feedback.
void BM_ScriptedTrialOf1000Answers(benchmark::State& st) {
    WorkingFolder folder;
    {
        std::ofstream bank(folder.PathOf("tech-tests.txt"), std::ios::binary);
        for (int i = 0; i < kBankSize; ++i) bank << Record(i) << "\r\n";
    }
    std::ostringstream script;
    script << "select tech-tests.txt\nclick Button1\ntrack 1\nclick Button4\n";
    for (int i = 0; i < 1000; ++i) script << "press RichEdit" << 2 + i % 4 << "\ntick Timer1 3\n";
    script << "state DoneCount\n";
    const std::string text = script.str();
    const std::string path = folder.Path().string();
    const char* argv[] = {"ktqtests-headless", "--now",     "2026-12-08 09:00:00", "--counter", "1",
                          "--folder",          path.c_str()};
    for (auto _ : st) {
        std::ofstream(folder.PathOf("qstnslog.txt"), std::ios::binary | std::ios::trunc);
        std::istringstream in(text);
        std::ostringstream out, err;
        RunHeadlessProgram(7, argv, in, out, err);
        if (out.str().find("1000\n") == std::string::npos)
            st.SkipWithError("the trial did not run");
    }
}
BENCHMARK(BM_ScriptedTrialOf1000Answers)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ktq
