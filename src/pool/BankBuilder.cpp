// SPDX-License-Identifier: GPL-3.0-or-later
#include "pool/BankBuilder.h"

#include <algorithm>
#include <cstddef>

#include "pool/PoolText.h"
#include "pool/QuestionText.h"

namespace ktq {
namespace {

class BlockReader {
  public:
    explicit BlockReader(const LineList& lines)
        : lines_(lines), count_(static_cast<std::ptrdiff_t>(lines.size())) {}

    // A field's first line: read only before the last line.
    bool Readable(std::ptrdiff_t c) const { return c < count_ - 1; }
    Text FirstLine(std::ptrdiff_t c) const {
        return Readable(c) ? StripControlChars(Raw(c)) : Text();
    }
    // A following line, raw; one past the end holds nothing.
    const Text& Raw(std::ptrdiff_t c) const {
        static const Text kNothing;
        return c >= 0 && c < count_ ? lines_[static_cast<std::size_t>(c)] : kNothing;
    }
    std::ptrdiff_t Count() const { return count_; }

  private:
    const LineList& lines_;
    std::ptrdiff_t count_;
};

Text ReadQuestion(const BlockReader& in, std::ptrdiff_t& c) {
    ++c;
    Text question = in.FirstLine(c);
    if (!Contains(question, "?") && Contains(in.Raw(c + 1), "A."))
        question += " ?";
    if (!Contains(question, "?")) {
        ++c;
        // The last line never joins a question.
        if (in.Readable(c))
            question += " " + StripControlChars(in.Raw(c));
    }
    return ApostrophesForFirstCurlyQuotes(std::move(question));
}

Text ReadAnswer(const BlockReader& in, std::ptrdiff_t& c, const char* nextMarker) {
    ++c;
    Text answer = in.FirstLine(c);
    if (!Contains(in.Raw(c + 1), nextMarker)) {
        ++c;
        if (c < in.Count())
            answer = StripControlChars(answer + " " + in.Raw(c));
    }
    return answer;
}

}  // namespace

BuiltBank BuildBankRecords(const LineList& poolLines) {
    BuiltBank bank;
    const BlockReader in(poolLines);
    const std::ptrdiff_t count = in.Count();

    std::ptrdiff_t s = 0;
    while (s < count - 1 && !Contains(in.Raw(s), "SUBELEMENT")) ++s;
    if (s >= count - 1)
        return bank;

    std::ptrdiff_t c = s + 1;
    while (c < count - 1) {
        ++c;
        Text line = StripControlChars(in.Raw(c));
        const Text trimmed = Trim(line);
        if (trimmed == "~~" || trimmed.empty()) {
            ++c;
            if (in.Readable(c))
                line = StripControlChars(in.Raw(c));
        }
        if (!IsHeaderLine(line))
            continue;
        if (!in.Readable(c))
            break;

        const std::size_t open = Pos("(", line);
        const Text code = Trim(Copy(line, 1, open - 1));
        const Text letter = Copy(Trim(Copy(line, open, 3)), 2, 1);
        const std::size_t bracket = Pos("[", line);
        const Text reference = bracket > 0 ? Trim(Copy(line, bracket, 50)) : Text();

        Text record = code + kTab + letter + kTab + reference + kTab + ReadQuestion(in, c);
        for (const char* marker : {"B.", "C.", "D.", "~~"})
            record += kTab + ReadAnswer(in, c, marker);
        ++c;  // the block's end line

        bank.records.push_back(std::move(record));
        bank.codes.push_back(code);
    }
    return bank;
}

void DropLeadingRecords(LineList& records) {
    const auto first = std::find_if(records.begin(), records.end(), [](const Text& record) {
        return IsFirstSubelementCode(GetField(record, kTab, 1));
    });
    records.erase(records.begin(), first);
}

}  // namespace ktq
