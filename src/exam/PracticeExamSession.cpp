// SPDX-License-Identifier: GPL-3.0-or-later
// "Practice Exam": drawing the exam, recording its answers without feedback,
// and its result on screen and in the level's exams file.
#include <string>

#include "exam/AnswerText.h"
#include "exam/PracticeExam.h"
#include "platform/TextFile.h"
#include "pool/LevelRules.h"
#include "pool/PoolText.h"
#include "ui/TForm1.h"

namespace ktq {
namespace {

constexpr const char* kExamsSuffix = " ^ Exams.txt";

// What would take the screen away from the exam, or start another one.
std::vector<Control*> ControlsLockedByExam(TForm1& f) {
    return {&f.Button1, &f.Button3, &f.Button5, &f.Button6, &f.ComboBox2, &f.UpDown1, &f.Memo2};
}

Text PercentText(int right, int done) {
    return std::to_string(done > 0 ? right * 100LL / done : 0) + " %";
}

Text TakenLine(DateTime start, DateTime end) {
    const long long minutes = WholeSecondsBetween(start, end) / 60;
    return "Taken " + FormatIsoDateTime(start) + ", " + std::to_string(minutes) +
           (minutes == 1 ? " minute" : " minutes");
}

}  // namespace

void TForm1::LockForExam(bool running) {
    RunState& s = state;
    const std::vector<Control*> locked = ControlsLockedByExam(*this);
    if (running) {
        s.ExamLockedEnabled.clear();
        for (Control* c : locked) {
            s.ExamLockedEnabled.push_back(c->Enabled());
            c->SetEnabled(false);
        }
        return;
    }
    for (std::size_t i = 0; i < locked.size() && i < s.ExamLockedEnabled.size(); ++i)
        locked[i]->SetEnabled(s.ExamLockedEnabled[i]);
    s.ExamLockedEnabled.clear();
}

void TForm1::Button6Click() {
    RunState& s = state;
    if (s.ExamRunning || s.QuestionBank.empty())
        return;
    auto counter = [this] { return Sys().HighResolutionCounter(); };
    const std::vector<std::size_t> entries =
        DrawPracticeExam(s.QuestionBank, s.ExamSize, !s.AvailableImages.empty(), counter);
    if (entries.empty())
        return;
    s.ExamCodes.clear();
    s.ExamAnswerOrders.clear();
    for (std::size_t i : entries) {
        s.ExamCodes.push_back(GetField(s.QuestionBank[i], kTab, 1));
        s.ExamAnswerOrders.push_back(DrawAnswerOrder(s.QuestionBank[i], counter));
    }
    s.ExamPosition = 0;
    s.ExamCorrectLetters.clear();
    s.ExamChosenLetters.clear();
    s.ExamStartTime = Sys().Now();
    if (s.ExamTrialCounters.empty())
        s.ExamTrialCounters = {Label5.GetText(), Label7.GetText(), Label15.GetText()};
    s.ExamRunning = true;
    LockForExam(true);

    ShowQuestionBoxes();
    Label5.SetText("0");
    ShowQuestion(s.ExamCodes.front());
    ShowExamPosition();
}

void TForm1::ShowExamPosition() {
    const RunState& s = state;
    const bool running = s.ExamRunning && s.ExamPosition < s.ExamCodes.size();
    if (running)
        Label39.SetText("Question " + std::to_string(s.ExamPosition + 1) + " of " +
                        std::to_string(s.ExamCodes.size()));
    Label39.SetVisible(running);
    // The trial's right answers and share belong to no exam, which tells
    // nothing until its end.
    Label7.SetVisible(!running);
    Label15.SetVisible(!running);
}

Text TForm1::ExamLetterOfBox(int number) {
    const RunState& s = state;
    if (s.ExamPosition < s.ExamAnswerOrders.size())
        return PoolLetterOfBox(s.ExamAnswerOrders[s.ExamPosition], number);
    return LetterOfBox(number);
}

void TForm1::RecordExamAnswer(const Text& chosen) {
    RunState& s = state;
    s.ExamCorrectLetters.push_back(s.CorrectLetter);
    s.ExamChosenLetters.push_back(chosen);
    Label5.SetText(std::to_string(s.ExamChosenLetters.size()));
    RecordAnswer(s.ExamChosenLetters.back(), AnswerMode::Exam);
    if (++s.ExamPosition < s.ExamCodes.size()) {
        ShowQuestion(s.ExamCodes[s.ExamPosition]);
        ShowExamPosition();
    } else {
        FinishPracticeExam();
    }
}

void TForm1::FinishPracticeExam() {
    RunState& s = state;
    std::vector<ExamAnswer> answers;
    for (std::size_t i = 0; i < s.ExamChosenLetters.size(); ++i)
        answers.push_back({s.ExamCodes[i], s.ExamCorrectLetters[i], s.ExamChosenLetters[i]});
    const int right = CountRight(answers);
    const LineList report =
        ExamReportLines(s.QuestionBank, answers, TakenLine(s.ExamStartTime, Sys().Now()),
                        [this](const Text& code) { return StudyNoteOf(code).value_or(Text()); });
    s.ExamRunning = false;
    LockForExam(false);
    ShowExamPosition();

    Memo1.Show();
    Button9.SetEnabled(false);
    for (RichEdit* box : {&RichEdit1, &RichEdit2, &RichEdit3, &RichEdit4, &RichEdit5}) box->Hide();
    Memo1.Clear();
    for (const Text& line : report) Memo1.AppendLine(line);
    // The result is the first thing a screen reader says; the rest is in the text area.
    Announce(report.front());
    const int done = static_cast<int>(answers.size());
    Label5.SetText(std::to_string(done));
    Label7.SetText(std::to_string(right));
    Label15.SetText(PercentText(right, done));

    // Every exam is kept, newest last.
    const Text fileName = LevelFileName(s.LevelTag, ComboBox1.GetText(), kExamsSuffix);
    LineList kept;
    if (PresentAndNotEmpty(Files(), fileName))
        kept = ReadLines(Files(), fileName);
    kept.insert(kept.end(), report.begin(), report.end());
    WriteLinesReplacing(Files(), fileName, kept);
    Memo1.AppendLine("This exam has been added to file " + fileName + " in the " +
                     Files().Folder() + " folder.");
}

void TForm1::AbandonPracticeExam() {
    RunState& s = state;
    if (!s.ExamRunning)
        return;
    s.ExamRunning = false;
    LockForExam(false);
    ShowExamPosition();
    s.ExamCodes.clear();
    s.ExamAnswerOrders.clear();
    s.ExamCorrectLetters.clear();
    s.ExamChosenLetters.clear();
}

void TForm1::RestoreTrialCounters() {
    RunState& s = state;
    if (s.ExamTrialCounters.size() == 3) {
        Label5.SetText(s.ExamTrialCounters[0]);
        Label7.SetText(s.ExamTrialCounters[1]);
        Label15.SetText(s.ExamTrialCounters[2]);
    }
    s.ExamTrialCounters.clear();
}

}  // namespace ktq
