// SPDX-License-Identifier: GPL-3.0-or-later
// The trial: "Start", the answer presses, the timed feedback and the advance.
#include <climits>
#include <string>

#include "exam/AnswerText.h"
#include "ui/AnswerBoxes.h"
#include "ui/Spoken.h"
#include "ui/TForm1.h"

namespace ktq {
namespace {

constexpr int kRightAnswerTicks = 2;
constexpr int kMarkedAnswerSize = 10;

void MarkCorrect(RichEdit& box, Color color) {
    box.SetFontColor(color);
    box.SetFontBold(true);
    box.SetFontSize(kMarkedAnswerSize);
}

void MarkWrong(RichEdit& box, Color color) {
    box.SetFontColor(color);
    box.SetFontBold(true);
}

Text TwoDigits(long long n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

}  // namespace

void TForm1::ShowQuestionBoxes() {
    Button2.Hide();
    Button10.Hide();
    for (RichEdit* box : {&RichEdit1, &RichEdit2, &RichEdit3, &RichEdit4, &RichEdit5}) box->Show();
    for (int n = 1; n <= 4; ++n) {
        AnswerBox(n)->SetFontSize(9);
        AnswerBox(n)->SetFontName("Arial");
    }
    Memo3.Clear();
    Memo1.Hide();
}

void TForm1::Button4Click() {
    RunState& s = state;
    if (s.ExamRunning) {
        if (!Sys().AskYesNo("Practice Exam",
                            "Abandon this practice exam? No result will be recorded for it."))
            return;
        AbandonPracticeExam();
    }
    RestoreTrialCounters();
    if (!s.TrialRunning) {
        s.StartTime = Sys().Now();
        s.TrialRunning = true;
    }
    ShowQuestionBoxes();
    Button1.SetEnabled(false);
    Label15.Show();
    ShowQuestion("");
}

void TForm1::AnswerMouseDown(int number, MouseButton button) {
    RunState& s = state;
    Panel1.Hide();
    Button2.Hide();
    Button10.Hide();
    // With no question on screen there is nothing to answer.
    if (RichEdit1.LineCount() == 0)
        return;
    // In an exam a left press records the answer and nothing tells right
    // from wrong until the end.
    if (s.ExamRunning) {
        if (button == MouseButton::Left)
            RecordExamAnswer(ExamLetterOfBox(number));
        return;
    }
    // The question whose feedback runs was scored once: a second left press
    // changes nothing. Showing the next question ends that feedback.
    if (button == MouseButton::Left && s.AnswerPending)
        return;
    s.SelectedAnswer = number;
    if (button == MouseButton::Left)
        ScoreTrialAnswer(LetterOfBox(number));
}

void TForm1::Button9Click() {
    RunState& s = state;
    Panel1.Hide();  // as an answer press does: the right answer must show
    Button2.Hide();
    if (!RichEdit1.Showing() || RichEdit1.LineCount() == 0)
        return;
    if (s.ExamRunning) {
        RecordExamAnswer(kNotKnown);
        return;
    }
    if (s.AnswerPending)
        return;
    s.SelectedAnswer = 0;
    ScoreTrialAnswer(kNotKnown);
}

void TForm1::ScoreTrialAnswer(const Text& chosen) {
    RunState& s = state;
    const bool notKnown = chosen == kNotKnown;
    const Text correctAnswer = ShownAnswer(*this, BoxNumberOfLetter(s.CorrectLetter));
    Announce(notKnown
                 ? NotKnownAnnouncement(s.CorrectLetter, correctAnswer)
                 : ResultAnnouncement(chosen == s.CorrectLetter, s.CorrectLetter, correctAnswer));
    if (!notKnown && chosen == s.CorrectLetter) {
        ++s.CorrectCount;
        Label7.SetText(std::to_string(s.CorrectCount));
    } else {
        s.IncorrectList += s.QuestionCode + kTab + s.AnswerLetter + kTab + chosen + ",";
        if (CheckBox4.Checked())
            s.DrillRelearning.push_back({s.QuestionCode, s.DrillDraws + kQuestionsBeforeReturn});
    }
    ++s.DoneCount;
    Label5.SetText(std::to_string(s.DoneCount));
    Label15.SetText(std::to_string(s.CorrectCount * 100LL / s.DoneCount) + " %");
    s.TicksSinceAnswer = 0;
    s.AnswerPending = true;
    s.AnswerNotKnown = notKnown;
    Button9.SetEnabled(false);
    RecordAnswer(chosen, CheckBox1.Checked() ? AnswerMode::Learning : AnswerMode::Trial);
    if (CheckBox4.Checked())
        SayWhenPlanDone();
}

void TForm1::Timer1Timer() {
    RunState& s = state;
    if (s.TicksSinceAnswer < INT_MAX)
        ++s.TicksSinceAnswer;

    const long long seconds = WholeSecondsBetween(s.StartTime, Sys().Now());
    if (s.TrialRunning) {
        Label25.SetText("Elapsed Time: " + std::to_string(seconds / 60) + ":" +
                        TwoDigits(seconds % 60) + "   ");
    }

    int threshold = kRightAnswerTicks;
    RichEdit* chosen = AnswerBox(s.SelectedAnswer);
    if (chosen != nullptr && LetterOfBox(s.SelectedAnswer) == s.CorrectLetter && s.AnswerPending) {
        MarkCorrect(*chosen, s.CorrectColor);
    } else {
        threshold = TrackBar1.Position() + 2;
        // Only an answer given shows the right one: with nothing chosen the
        // question on screen must not give its answer away.
        if (chosen != nullptr || (s.AnswerNotKnown && s.AnswerPending)) {
            if (chosen != nullptr)
                MarkWrong(*chosen, s.SpareColor2);
            if (RichEdit* correct = AnswerBox(BoxNumberOfLetter(s.CorrectLetter)))
                MarkCorrect(*correct, s.CorrectColor);
        }
    }

    if (s.AnswerPending && s.TicksSinceAnswer >= threshold) {
        s.SelectedAnswer = 0;
        s.AnswerPending = false;
        ShowQuestion("");
    }
}

void TForm1::TrackBar1Change() {
    Label24.SetText(std::to_string(TrackBar1.Position() + 2) + "S  ");
}

}  // namespace ktq
