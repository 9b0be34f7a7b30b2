// SPDX-License-Identifier: GPL-3.0-or-later
#include "study/StudyNotes.h"

#include "pool/PoolText.h"

namespace ktq {

std::optional<std::size_t> FindEntryWithCodeIfAny(const LineList& entries, const Text& code) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (Trim(GetField(entries[i], kTab, 1)) == code)
            return i;
    }
    return std::nullopt;
}

Text NoteForDisplay(const Text& deciphered) {
    return ReplaceAll(Trim(deciphered), "@", "\r\n");
}

Text FormalAnswerText(const Text& letter, const Text* boxText, bool boxShowsPrefix) {
    if (boxText == nullptr)
        return letter;
    Text text = UpperAscii(*boxText);
    if (boxShowsPrefix)
        text = Copy(text, Pos(".", text) + 1, text.size());
    return Trim(text);
}

}  // namespace ktq
