// SPDX-License-Identifier: GPL-3.0-or-later
// Moving through the bank by code: the code chooser, the stepping arrows and
// the list of questions asked.
#include <string>

#include "exam/QuestionChoice.h"
#include "pool/PoolText.h"
#include "ui/AnswerBoxes.h"
#include "ui/TForm1.h"

namespace ktq {

void TForm1::ComboBox2Change() {
    // A key typed after the code of the question shown, making a text that
    // begins no code, was meant as an answer: the code stays, the key answers.
    const Text typed = ComboBox2.GetText();
    const Text& shown = state.QuestionCode;
    if (ComboBox2.PickedIndex() < 0 && !shown.empty() && typed.size() == shown.size() + 1 &&
        typed.compare(0, shown.size(), shown) == 0 && !BeginsSomeCode(state.QuestionBank, typed)) {
        if (RichEdit* box = AnswerBoxForKey(*this, typed.back())) {
            ComboBox2.SetText(shown);
            box->UserMouseDown(MouseButton::Left);
            return;
        }
    }
    // A code typed key by key is asked for once it is whole: its beginnings
    // would each show, and log, a question the user never meant to see.
    // A picked item, or a text that begins no code, goes through at once.
    if (ComboBox2.PickedIndex() < 0 && IsUnfinishedCode(state.QuestionBank, ComboBox2.GetText()))
        return;
    Memo1.Hide();
    for (RichEdit* box : {&RichEdit1, &RichEdit2, &RichEdit3, &RichEdit4, &RichEdit5}) box->Show();
    Button4.SetFontBold(true);
    Label22.SetText("");
    ShowQuestion(ComboBox2.GetText());
    if (ComboBox2.PickedIndex() >= 0)
        FocusOnAnswers();
}

void TForm1::ComboBox2Enter() {
    if (!state.QuestionCode.empty() && ComboBox2.GetText() == state.QuestionCode)
        FocusOnAnswers();
}

void TForm1::FocusOnAnswers() {
    if (RichEdit1.Showing() && RichEdit1.LineCount() > 0)
        SetFocus(AnswerBox(1));
}

void TForm1::UpDown1Click(UpDownArrow arrow) {
    const LineList& bank = state.QuestionBank;
    // Stepping needs a neighbour; a smaller bank has nothing to step to.
    if (bank.size() < 2)
        return;
    Memo3.Hide();
    const Text current = ComboBox2.GetText();
    Memo2.Clear();

    const std::size_t last = bank.size() - 1;
    std::size_t i = FindEntryByCodeOrLast(bank, current);

    bool stepped = false;
    if (arrow == UpDownArrow::Next && i < last) {
        ++i;
        stepped = true;
    } else if (arrow == UpDownArrow::Previous && i >= 1) {
        --i;
        stepped = true;
    }
    if (stepped) {
        const Text code = GetField(bank[i], kTab, 1);
        ComboBox2.SetText(code);
        ComboBox2.Repaint();
        if (!code.empty())
            ShowQuestion(code);
    }
    if (DiagOn())
        Label22.SetText("Q " + std::to_string(i));
}

void TForm1::Memo2MouseDown() {
    Memo3.Hide();
}

void TForm1::Memo2Click() {
    const int line = Memo2.CaretLine();
    const int length = line < Memo2.LineCount() ? static_cast<int>(Memo2.Lines()[line].size()) : 0;
    Memo2.SetSelection(Memo2.LineIndex(line), length);
    Memo3.Hide();
    ShowQuestion(Memo2.SelectedText());
    ComboBox2.SetText("");
}

}  // namespace ktq
