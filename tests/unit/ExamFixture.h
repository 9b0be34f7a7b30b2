// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program started in a fresh folder with a question bank put straight
// into the run state, for the trial-exam tests.
#include <gtest/gtest.h>

#include <string>

#include "AppFixture.h"

namespace ktq::testsupport {

// A record as "Prepare.." builds it: code, letter, reference, question and
// the four answers with their prefixes; a note makes it a prepared record.
inline Text Record(const Text& code, const Text& letter, const Text& question = "Which one?",
                   const Text& note = "") {
    Text r = code + "\t" + letter + "\t[97.1]\t" + question + "\tA. alpha\tB. bravo\tC. charlie" +
             "\tD. delta";
    if (!note.empty())
        r += "\t" + note;
    return r;
}

// Records T1A01, T1A02, ... with correct letters cycling A, B, C, D.
inline LineList Bank(int size) {
    LineList bank;
    for (int i = 0; i < size; ++i) {
        Text number = (i + 1 < 10 ? "0" : "") + std::to_string(i + 1);
        bank.push_back(Record("T1A" + number, Text(1, static_cast<char>('A' + i % 4))));
    }
    return bank;
}

class ExamTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.Write("qstnslog.txt", "");
        program.Start();
    }
    TForm1& form() { return program.Form(); }
    void UseBank(LineList bank) {
        // As a pool selection leaves them: the asked list and codes empty.
        form().Memo2.Clear();
        form().state.AskedCodes.clear();
        form().state.QuestionBank = std::move(bank);
        for (const Text& r : form().state.QuestionBank)
            form().ComboBox2.AddItem(r.substr(0, r.find('\t')));
    }
    void Guarded(const std::function<void()>& action) { form().RunGuarded(action); }
    void Ticks(int n) {
        for (int i = 0; i < n; ++i) {
            program.Platform().Advance(500);
            Guarded([this] { form().Timer1Timer(); });
        }
    }
    std::string Log() const { return folder.Read("qstnslog.txt"); }

    WorkingFolder folder;
    MemorySettingsStore store;
    Program program{folder, store};
};

}  // namespace ktq::testsupport
