// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the answer boxes mean beyond their look: the keys that press them and
// the feedback their colours show, for the skin's keyboard and screen-reader
// support.
#include "ui/TForm1.h"

namespace ktq {

// The answer box that key 1..4 or A..D (either case) presses while a
// question is on screen; none for any other key or with no question shown.
RichEdit* AnswerBoxForKey(TForm1& form, char key);

// The text answer box 1..4 shows, its lines joined by blanks; empty for any
// other number.
Text ShownAnswer(TForm1& form, int number);

enum class AnswerFeedback {
    None,
    ChosenWrong,    // the user's answer, painted as wrong
    ChosenRight,    // the user's answer, and the correct one
    CorrectAnswer,  // the correct answer beside a wrong choice
};

// Read from the feedback colours themselves, so it starts and ends exactly
// with what the sighted user sees.
AnswerFeedback FeedbackOf(TForm1& form, int number);

}  // namespace ktq
