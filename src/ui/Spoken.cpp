// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Spoken.h"

namespace ktq {
namespace {

// Speech pauses at a full stop; a text that ends in one gets no second.
Text Sentence(const Text& words) {
    const Text t = Trim(words);
    if (t.empty() || t.back() == '.' || t.back() == '?' || t.back() == '!')
        return t;
    return t + ".";
}

// "Wrong. The answer is B: TEXT."; only the verdict without a correct letter.
Text AnswerIs(const Text& verdict, const Text& correctLetter, const Text& correctAnswer) {
    if (correctLetter.empty())
        return verdict;
    return verdict + " The answer is " + correctLetter + ": " + Sentence(correctAnswer);
}

}  // namespace

Text QuestionAnnouncement(const Text& question, const std::array<Text, 4>& answers) {
    Text words = "Question: " + Trim(question);
    for (std::size_t n = 0; n < answers.size(); ++n)
        words += "  " + Text(1, static_cast<char>('A' + n)) + ": " + Trim(answers[n]);
    return words;
}

Text ResultAnnouncement(bool right, const Text& correctLetter, const Text& correctAnswer) {
    if (right)
        return "Right.";
    return AnswerIs("Wrong.", correctLetter, correctAnswer);
}

Text NotKnownAnnouncement(const Text& correctLetter, const Text& correctAnswer) {
    return AnswerIs("Not known.", correctLetter, correctAnswer);
}

Text FormalAnswerAnnouncement(const Text& formalAnswer) {
    return "The formal answer is " + Sentence(formalAnswer);
}

}  // namespace ktq
