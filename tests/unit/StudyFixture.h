// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program started in a fresh folder, with what the study-aid tests need
// beside it: a small pool text, enciphered notes.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "AppFixture.h"
#include "NoteEncipher.h"
#include "text/NoteCipher.h"

namespace ktq::testsupport {

// Two questions of a tech pool as the published pools are written.
inline std::string SmallPool() {
    return "Tech pool 2022\r\n"
           "SUBELEMENT T1 - RULES\r\n"
           "T1A - Purpose and permissible use\r\n"
           "T1A01 (C) [97.1]\r\n"
           "Which frequency is named?\r\n"
           "A. 7.040 MHz\r\n"
           "B. 10.110 MHz\r\n"
           "C. 14.070 MHz\r\n"
           "D. 21.070 MHz\r\n"
           "~~\r\n"
           "\r\n"
           "T1A02 (D) [97.3(a)(4)]\r\n"
           "Which of these are true?\r\n"
           "A. One\r\n"
           "B. Two\r\n"
           "C. Three\r\n"
           "D. All these choices are correct\r\n"
           "~~\r\n"
           "~~~ End of question pool ~~~\r\n";
}

// The inverse of the program's deciphering, for making test data.
inline Text Encipher(const Text& plain, const Text& key) {
    return EncipherNote(plain, key);
}

class StudyTest : public ::testing::Test {
  protected:
    void Start(std::vector<Text> parameters = {}, int screenHeight = 1080) {
        program = std::make_unique<Program>(folder, store, std::move(parameters), screenHeight);
        program->Start();
    }
    TForm1& form() { return program->Form(); }
    void Guarded(const std::function<void()>& action) { form().RunGuarded(action); }
    std::string Output() const { return program->Output(); }
    void Select(const Text& name) { form().ComboBox1.UserType(name); }

    WorkingFolder folder;
    MemorySettingsStore store;
    std::unique_ptr<Program> program;
};

}  // namespace ktq::testsupport
