// SPDX-License-Identifier: GPL-3.0-or-later
// The SWOT study file of a full-size pool, written through the window as
// "Create SWOT file" does, and one rules lookup in a large rules text.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "WorkingFolder.h"
#include "platform/DiskFileSystem.h"
#include "platform/HeadlessPlatform.h"
#include "study/RuleText.h"
#include "ui/TForm1.h"

namespace ktq {
namespace {

constexpr int kPoolQuestions = 600;

LineList PoolOf(int questions) {
    LineList lines = {"Technician pool", "SUBELEMENT T1 - RULES", "T1A - Group title", ""};
    for (int i = 0; i < questions; ++i) {
        const char letter = static_cast<char>('A' + i % 4);
        lines.push_back("T1A" + std::to_string(1000 + i) + " (" + letter + ") [97.3(a)(4)]");
        lines.push_back("Which of these statements about the station is the right one here?");
        lines.push_back("A. The station is operated by a licensed amateur");
        lines.push_back("B. The station is run by a business for its customers");
        lines.push_back("C. The station transmits on frequencies above 30 MHz");
        lines.push_back(i % 10 == 0 ? "D. All these choices are correct"
                                    : "D. The station needs no licence at all");
        lines.push_back("~~");
        lines.push_back("");
    }
    lines.push_back("~~~ End of question pool ~~~");
    return lines;
}

using testsupport::WorkingFolder;

void BM_SwotFileOfPool(benchmark::State& st) {
    WorkingFolder folder;
    std::ostringstream out;
    HeadlessPlatform platform(out, std::make_unique<MemorySettingsStore>(),
                              std::make_unique<DiskFileSystem>(folder.Path()));
    TForm1 form(platform);
    form.ComboBox1.SetText("tech 2026 pool.txt");
    form.state.PoolLines = PoolOf(kPoolQuestions);
    for (auto _ : st) {
        form.Memo1.Clear();
        form.WriteSwotFromPool();
    }
}
BENCHMARK(BM_SwotFileOfPool)->Unit(benchmark::kMillisecond);

// About 1 MB: 2,000 sections of five lines, the one looked up near the end.
LineList LargeRules() {
    LineList rules;
    for (int s = 1; s <= 2000; ++s) {
        rules.push_back(
            " \xA7"
            "97." +
            std::to_string(s) + " Title of section " + std::to_string(s) + ".");
        for (int p = 0; p < 4; ++p)
            rules.push_back(
                "(" + Text(1, static_cast<char>('a' + p)) +
                ") A paragraph of the rules text that runs on for a while to make up the "
                "length of an ordinary rules paragraph in the study copy.");
    }
    return rules;
}

void BM_RuleLookupInOneMegabyte(benchmark::State& st) {
    const LineList rules = LargeRules();
    std::size_t bytes = 0;
    for (const Text& line : rules) bytes += line.size() + 2;
    st.counters["text_bytes"] = static_cast<double>(bytes);
    for (auto _ : st) {
        const Text key = RuleKey("[97.1990(b)(2)]", '\xA7');
        benchmark::DoNotOptimize(RuleSection(rules, key, '\xA7'));
    }
}
BENCHMARK(BM_RuleLookupInOneMegabyte)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ktq
