// SPDX-License-Identifier: GPL-3.0-or-later
// "Prepare.." on a pool whose codes never start the first sub-element: every
// record is trimmed from the front of the code list and the bank, which must
// cost in proportion to the pool, not to its square.
#include <benchmark/benchmark.h>

#include <sstream>

#include "PoolTexts.h"
#include "WorkingFolder.h"
#include "platform/DiskFileSystem.h"
#include "platform/HeadlessPlatform.h"
#include "platform/TextFile.h"
#include "ui/TForm1.h"

namespace ktq {
namespace {

void BM_PrepareTrimmingEveryRecord(benchmark::State& st) {
    testsupport::WorkingFolder folder;
    const int questions = benchsupport::kQuestionsPerPool * static_cast<int>(st.range(0));
    const LineList pool = ParseLines(benchsupport::PoolText(questions, false));
    std::ostringstream out;
    HeadlessPlatform platform(out, std::make_unique<MemorySettingsStore>(),
                              std::make_unique<DiskFileSystem>(folder.Path()));
    TForm1 form(platform);
    for (auto _ : st) {
        st.PauseTiming();
        form.ComboBox2.Clear();
        form.state.PoolLines = pool;
        st.ResumeTiming();
        form.BuildQuestionBank();
    }
    if (!form.state.QuestionBank.empty() || !form.ComboBox2.Items().empty())
        st.SkipWithError("records were left");
    st.counters["questions"] = questions;
    st.counters["us_per_question"] = benchmark::Counter(
        static_cast<double>(questions),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PrepareTrimmingEveryRecord)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ktq
