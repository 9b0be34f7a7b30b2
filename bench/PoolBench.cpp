// SPDX-License-Identifier: GPL-3.0-or-later
// Preparing a question bank from pool text: the 600-question size of a real
// pool (~190 KB) and twenty times that, which should take twenty times as long.
// The text is read as saved: in Windows-1252, and as UTF-8 and UTF-16 files,
// whose conversion should add little (UTF-8 at most 1.3 times Windows-1252).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "BenchProgram.h"
#include "PoolTexts.h"
#include "SavedAs.h"
#include "WorkingFolder.h"
#include "platform/DiskFileSystem.h"
#include "platform/HeadlessPlatform.h"
#include "platform/TextFile.h"
#include "pool/BankBuilder.h"
#include "ui/TForm1.h"

namespace ktq {
namespace {

using benchsupport::kQuestionsPerPool;
using benchsupport::PoolText;

void BM_PrepareBankFromPoolText(benchmark::State& st, testsupport::Saving how) {
    const std::string text =
        testsupport::SavedAs(PoolText(kQuestionsPerPool * static_cast<int>(st.range(0))), how);
    std::size_t records = 0;
    for (auto _ : st) {
        BuiltBank bank = BuildBankRecords(ParseLines(text));
        DropLeadingRecords(bank.records);
        records = bank.records.size();
        benchmark::DoNotOptimize(bank);
    }
    st.counters["records"] = static_cast<double>(records);
    st.counters["KB"] = static_cast<double>(text.size()) / 1024.0;
    st.SetBytesProcessed(static_cast<std::int64_t>(st.iterations() * text.size()));
}
BENCHMARK_CAPTURE(BM_PrepareBankFromPoolText, windows1252, testsupport::Saving::Windows1252)
    ->Arg(1)
    ->Arg(20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PrepareBankFromPoolText, utf8, testsupport::Saving::Utf8)
    ->Arg(1)
    ->Arg(20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PrepareBankFromPoolText, utf8_with_mark, testsupport::Saving::Utf8WithMark)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PrepareBankFromPoolText, utf16le, testsupport::Saving::Utf16LeWithMark)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

// The whole "Prepare.." of the window on the chosen pool, bank files included.
void BM_PrepareButtonWritingTheBankFiles(benchmark::State& st) {
    benchsupport::BenchProgram program;
    TForm1& form = program.form;
    const Text name = "Tech Pool 2026-2030.txt";
    program.folder.Write(name, PoolText(kQuestionsPerPool * static_cast<int>(st.range(0))));
    for (auto _ : st) {
        st.PauseTiming();
        form.ComboBox1.UserType(name);
        st.ResumeTiming();
        form.Button1.UserClick();
    }
    if (form.state.QuestionBank.size() != static_cast<std::size_t>(kQuestionsPerPool * st.range(0)))
        st.SkipWithError("the bank was not built");
}
BENCHMARK(BM_PrepareButtonWritingTheBankFiles)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ktq
