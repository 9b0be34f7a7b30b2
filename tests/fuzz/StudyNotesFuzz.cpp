// SPDX-License-Identifier: GPL-3.0-or-later
// Study-note files: the decipher with the level keys and with any key, the
// note as shown, the entry of a code and the formal answer.
#include <algorithm>
#include <optional>

#include "FuzzCheck.h"
#include "NoteEncipher.h"
#include "platform/TextFile.h"
#include "pool/PoolText.h"
#include "study/StudyNotes.h"
#include "text/NoteCipher.h"

namespace ktq {
namespace {

const Text kPlain = PlainAlphabet;
const Text kLevelKeys[] = {kExtraKeyAlphabet, kGeneralKeyAlphabet, kTechKeyAlphabet};

bool IsPermutationOfPlain(Text key) {
    Text plain = kPlain;
    std::sort(key.begin(), key.end());
    std::sort(plain.begin(), plain.end());
    return key == plain;
}

void CheckAnyKey(const Text& text, const Text& key) {
    const Text out = DecipherNote(text, key);
    FUZZ_CHECK(out.size() == text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t p = key.find(text[i]);
        FUZZ_CHECK(out[i] == (p < kPlain.size() ? kPlain[p] : text[i]));
    }
}

void CheckShownNote(const Text& deciphered) {
    const Text shown = NoteForDisplay(deciphered);
    FUZZ_CHECK(shown.find('@') == Text::npos);
    FUZZ_CHECK(ReplaceAll(shown, "\r\n", "@") == Trim(deciphered));
}

void CheckEntryOfCode(const LineList& entries, std::size_t of) {
    const Text code = Trim(GetField(entries[of], kTab, 1));
    const std::optional<std::size_t> found = FindEntryWithCodeIfAny(entries, code);
    FUZZ_CHECK(found && *found <= of && Trim(GetField(entries[*found], kTab, 1)) == code);
    for (std::size_t i = 0; i < *found; ++i)
        FUZZ_CHECK(Trim(GetField(entries[i], kTab, 1)) != code);
    FUZZ_CHECK(!FindEntryWithCodeIfAny(entries, code + "\t"));
}

void CheckFormalAnswer(const Text& letter, const Text& box) {
    FUZZ_CHECK(FormalAnswerText(letter, nullptr, false) == letter);
    for (bool prefix : {false, true}) {
        const Text answer = FormalAnswerText(letter, &box, prefix);
        FUZZ_CHECK(Trim(answer) == answer && UpperAscii(answer) == answer);
        FUZZ_CHECK(answer.size() <= box.size());
    }
}

}  // namespace
}  // namespace ktq

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ktq;
    static const bool keysArePermutations = [] {
        for (const Text& key : kLevelKeys) FUZZ_CHECK(IsPermutationOfPlain(key));
        FUZZ_CHECK(kPlain.size() == 93 && kPlain.find_first_of("'@") == Text::npos);
        return true;
    }();
    (void)keysArePermutations;

    const LineList lines = ParseLines(fuzz::AsBytes(data, size));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Text& line = lines[i];
        for (const Text& key : kLevelKeys) {
            FUZZ_CHECK(DecipherNote(EncipherNote(line, key), key) == line);
            CheckShownNote(DecipherNote(Trim(GetField(line, kTab, 4)), key));
        }
        // The first line serves as a key of any shape for the others.
        if (i > 0)
            CheckAnyKey(line, lines[0]);
        if (i < fuzz::kLinesPaired)
            CheckEntryOfCode(lines, i);
        CheckFormalAnswer(Trim(GetField(line, kTab, 2)), GetField(line, kTab, 5));
    }
    return 0;
}
