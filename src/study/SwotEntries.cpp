// SPDX-License-Identifier: GPL-3.0-or-later
#include "study/SwotEntries.h"

#include <string>

#include "pool/PoolText.h"
#include "pool/QuestionText.h"

namespace ktq {
namespace {

constexpr const char* kAllChoices = "All these choices are correct";
constexpr const char* kAllOfChoices = "All of these choices are correct";
constexpr std::size_t kAnswerLimit = 255;

// The answer's text without its "A." to "D." prefix: what follows the first
// blank, or the whole field when it has none.
Text BankAnswerText(const Text& record, int field) {
    const Text stripped =
        StripControlChars(GetField(record, kTab, static_cast<std::uint8_t>(field)));
    const std::size_t blank = Pos(" ", stripped);
    return Copy(stripped, blank + 1, kAnswerLimit);
}

}  // namespace

Text SwotFileName(const Text& selectedFile, bool testsMode) {
    if (!testsMode)
        return "SWOT Extract ^ " + selectedFile;
    const std::size_t hyphen = Pos("-", selectedFile);
    const Text stem = hyphen == 0 ? Text() : Trim(Copy(selectedFile, 1, hyphen - 1));
    return "SWOT Extract # " + stem + ".txt";
}

LineList SwotHeaderLines(const Text& selectedFile, const Text& createdAt) {
    return {"SWOT guide created from " + selectedFile, "Created " + createdAt, Text(62, '='), ""};
}

void AppendBankEntry(const Text& record, int number, LineList& out) {
    const Text question =
        ApostrophesForFirstCurlyQuotes(StripControlChars(GetField(record, kTab, 4)));
    const Text letter = StripControlChars(GetField(record, kTab, 2));
    out.push_back(std::to_string(number) + ".  " + question);
    if (letter == "A" || letter == "B" || letter == "C") {
        out.push_back("--->  " + BankAnswerText(record, 5 + (letter[0] - 'A')));
    } else if (letter == "D") {
        const Text d = BankAnswerText(record, 8);
        if (Contains(d, kAllChoices) || Contains(d, kAllOfChoices)) {
            for (int field = 5; field <= 7; ++field)
                out.push_back("..... " + BankAnswerText(record, field));
            out.push_back("--->  " + UpperAscii(d));
        } else {
            out.push_back("---> " + d);
        }
    }
    out.push_back("");
}

void AppendPoolEntry(const SwotEntry& entry, int number, LineList& out) {
    out.push_back(std::to_string(number) + ".  " + entry.question);
    for (const Text* remembered : {&entry.rememberedA, &entry.rememberedB, &entry.rememberedC}) {
        if (!remembered->empty())
            out.push_back(*remembered);
    }
    Text answer = entry.answerLine;
    if (Contains(answer, kAllChoices) || (Contains(answer, kAllOfChoices) && entry.letter == "D"))
        answer = UpperAscii(answer);
    out.push_back("---> " + Trim(Copy(answer, Pos(" ", answer), answer.size())));
    out.push_back("");
}

}  // namespace ktq
