// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AnswerBoxes.h"

namespace ktq {

RichEdit* AnswerBoxForKey(TForm1& form, char key) {
    int number = 0;
    if (key >= '1' && key <= '4')
        number = key - '0';
    else if (key >= 'A' && key <= 'D')
        number = key - 'A' + 1;
    else if (key >= 'a' && key <= 'd')
        number = key - 'a' + 1;
    if (number == 0 || !form.RichEdit1.Showing() || form.RichEdit1.LineCount() == 0)
        return nullptr;
    return form.AnswerBox(number);
}

Text ShownAnswer(TForm1& form, int number) {
    const RichEdit* box = form.AnswerBox(number);
    return box != nullptr ? JoinLines(box->Lines(), " ") : Text();
}

AnswerFeedback FeedbackOf(TForm1& form, int number) {
    const Color correct = form.state.CorrectColor;
    const Color wrong = form.state.SpareColor2;
    // "Don't know" paints no box wrong, yet the right one is shown as the answer.
    bool anyWrong = form.state.AnswerNotKnown;
    for (int n = 1; n <= 4; ++n) anyWrong = anyWrong || form.AnswerBox(n)->GetFont().color == wrong;
    const Color shown = form.AnswerBox(number)->GetFont().color;
    if (shown == wrong)
        return AnswerFeedback::ChosenWrong;
    if (shown == correct)
        return anyWrong ? AnswerFeedback::CorrectAnswer : AnswerFeedback::ChosenRight;
    return AnswerFeedback::None;
}

}  // namespace ktq
