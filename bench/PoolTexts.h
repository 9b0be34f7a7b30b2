// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pool texts for the benchmarks, written as a word processor saves them.
#include <string>

namespace ktq::benchsupport {

// The size of a real pool (about 190 KB).
inline constexpr int kQuestionsPerPool = 600;

// Blocks as a word processor saves them; one sub-element per hundred
// questions, codes unique up to 260,000 questions. Without the first
// sub-element no code has "1" as its second character.
inline std::string PoolText(int questions, bool withFirstSubelement = true) {
    const std::string start = withFirstSubelement ? "1" : "2";
    std::string text = "Question pool\r\nErrata: none\r\n\r\nSUBELEMENT T" + start +
                       " \x96 RULES [6 Exam Questions]\r\nT" + start +
                       "A \x96 Purpose of the service\r\n\r\n";
    const std::string answer = " a plausible answer of a typical length here";
    for (int i = 0; i < questions; ++i) {
        const std::string subelement =
            std::to_string(withFirstSubelement ? 1 + i / 100 % 9 : 2 + i / 100 % 8);
        const char group = static_cast<char>('A' + i / 10000 % 26);
        const std::string code =
            "T" + subelement + group + std::to_string(10000 + i % 10000).substr(1);
        if (i > 0 && i % 100 == 0)
            text += "SUBELEMENT T" + subelement + " \x96 NEXT [4 Exam Questions]\r\nT" +
                    subelement + "A \x96 Group title\r\n\r\n";
        text += code + " (" + static_cast<char>('A' + i % 4) + ") [97.3(a)(4)]\r\n";
        text +=
            "Which of the following is the \x93"
            "correct\x94 choice for this question, given "
            "the station\x92s set-up?\r\n";
        for (char letter : {'A', 'B', 'C', 'D'}) {
            text += std::string(1, letter) + "." + answer + "\r\n";
            // One answer in ten runs on over a second line.
            if (letter == 'B' && i % 10 == 0)
                text += "and carries on here\r\n";
        }
        text += "~~\r\n\r\n";
    }
    return text + "~~~ End of question pool ~~~\r\n";
}

}  // namespace ktq::benchsupport
