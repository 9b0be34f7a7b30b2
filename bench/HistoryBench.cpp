// SPDX-License-Identifier: GPL-3.0-or-later
// The answer history: recording one answer (its 99th percentile), and the
// progress with the chance of passing from 100,000 recorded answers, and the
// look ahead to an exam date: the projected chance and today's plan.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "WorkingFolder.h"
#include "history/AnswerStore.h"
#include "history/DrillSchedule.h"
#include "history/ExamOutlook.h"
#include "history/Progress.h"

namespace ktq {
namespace {

using testsupport::WorkingFolder;

// An Extra-sized pool: 50 groups of 12 codes, 600 in all.
LineList ExtraCodes() {
    LineList codes;
    for (int g = 0; g < 50; ++g)
        for (int n = 1; n <= 12; ++n)
            codes.push_back("E" + std::to_string(g / 5) + static_cast<char>('A' + g % 5) +
                            (n < 10 ? "0" : "") + std::to_string(n));
    return codes;
}

StoredAnswer AnswerTo(const Text& code, int i) {
    return {0, 1'796'000'000'000 + i * 60'000LL, code, i % 3 ? "B" : "C", "B", AnswerMode::Trial};
}

void BM_RecordAnswer(benchmark::State& st) {
    WorkingFolder folder;
    StudyHistory history(folder.PathOf(kHistoryFile));
    history.Open("KTQExtra", "2024", "stamp");
    const LineList codes = ExtraCodes();
    std::vector<double> ms;
    int i = 0;
    for (auto _ : st) {
        const auto start = std::chrono::steady_clock::now();
        history.Record(AnswerTo(codes[static_cast<std::size_t>(i) % codes.size()], i), "stamp");
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        ++i;
    }
    std::sort(ms.begin(), ms.end());
    st.counters["p99_ms"] = ms[ms.size() * 99 / 100];
}
BENCHMARK(BM_RecordAnswer)->Iterations(3000)->Unit(benchmark::kMicrosecond);

// A database of 100,000 answers to the 600 questions, made once.
const std::string& FullDatabase() {
    static WorkingFolder folder;
    static const std::string path = [] {
        const std::string p = folder.PathOf(kHistoryFile);
        AnswerStore store(p);
        const LineList codes = ExtraCodes();
        for (int i = 0; i < 100'000; ++i)
            store.Record("KTQExtra", "2024",
                         AnswerTo(codes[static_cast<std::size_t>(i * 7) % codes.size()], i));
        return p;
    }();
    return path;
}

// Opening the pool's history reads all its answers once.
void BM_OpenHistoryOf100000Answers(benchmark::State& st) {
    const std::string& path = FullDatabase();
    for (auto _ : st) {
        StudyHistory history(path);
        history.Open("KTQExtra", "2024", "stamp");
        benchmark::DoNotOptimize(history.Questions().size());
    }
}
BENCHMARK(BM_OpenHistoryOf100000Answers)->Unit(benchmark::kMillisecond);

void BM_ProgressAndChanceOf100000Answers(benchmark::State& st) {
    StudyHistory history(FullDatabase());
    history.Open("KTQExtra", "2024", "stamp");
    const LineList codes = ExtraCodes();
    for (auto _ : st)
        benchmark::DoNotOptimize(BuildProgress(codes, history, 1'803'000'000'000, 50, 0));
}
BENCHMARK(BM_ProgressAndChanceOf100000Answers)->Unit(benchmark::kMillisecond);

// The drill's next question, with the memory of every question kept current.
void BM_DrillNextOf600With100000Answers(benchmark::State& st) {
    StudyHistory history(FullDatabase());
    history.Open("KTQExtra", "2024", "stamp");
    const LineList codes = ExtraCodes();
    DrillSituation s;
    s.codes = &codes;
    s.history = &history;
    s.nowUtcMs = 1'803'000'000'000;
    s.relearning = {{"E0A01", 5}, {"E1B02", 9}};
    s.nextDraw = 7;
    s.lastShown = "E0A01";
    for (auto _ : st) benchmark::DoNotOptimize(DrillOrder(s, 1));
}
BENCHMARK(BM_DrillNextOf600With100000Answers)->Unit(benchmark::kMicrosecond);

// What the Progress window adds for an exam 40 days on: the chance then with
// each sub-element's expected loss, and today's plan.
void BM_ExamOutlookOf600With100000Answers(benchmark::State& st) {
    StudyHistory history(FullDatabase());
    history.Open("KTQExtra", "2024", "stamp");
    const LineList codes = ExtraCodes();
    const PlanSituation plan{
        &codes, &history, 1'803'000'000'000, 0, 1'803'000'000'000 / kMsPerDay + 40, 0.9};
    const std::int64_t exam = ExamUtcMs(*plan.examDay, 0);
    for (auto _ : st) {
        benchmark::DoNotOptimize(ProjectExam(codes, history, exam, 50));
        benchmark::DoNotOptimize(PlanToday(plan));
    }
}
BENCHMARK(BM_ExamOutlookOf600With100000Answers)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ktq
