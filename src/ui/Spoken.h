// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader says of a question and of an answer. Plain words, so
// that every way of asking and answering (the trial, an exam that tells no
// result) composes its own and hands it to TForm1::Announce.
#include <array>

#include "text/Text.h"

namespace ktq {

// "Question: TEXT  A: ...  B: ...  C: ...  D: ..."
Text QuestionAnnouncement(const Text& question, const std::array<Text, 4>& answers);

// "Right." or "Wrong. The answer is B: TEXT."; without a correct letter
// (a bank entry that has none) only "Wrong.".
Text ResultAnnouncement(bool right, const Text& correctLetter, const Text& correctAnswer);

// "Not known. The answer is B: TEXT."
Text NotKnownAnnouncement(const Text& correctLetter, const Text& correctAnswer);

// "The formal answer is TEXT.", TEXT as the details box gives it.
Text FormalAnswerAnnouncement(const Text& formalAnswer);

}  // namespace ktq
