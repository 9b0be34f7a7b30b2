// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small pool as a word processor saves it (CR LF, curly quotes), and the
// program started on a folder holding it.
#include <memory>

#include "AppFixture.h"

namespace ktq::testsupport {

inline std::string SmallPoolBytes() {
    return "Question pool\r\nErrata: T1A02 corrected\r\n"
           "SUBELEMENT T1 - RULES - [2 Exam Questions - 1 Group]\r\n"
           "T1A - Purpose of the service\r\n"
           "T1A01 (C) [97.1]\r\nWhich is it?\r\nA. One\r\nB. Two\r\nC. Three\r\nD. Four\r\n~~\r\n"
           "\r\n"
           "T1A02 (A) [97.3(a)(4)]\r\nWhat is \x93QRP\x94?\r\nA. Low power\r\nB. High power\r\n"
           "C. No power\r\nD. Any power\r\n~~\r\n\r\n"
           "~~~ End of question pool ~~~\r\n";
}

// The program started in a fresh folder; files are written before the start.
struct PoolProgram {
    WorkingFolder folder;
    MemorySettingsStore store;
    std::unique_ptr<Program> program;

    void Start(std::vector<Text> parameters = {}) {
        program = std::make_unique<Program>(folder, store, std::move(parameters));
        program->Start();
    }
    TForm1& Form() { return program->Form(); }
    void Select(const Text& name) { Form().ComboBox1.UserType(name); }
    void Prepare() { Form().Button1.UserClick(); }
};

}  // namespace ktq::testsupport
