// SPDX-License-Identifier: GPL-3.0-or-later
// A pool file's bytes through the line splitter and the bank builder.
#include <algorithm>

#include "FuzzCheck.h"
#include "platform/TextFile.h"
#include "pool/BankBuilder.h"
#include "pool/PoolText.h"
#include "text/TextEncoding.h"

namespace ktq {
namespace {

using fuzz::IsOneLine;

// The decoded text cut at CR LF, lone LF and lone CR; a break at the very end
// opens no further line.
LineList LinesOf(const Text& text) {
    const Text unified = ReplaceAll(ReplaceAll(text, "\r\n", "\n"), "\r", "\n");
    LineList lines;
    std::size_t start = 0;
    while (start < unified.size()) {
        const std::size_t end = std::min(unified.find('\n', start), unified.size());
        lines.push_back(unified.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

void CheckRecords(const BuiltBank& bank) {
    FUZZ_CHECK(bank.records.size() == bank.codes.size());
    for (std::size_t i = 0; i < bank.records.size(); ++i) {
        const Text& record = bank.records[i];
        FUZZ_CHECK(std::count(record.begin(), record.end(), kTab) == 7);
        FUZZ_CHECK(IsOneLine(record));
        FUZZ_CHECK(GetField(record, kTab, 1) == bank.codes[i]);
    }
}

void CheckDropped(const LineList& records) {
    LineList kept = records;
    DropLeadingRecords(kept);
    FUZZ_CHECK(kept.size() <= records.size());
    const std::size_t dropped = records.size() - kept.size();
    FUZZ_CHECK(std::equal(kept.begin(), kept.end(), records.begin() + dropped));
    for (std::size_t i = 0; i < dropped; ++i)
        FUZZ_CHECK(!IsFirstSubelementCode(GetField(records[i], kTab, 1)));
    FUZZ_CHECK(kept.empty() || IsFirstSubelementCode(GetField(kept.front(), kTab, 1)));
}

}  // namespace
}  // namespace ktq

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ktq;
    const std::string_view bytes = fuzz::AsBytes(data, size);
    const LineList lines = ParseLines(bytes);
    FUZZ_CHECK(lines == LinesOf(DecodeSavedText(bytes)));
    FUZZ_CHECK(std::all_of(lines.begin(), lines.end(), [](const Text& l) { return IsOneLine(l); }));
    const BuiltBank bank = BuildBankRecords(lines);
    CheckRecords(bank);
    CheckDropped(bank.records);
    return 0;
}
