// SPDX-License-Identifier: GPL-3.0-or-later
#include "exam/QuestionChoice.h"

#include <vector>

#include "exam/RandomDraw.h"
#include "pool/PoolText.h"

namespace ktq {

std::size_t FindEntryByCodeOrLast(const LineList& bank, const Text& code) {
    const std::size_t last = bank.size() - 1;
    std::size_t i = 0;
    while (i < last && GetField(bank[i], kTab, 1) != code) ++i;
    return i;
}

bool IsUnfinishedCode(const LineList& bank, const Text& typed) {
    bool begins = false;
    for (const Text& entry : bank) {
        const Text code = GetField(entry, kTab, 1);
        if (code == typed)
            return false;
        begins = begins || code.compare(0, typed.size(), typed) == 0;
    }
    return begins;
}

bool BeginsSomeCode(const LineList& bank, const Text& typed) {
    for (const Text& entry : bank) {
        if (GetField(entry, kTab, 1).compare(0, typed.size(), typed) == 0)
            return true;
    }
    return false;
}

bool QualifiesForDraw(const Text& entry, const Text& askedCodes, bool figuresAvailable) {
    if (entry.empty())
        return false;
    // An empty code is never "among" the asked codes, as a position search finds nothing.
    if (Pos(GetField(entry, kTab, 1), askedCodes) != 0)
        return false;
    return figuresAvailable || !Contains(entry, "Figure");
}

std::optional<std::size_t> DrawQualifyingEntry(const LineList& bank, const Text& askedCodes,
                                               bool figuresAvailable,
                                               const std::function<std::uint64_t()>& counter) {
    const std::size_t n = bank.size();
    if (n == 0)
        return std::nullopt;
    const auto range = static_cast<std::uint32_t>(n);
    // Entries already seen to fail: once every entry has failed, nothing can qualify.
    std::vector<bool> failed(n, false);
    std::size_t failedCount = 0;
    // A counter that hardly moves could keep missing the few entries left;
    // after this many draws the qualifying entries are listed and one is drawn.
    const std::size_t drawLimit = 64 * n + 1024;
    for (std::size_t draws = 0; draws < drawLimit; ++draws) {
        std::size_t i = DrawFromCounter(counter(), range);
        if (failed[i])
            continue;
        if (QualifiesForDraw(bank[i], askedCodes, figuresAvailable))
            return i;
        failed[i] = true;
        if (++failedCount == n)
            return std::nullopt;
    }
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < n; ++i) {
        if (!failed[i] && QualifiesForDraw(bank[i], askedCodes, figuresAvailable))
            open.push_back(i);
    }
    if (open.empty())
        return std::nullopt;
    return open[DrawFromCounter(counter(), static_cast<std::uint32_t>(open.size()))];
}

}  // namespace ktq
