// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "AppFixture.h"
#include "NoteCipherTestSupport.h"
#include "text/NoteCipher.h"

namespace ktq {
namespace {

using testsupport::EncipherForTest;

TEST(NoteCipherAlphabets, PlainHoldsEveryPrintableButApostropheAndAt) {
    const Text plain = PlainAlphabet;
    ASSERT_EQ(plain.size(), 93u);
    for (char c = ' '; c <= '~'; ++c)
        EXPECT_EQ(Contains(plain, Text(1, c)), c != '\'' && c != '@') << c;
    EXPECT_EQ(plain.substr(0, 3) + plain.substr(56, 3) + plain.substr(82, 2), "abcABC 0");
}

TEST(NoteCipherAlphabets, EveryKeyIsAPermutationOfThePlainAlphabet) {
    Text plain = PlainAlphabet;
    std::sort(plain.begin(), plain.end());
    for (const Text key : {kExtraKeyAlphabet, kGeneralKeyAlphabet, kTechKeyAlphabet}) {
        Text sorted = key;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, plain) << key;
        EXPECT_NE(key, Text(PlainAlphabet));
    }
}

TEST(DecipherNote, UndoesTheSubstitutionOfEveryLevelKey) {
    const Text note = "Ohm's law: E = I * R @ \"see\" [97.3(a)] 100% 0-9 ~`|\\/?";
    for (const Text key : {kExtraKeyAlphabet, kGeneralKeyAlphabet, kTechKeyAlphabet}) {
        const Text cipher = EncipherForTest(note, key);
        EXPECT_NE(cipher, note);
        EXPECT_EQ(DecipherNote(cipher, key), note);
    }
}

TEST(DecipherNote, PassesThroughWhatTheKeyLacks) {
    EXPECT_EQ(DecipherNote("", kTechKeyAlphabet), "");
    EXPECT_EQ(DecipherNote("'@@'\r\n\x93\xA7", kTechKeyAlphabet), "'@@'\r\n\x93\xA7");
    EXPECT_EQ(DecipherNote("Any Text 42.", PlainAlphabet), "Any Text 42.");
}

TEST(DecipherNote, TheTenDigitPlaceholderTurnsDigitsIntoLettersAToJ) {
    EXPECT_EQ(DecipherNote("7305918264 Ab-z", "7305918264"), "abcdefghij Ab-z");
}

TEST(DecipherNote, ARepeatedKeyCharacterMapsByItsFirstPlace) {
    Text key = PlainAlphabet;
    key[5] = 'a';  // 'a' now stands at positions 1 and 6
    EXPECT_EQ(DecipherNote("a", key), "a");
    EXPECT_EQ(DecipherNote("f", key), "f");  // no longer in the key: unchanged
}

TEST(DecipherNote, TheWindowUsesTheCurrentKey) {
    testsupport::WorkingFolder folder;
    MemorySettingsStore store;
    testsupport::Program program(folder, store);
    program.Start();
    TForm1& form = program.Form();
    EXPECT_EQ(form.DecipherNote("0123"), "cfhb");
    form.state.KeyAlphabet = kGeneralKeyAlphabet;
    EXPECT_EQ(form.DecipherNote(EncipherForTest("Fine note@", kGeneralKeyAlphabet)), "Fine note@");
}

}  // namespace
}  // namespace ktq
