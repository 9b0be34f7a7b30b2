// SPDX-License-Identifier: GPL-3.0-or-later
// Learning mode: the taller window with the details row and the details box,
// and the study note with the formal answer of the question on screen.
#include "platform/TextFile.h"
#include "pool/PoolText.h"
#include "study/StudyNotes.h"
#include "ui/Spoken.h"
#include "ui/TForm1.h"
#include "ui/WorkingFiles.h"

namespace ktq {
namespace {

// The answer box of a letter "A" to "D"; none for anything else.
const RichEdit* BoxOfLetter(TForm1& form, const Text& letter) {
    if (letter.size() != 1 || letter[0] < 'A' || letter[0] > 'D')
        return nullptr;
    return form.AnswerBox(letter[0] - 'A' + 1);
}

void EnterLearningMode(TForm1& form) {
    RunState& s = form.state;
    form.Edit1.SetText(s.QuestionCode);
    form.Edit2.SetText(s.AnswerLetter);
    form.Edit3.SetText(s.ReferenceText);
    form.SetHeight(590);
    const int room = form.Sys().ScreenHeight() - form.Top();
    if (room > 800) {
        form.SetMaxHeightConstraint(800);
        form.SetHeight(700);
        s.MaxHeight = 700;
    }
    if (room > 900) {
        form.SetMaxHeightConstraint(750);
        form.SetHeight(750);
        s.MaxHeight = 750;
    }
    form.Memo3.Clear();
    form.Memo3.Show();
    if (form.RichEdit1.LineCount() > 0)
        form.ShowDetails();
}

void LeaveLearningMode(TForm1& form) {
    form.Edit1.SetText("");
    form.Edit2.SetText("");
    form.Edit3.SetText("");
    form.Memo3.Hide();
    form.SetHeight(410);
}

}  // namespace

void TForm1::CheckBox1Click() {
    if (CheckBox1.Checked())
        EnterLearningMode(*this);
    else
        LeaveLearningMode(*this);
    if (PresentAndNotEmpty(Files(), kRulesFile))
        Button7.SetVisible(!CheckBox1.Checked());
}

std::optional<Text> TForm1::StudyNoteOf(const Text& code) {
    const LineList& source = state.TestsMode ? state.QuestionBank : state.StudyNotes;
    const std::optional<std::size_t> found = FindEntryWithCodeIfAny(source, code);
    if (!found)
        return std::nullopt;
    return DecipherNote(Trim(GetField(source[*found], kTab, state.TestsMode ? 9 : 4)));
}

void TForm1::ShowDetails() {
    RunState& s = state;
    const Text code = Trim(Edit1.GetText());
    if (code.empty())
        return;
    const std::optional<Text> note = StudyNoteOf(code);
    if (!note)
        return;
    Memo3.AppendLine(NoteForDisplay(*note));
    Memo3.AppendLine("");

    // The letter of the bank's question of the same code: a study-note file
    // made before an errata withdrew or added a question lists them in
    // another order, and its own letters may be old.
    Text letter;
    if (const std::optional<std::size_t> question = FindEntryWithCodeIfAny(s.QuestionBank, code))
        letter = Trim(GetField(s.QuestionBank[*question], kTab, 2));
    const RichEdit* box = BoxOfLetter(*this, letter);
    const Text boxText = box != nullptr ? box->GetText() : Text();
    const Text answer = FormalAnswerText(letter, box != nullptr ? &boxText : nullptr, DiagOn());
    Memo3.AppendLine("THE FORMAL ANSWER IS....   " + answer + ".");
    Memo3.Show();
    ShowDetailsLine(0, -1);
    Announce(FormalAnswerAnnouncement(answer));
}

void TForm1::Memo3MouseDown() {
    Memo3.Clear();
}

void TForm1::Edit1Change() {
    if (!Edit1.GetText().empty() && !state.TestsMode)
        Memo3.Clear();
}

}  // namespace ktq
