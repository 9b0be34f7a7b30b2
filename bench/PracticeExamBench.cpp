// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing a practice exam from a bank the size and shape of the Extra pool:
// 599 questions in 50 groups of 10 sub-elements.
#include <benchmark/benchmark.h>

#include <string>

#include "exam/PracticeExam.h"

namespace ktq {
namespace {

LineList ExtraShapedBank() {
    LineList bank;
    for (int i = 0; i < 599; ++i) {
        const int group = i * 50 / 599;
        const Text code = "E" + std::to_string(group / 5) + static_cast<char>('A' + group % 5) +
                          (i % 12 < 9 ? "0" : "") + std::to_string(i % 12 + 1);
        bank.push_back(code + "\tB\t[97.1]\tWhich of these is right?\tA. one\tB. two\tC. three" +
                       "\tD. four" + (i % 40 == 0 ? " (Figure E9-1)" : ""));
    }
    return bank;
}

void BM_DrawExtraPracticeExam(benchmark::State& st) {
    const LineList bank = ExtraShapedBank();
    std::uint64_t counter = 0;
    auto next = [&counter] { return counter += 3579; };
    for (auto _ : st) benchmark::DoNotOptimize(DrawPracticeExam(bank, 50, false, next));
}
BENCHMARK(BM_DrawExtraPracticeExam)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ktq
