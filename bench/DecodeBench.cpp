// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a saved pool into the program's text, line by line: Windows-1252
// (every line with a curly quote is tried as UTF-8 and kept), UTF-8, and
// UTF-8 with one bad byte, at twenty times a real pool (~4 MB).
#include <benchmark/benchmark.h>

#include "PoolTexts.h"
#include "SavedAs.h"
#include "text/TextEncoding.h"

namespace ktq {
namespace {

enum class Saved { Windows1252, Utf8, Utf8WithABadByte };

void BM_DecodeSavedPool(benchmark::State& st, Saved how) {
    const std::string pool = benchsupport::PoolText(benchsupport::kQuestionsPerPool * 20);
    std::string bytes =
        how == Saved::Windows1252 ? pool : testsupport::SavedAs(pool, testsupport::Saving::Utf8);
    if (how == Saved::Utf8WithABadByte)
        bytes.insert(bytes.size() / 2, "\xFF");
    for (auto _ : st) {
        Text text = DecodeSavedText(std::string(bytes));
        benchmark::DoNotOptimize(text);
    }
    st.SetBytesProcessed(static_cast<std::int64_t>(st.iterations() * bytes.size()));
}
BENCHMARK_CAPTURE(BM_DecodeSavedPool, windows1252, Saved::Windows1252)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DecodeSavedPool, utf8, Saved::Utf8)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DecodeSavedPool, utf8_with_a_bad_byte, Saved::Utf8WithABadByte)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ktq
