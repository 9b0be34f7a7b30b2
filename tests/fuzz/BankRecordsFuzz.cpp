// SPDX-License-Identifier: GPL-3.0-or-later
// A prepared bank edited by hand: its records cut into fields, found by code,
// shown as answers and written as SWOT entries.
#include <algorithm>
#include <string>

#include "FuzzCheck.h"
#include "exam/AnswerText.h"
#include "exam/QuestionChoice.h"
#include "platform/TextFile.h"
#include "pool/PoolText.h"
#include "study/SwotEntries.h"

namespace ktq {
namespace {

// Pieces 1, 2, ... joined again by the delimiter give the text back; none
// holds the delimiter, and there are no more pieces than the text has.
void CheckPieces(const Text& text, char delimiter) {
    FUZZ_CHECK(GetField(text, delimiter, 0).empty());
    const auto pieces =
        static_cast<std::size_t>(std::count(text.begin(), text.end(), delimiter)) + 1;
    Text joined;
    for (std::size_t n = 1; n <= std::min<std::size_t>(pieces, 255); ++n) {
        const Text piece = GetField(text, delimiter, static_cast<std::uint8_t>(n));
        FUZZ_CHECK(piece.find(delimiter) == Text::npos);
        joined += (n > 1 ? Text(1, delimiter) : Text()) + piece;
    }
    FUZZ_CHECK(pieces > 255 ? StartsWith(text, joined) : joined == text);
    if (pieces < 255)
        FUZZ_CHECK(GetField(text, delimiter, static_cast<std::uint8_t>(pieces + 1)).empty());
}

void CheckAnswers(const Text& record) {
    for (std::uint8_t n = 5; n <= 8; ++n) {
        const Text shown = ShapeAnswer(GetField(record, kTab, n));
        FUZZ_CHECK(shown.size() <= 255 && Trim(shown) == shown);
    }
    const Text letter = GetField(record, kTab, 2);
    const int box = BoxNumberOfLetter(letter);
    FUZZ_CHECK(box >= 0 && box <= 4);
    FUZZ_CHECK(box == 0 || LetterOfBox(box)[0] == letter[0]);
}

// The entry opens with its number, ends with its only empty line.
void CheckSwotEntry(const Text& record, int number) {
    LineList out;
    AppendBankEntry(record, number, out);
    FUZZ_CHECK(out.size() >= 2 && out.size() <= 6);
    FUZZ_CHECK(StartsWith(out.front(), std::to_string(number) + ".  "));
    FUZZ_CHECK(std::count(out.begin(), out.end(), Text()) == 1 && out.back().empty());
    for (const Text& line : out) FUZZ_CHECK(fuzz::IsOneLine(line) && line.find(kTab) == Text::npos);
}

// The entry found is the first with that code; an absent code gives the last.
void CheckFoundByCode(const LineList& bank, std::size_t of) {
    const Text code = GetField(bank[of], kTab, 1);
    const std::size_t found = FindEntryByCodeOrLast(bank, code);
    FUZZ_CHECK(found <= of && GetField(bank[found], kTab, 1) == code);
    for (std::size_t i = 0; i < found; ++i) FUZZ_CHECK(GetField(bank[i], kTab, 1) != code);
    FUZZ_CHECK(FindEntryByCodeOrLast(bank, code + "\t") == bank.size() - 1);
}

}  // namespace
}  // namespace ktq

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ktq;
    const LineList bank = ParseLines(fuzz::AsBytes(data, size));
    for (std::size_t i = 0; i < bank.size(); ++i) {
        CheckPieces(bank[i], kTab);
        CheckPieces(bank[i], ',');
        CheckAnswers(bank[i]);
        CheckSwotEntry(bank[i], static_cast<int>(i + 1));
        if (i < fuzz::kLinesPaired)
            CheckFoundByCode(bank, i);
    }
    return 0;
}
