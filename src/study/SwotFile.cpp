// SPDX-License-Identifier: GPL-3.0-or-later
// "Create SWOT file": every question of the selected file with its correct
// answer, built in the results box and then written with a short header.
#include "platform/DateTime.h"
#include "platform/TextFile.h"
#include "pool/SwotReader.h"
#include "study/SwotEntries.h"
#include "ui/TForm1.h"

namespace ktq {
namespace {

// One study file per selection: pool selection enables Button3 again.
void DisableSwotButtons(TForm1& form) {
    form.Button3.SetEnabled(false);
    form.Button1.SetEnabled(false);
}

// Appends the entries to the results box, writes the file, then reports it on
// screen only. A failed write ends the run here, leaving both buttons off.
void WriteSwotFile(TForm1& form, const LineList& entries) {
    for (const Text& line : entries) form.Memo1.AppendLine(line);

    const Text selected = form.ComboBox1.GetText();
    const Text name = SwotFileName(selected, form.state.TestsMode);
    LineList file = SwotHeaderLines(selected, form.Sys().LocalDateTimeText(form.Sys().Now()));
    const LineList& shown = form.Memo1.Lines();
    file.insert(file.end(), shown.begin(), shown.end());
    WriteLinesReplacing(form.Files(), name, file);

    form.Memo1.AppendLine("");
    form.Memo1.AppendLine("Generated SWOT file is " + name);
    form.Memo1.AppendLine("and located in the current program folder ( " + form.Files().Folder() +
                          " )");
    form.Button1.SetEnabled(true);
}

}  // namespace

void TForm1::Button3Click() {
    Memo1.Show();
    for (RichEdit* box : {&RichEdit1, &RichEdit2, &RichEdit3, &RichEdit4, &RichEdit5}) box->Hide();
    Label20.Hide();
    Label19.Hide();
    CheckBox1.SetChecked(false);
    OnContentOf(ComboBox1.GetText(), [this] {
        if (state.TestsMode)
            WriteSwotFromBank();
        else
            WriteSwotFromPool();
    });
}

void TForm1::WriteSwotFromBank() {
    DisableSwotButtons(*this);
    RunState& s = state;
    // A bank prepared from an earlier selection would not be the selected
    // file, so the study file is always made from the file itself.
    const Text selected = ComboBox1.GetText();
    if (s.QuestionBank.empty() || s.QuestionBankFile != selected ||
        s.QuestionBank.size() != s.PoolLines.size()) {
        s.QuestionBank = ReadLines(Files(), s.PoolFile);
        s.QuestionBankFile = selected;
    }
    LineList entries;
    for (std::size_t i = 0; i < s.QuestionBank.size(); ++i) {
        if (i < s.PoolLines.size() && s.PoolLines[i].empty())
            continue;
        AppendBankEntry(s.QuestionBank[i], static_cast<int>(i + 1), entries);
    }
    WriteSwotFile(*this, entries);
    s.QuestionBank.clear();
    s.QuestionBankFile.clear();
}

void TForm1::WriteSwotFromPool() {
    DisableSwotButtons(*this);
    LineList entries;
    int number = 0;
    for (const SwotEntry& entry : ReadSwotEntries(state.PoolLines))
        AppendPoolEntry(entry, ++number, entries);
    WriteSwotFile(*this, entries);
}

}  // namespace ktq
