// SPDX-License-Identifier: GPL-3.0-or-later
#include "pool/SwotReader.h"

#include "pool/PoolText.h"
#include "pool/QuestionText.h"

namespace ktq {
namespace {

constexpr const char* kEndOfPool = "~~~ End of question pool ~~~";

bool IsBlankOrEndMark(const Text& line) {
    const Text t = Trim(line);
    return t.empty() || t == "~~";
}

bool IsAllChoicesAnswer(const Text& line) {
    return StartsWith(line, "D. All these choices are correct") ||
           StartsWith(line, "D. All of these choices are correct");
}

Text LetterOf(const Text& header) {
    const std::size_t open = Pos("(", header);
    const std::size_t close = Pos(")", header);
    return close > open ? Copy(header, open + 1, close - open - 1) : Text();
}

// Index of the first line to read, or lines.size() when there is none.
std::size_t StartIndex(const LineList& lines) {
    std::size_t i = 0;
    while (i < lines.size() && !Contains(lines[i], "SUBELEMENT")) ++i;
    ++i;
    while (i < lines.size() && !(lines[i].size() >= 2 && lines[i][1] == '1')) ++i;
    return i + 1;
}

}  // namespace

std::vector<SwotEntry> ReadSwotEntries(const LineList& lines) {
    std::vector<SwotEntry> entries;
    SwotEntry cur;
    const std::size_t count = lines.size();
    for (std::size_t i = StartIndex(lines); i < count; ++i) {
        Text line = lines[i];
        if (IsBlankOrEndMark(line) && i + 1 < count)
            line = lines[++i];
        if (Trim(line).empty())
            continue;

        if (IsHeaderLine(line)) {
            cur.letter = LetterOf(line);
            if (cur.letter == "D")
                cur.rememberedA = cur.rememberedB = cur.rememberedC = "";
        } else if (!cur.letter.empty() && cur.question.empty()) {
            Text question = line;
            for (int more = 0; more < 2 && !Contains(question, "?") && i + 1 < count; ++more)
                question = StripControlChars(question) + " " + Trim(lines[++i]);
            cur.question = ApostrophesForFirstCurlyQuotes(question);
        } else if (!cur.letter.empty() && StartsWith(line, cur.letter)) {
            cur.answerLine = line;
            if (!IsAllChoicesAnswer(line))
                cur.rememberedA = cur.rememberedB = cur.rememberedC = "";
        } else if (Contains(line, kEndOfPool)) {
            break;
        } else if (cur.letter == "D") {
            if (StartsWith(line, "A."))
                cur.rememberedA = line;
            if (StartsWith(line, "B."))
                cur.rememberedB = line;
            if (StartsWith(line, "C."))
                cur.rememberedC = line;
        }
        if (!cur.question.empty() && !cur.answerLine.empty()) {
            entries.push_back(cur);
            cur = SwotEntry{};
        }
    }
    return entries;
}

}  // namespace ktq
