// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing and preparing pools of 1, 10 and 100 times a real pool's 600
// questions: the time should grow with the size, and the heap at its peak
// stay within a few times the pool's own size.
#include <benchmark/benchmark.h>

#include <sstream>

#include "BenchProgram.h"
#include "HeapCounter.h"
#include "PoolTexts.h"
#include "WorkingFolder.h"
#include "platform/DiskFileSystem.h"
#include "platform/HeadlessPlatform.h"
#include "ui/TForm1.h"

namespace ktq {
namespace {

void BM_ChooseAndPreparePool(benchmark::State& st) {
    benchsupport::BenchProgram program;
    TForm1& form = program.form;
    const int questions = benchsupport::kQuestionsPerPool * static_cast<int>(st.range(0));
    const Text name = "Tech Pool 2026-2030.txt";
    const std::string text = benchsupport::PoolText(questions);
    program.folder.Write(name, text);
    std::int64_t peak = 0;
    for (auto _ : st) {
        st.PauseTiming();
        // What an earlier run left is gone, as it is when the program starts.
        form.state.QuestionBank.clear();
        form.state.QuestionBank.shrink_to_fit();
        form.state.PoolLines.clear();
        form.state.PoolLines.shrink_to_fit();
        form.ComboBox2.Clear();
        const std::int64_t before = benchsupport::HeapInUse();
        benchsupport::ResetHeapPeak();
        st.ResumeTiming();
        form.ComboBox1.UserType(name);
        form.Button1.UserClick();
        st.PauseTiming();
        peak = std::max(peak, benchsupport::HeapPeak() - before);
        st.ResumeTiming();
    }
    if (form.state.QuestionBank.size() != static_cast<std::size_t>(questions))
        st.SkipWithError("the bank was not built");
    st.counters["MB"] = static_cast<double>(text.size()) / (1024.0 * 1024.0);
    st.counters["us_per_question"] = benchmark::Counter(
        questions, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    st.counters["peak_MB"] = static_cast<double>(peak) / (1024.0 * 1024.0);
    st.counters["peak_per_pool"] = static_cast<double>(peak) / static_cast<double>(text.size());
}
BENCHMARK(BM_ChooseAndPreparePool)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ktq
