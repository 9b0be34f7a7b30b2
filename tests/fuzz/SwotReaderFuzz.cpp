// SPDX-License-Identifier: GPL-3.0-or-later
// A pool's lines through the SWOT reader and the entries of the SWOT file.
#include <string>

#include "FuzzCheck.h"
#include "platform/TextFile.h"
#include "pool/SwotReader.h"
#include "study/SwotEntries.h"

namespace ktq {
namespace {

bool IsAllChoicesAnswer(const Text& line) {
    return StartsWith(line, "D. All these choices are correct") ||
           StartsWith(line, "D. All of these choices are correct");
}

void CheckEntry(const SwotEntry& e) {
    FUZZ_CHECK(!e.letter.empty());
    FUZZ_CHECK(!e.question.empty());
    FUZZ_CHECK(StartsWith(e.answerLine, e.letter));
    FUZZ_CHECK(e.rememberedA.empty() || StartsWith(e.rememberedA, "A."));
    FUZZ_CHECK(e.rememberedB.empty() || StartsWith(e.rememberedB, "B."));
    FUZZ_CHECK(e.rememberedC.empty() || StartsWith(e.rememberedC, "C."));
    const bool remembers = !(e.rememberedA + e.rememberedB + e.rememberedC).empty();
    FUZZ_CHECK(!remembers || IsAllChoicesAnswer(e.answerLine));
}

// Each entry is its numbered question, the remembered lines, the answer and
// an empty line, numbered 1 to k in reading order.
void CheckFileLines(const std::vector<SwotEntry>& entries, const LineList& out) {
    std::size_t at = 0;
    auto next = [&]() -> const Text& {
        FUZZ_CHECK(at < out.size());
        return out[at++];
    };
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const SwotEntry& e = entries[i];
        FUZZ_CHECK(next() == std::to_string(i + 1) + ".  " + e.question);
        for (const Text* r : {&e.rememberedA, &e.rememberedB, &e.rememberedC}) {
            if (!r->empty())
                FUZZ_CHECK(next() == *r);
        }
        FUZZ_CHECK(StartsWith(next(), "---> "));
        FUZZ_CHECK(next().empty());
    }
    FUZZ_CHECK(at == out.size());
    for (const Text& line : out) FUZZ_CHECK(fuzz::IsOneLine(line));
}

}  // namespace
}  // namespace ktq

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ktq;
    const std::vector<SwotEntry> entries = ReadSwotEntries(ParseLines(fuzz::AsBytes(data, size)));
    LineList out;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        CheckEntry(entries[i]);
        AppendPoolEntry(entries[i], static_cast<int>(i + 1), out);
    }
    CheckFileLines(entries, out);
    return 0;
}
