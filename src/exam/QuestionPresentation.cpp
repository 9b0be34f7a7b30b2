// SPDX-License-Identifier: GPL-3.0-or-later
// Putting a question on screen: choosing the entry, filling the boxes, the
// details box, the learning-mode row, the question log and the asked list.
#include <array>
#include <optional>
#include <string>

#include "exam/AnswerText.h"
#include "exam/QuestionChoice.h"
#include "platform/TextFile.h"
#include "pool/PoolText.h"
#include "pool/QuestionText.h"
#include "ui/Spoken.h"
#include "ui/TForm1.h"
#include "ui/WorkingFiles.h"

namespace ktq {
namespace {

constexpr int kPlainAnswerSize = 9;

struct QuestionFields {
    Text code, letter, reference, question;
    Text answers[4];
    Text boxLetter;  // of the box that shows the correct answer
};

QuestionFields SplitEntry(const Text& entry) {
    QuestionFields f;
    auto field = [&entry](int n) { return StripControlChars(GetField(entry, kTab, n)); };
    f.code = field(1);
    f.letter = field(2);
    f.reference = field(3);
    f.question = field(4);
    for (int i = 0; i < 4; ++i) f.answers[i] = field(5 + i);
    f.boxLetter = f.letter;
    return f;
}

// Every new question starts from these colours and fonts; the answer
// feedback changes them. The feedback of the question replaced ends here, so
// neither its choice nor its timer count reaches the new one.
void ResetDisplay(TForm1& form) {
    form.state.AnswerPending = false;
    form.state.SelectedAnswer = 0;
    form.state.AnswerNotKnown = false;
    form.Button9.SetEnabled(false);
    form.Panel1.Hide();
    form.Button2.Hide();
    form.Button10.Hide();
    form.Memo3.Clear();
    form.state.CorrectLetter.clear();
    form.state.FigureFile.clear();
    for (int n = 1; n <= 4; ++n) {
        form.AnswerBox(n)->SetFontBold(false);
        form.AnswerBox(n)->SetFontSize(kPlainAnswerSize);
    }
    form.RichEdit1.Clear();
    for (int n = 1; n <= 4; ++n) {
        RichEdit* box = form.AnswerBox(n);
        box->Clear();
        box->SetColor(kClWindow);
        box->SetFontColor(kBlue);
    }
}

// A random request: the cycle bookkeeping, then the draw. A cycle in which
// nothing qualifies is restarted once; empty when even then nothing does.
std::optional<std::size_t> ChooseAtRandom(TForm1& form) {
    RunState& s = form.state;
    const int count = static_cast<int>(s.QuestionBank.size());
    auto startCycle = [&form] {
        form.state.AskedCodes.clear();
        form.Memo2.Clear();
    };
    auto showNumberInCycle = [&form] {
        form.Label18.SetText(std::to_string(form.Memo2.LineCount() + 1));
        form.Label18.Repaint();
    };
    if (form.Memo2.LineCount() >= count - 5)
        startCycle();
    showNumberInCycle();
    auto counter = [&form] { return form.Sys().HighResolutionCounter(); };
    const bool figures = !s.AvailableImages.empty();
    auto chosen = DrawQualifyingEntry(s.QuestionBank, s.AskedCodes, figures, counter);
    if (!chosen) {
        startCycle();
        showNumberInCycle();
        chosen = DrawQualifyingEntry(s.QuestionBank, s.AskedCodes, figures, counter);
    }
    return chosen;
}

// The exam shows the answers in its drawn order; the correct letter stays
// the pool's, as the answer is judged by what the box shows.
void PutInExamOrder(QuestionFields& f, const Text& order) {
    const QuestionFields pool = f;
    for (std::size_t n = 0; n < 4 && n < order.size(); ++n) {
        const int from = BoxNumberOfLetter(Text(1, order[n]));
        if (from > 0)
            f.answers[n] = pool.answers[from - 1];
        if (!f.letter.empty() && order[n] == f.letter[0])
            f.boxLetter = LetterOfBox(static_cast<int>(n) + 1);
    }
}

Text FormalAnswer(const QuestionFields& f, const Text& entry, bool diag) {
    return diag ? entry : LetterWithNumber(f.boxLetter);
}

}  // namespace

void TForm1::ShowQuestion(const Text& code) {
    ResetDisplay(*this);
    RunState& s = state;
    if (!s.QuestionBank.empty()) {
        std::optional<std::size_t> index;
        if (!code.empty()) {
            index = FindEntryByCodeOrLast(s.QuestionBank, code);
        } else if (CheckBox4.Checked() && history_) {
            // The drill has no cycle: a question answered wrongly must come back.
            Label18.SetText(std::to_string(Memo2.LineCount() + 1));
            index = DrawForDrill();
        } else {
            index = ChooseAtRandom(*this);
        }
        if (index) {
            // A copy: the figure step and the change handlers may touch the bank.
            const Text entry = s.QuestionBank[*index];
            if (!s.AvailableImages.empty() && Contains(LowerAscii(entry), " figure"))
                ShowFigureOf(entry);

            QuestionFields f = SplitEntry(entry);
            if (s.ExamRunning && s.ExamPosition < s.ExamAnswerOrders.size())
                PutInExamOrder(f, s.ExamAnswerOrders[s.ExamPosition]);
            const bool diag = DiagOn();
            if (!diag) {
                for (Text& a : f.answers) a = ShapeAnswer(a);
            }
            const Text note = ReplaceAll(DecipherNote(GetField(entry, kTab, 9)), "@", "\r\n");
            f.question = ApostrophesForFirstCurlyQuotes(f.question);

            RichEdit1.AppendLine(f.question);
            std::array<Text, 4> shown;
            for (int n = 1; n <= 4; ++n) {
                shown[n - 1] = StripControlChars(f.answers[n - 1]);
                AnswerBox(n)->AppendLine(shown[n - 1]);
            }

            const Text answerText = FormalAnswer(f, entry, diag);
            Memo3.AppendLine(note);
            Memo3.AppendLine("");
            Memo3.AppendLine("THE FORMAL ANSWER IS....   " + answerText + ".");
            Memo3.Show();
            ShowDetailsLine(0, -1);

            s.CorrectLetter = f.letter;
            s.QuestionCode = f.code;
            s.AnswerLetter = f.letter;
            s.ReferenceText = f.reference;
            s.AskedCodes += f.code + " ";

            Text spoken = QuestionAnnouncement(f.question, shown);
            if (CheckBox1.Checked()) {
                Edit1.SetText(f.code);
                Edit2.SetText(answerText);
                Edit3.SetText(f.reference);
                spoken += "  " + FormalAnswerAnnouncement(answerText);
            }
            Announce(spoken);

            AppendLine(Files(), kQuestionLog, s.QuestionCode);
            Memo2.AppendLine(s.QuestionCode);
            Button9.SetEnabled(true);
        }
    }
    // An exam keeps the review for its end.
    if (!s.IncorrectList.empty() && !s.ExamRunning)
        Button5.SetEnabled(true);
}

}  // namespace ktq
