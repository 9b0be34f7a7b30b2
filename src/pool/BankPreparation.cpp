// SPDX-License-Identifier: GPL-3.0-or-later
// "Prepare..": the question bank from the chosen pool, or a prepared bank
// loaded as it is.
#include <algorithm>

#include "platform/TextFile.h"
#include "pool/BankBuilder.h"
#include "pool/LevelRules.h"
#include "pool/PoolText.h"
#include "ui/TForm1.h"
#include "ui/WorkingFiles.h"

namespace ktq {

void TForm1::Button1Click() {
    RunState& s = state;
    RestoreTrialCounters();
    Memo1.Hide();
    Memo3.Hide();
    for (RichEdit* box : {&RichEdit1, &RichEdit2, &RichEdit3, &RichEdit4, &RichEdit5}) box->Show();
    Label20.Show();
    Label19.Show();
    Button4.SetFontBold(true);

    OnContentOf(ComboBox1.GetText(), [&] {
        if (s.TestsMode)
            LoadPreparedBank();
        else
            BuildQuestionBank();
    });

    Label5.SetText("0");
    s.DoneCount = 0;
    s.CorrectCount = 0;
    Label7.SetText("0");
    s.CorrectLetter.clear();
    s.IncorrectList.clear();

    // With one record there is nothing to browse; "Prepare.." stays available.
    if (s.QuestionBank.size() >= 2) {
        Button1.SetEnabled(false);
        ComboBox2.SetEnabled(true);
        UpDown1.SetEnabled(true);
        Memo2.SetEnabled(true);
    }
    Label20.SetText(std::to_string(s.QuestionBank.size()));
    s.PoolCodes.clear();
    s.TrialRunning = false;
    s.StartTime = Sys().Now();
    Button6.SetEnabled(Button4.Enabled());
}

void TForm1::LoadPreparedBank() {
    RunState& s = state;
    // A prepared bank is read as it is, with its notes, from the file chosen.
    s.QuestionBank = ReadLines(Files(), s.PoolFile);
    s.QuestionBankFile = ComboBox1.GetText();
    if (!s.QuestionBank.empty())
        Button4.SetEnabled(true);
    LineList codes;
    codes.reserve(s.QuestionBank.size());
    for (const Text& record : s.QuestionBank) codes.push_back(GetField(record, kTab, 1));
    ComboBox2.AddItems(std::move(codes));
    if (CheckBox1.Checked())
        Memo3.Show();
}

void TForm1::BuildQuestionBank() {
    RunState& s = state;
    s.QuestionBank.clear();
    s.QuestionBankFile.clear();
    BuiltBank built = BuildBankRecords(s.PoolLines);
    ComboBox2.AddItems(std::move(built.codes));
    s.QuestionBank = std::move(built.records);

    // The code list may hold codes of an earlier "Prepare.." in front; it is
    // trimmed by its own first item, as the bank is by its own.
    // In one step: one at a time from the front is quadratic in a large pool.
    const LineList& codes = ComboBox2.Items();
    const auto first = std::find_if(codes.begin(), codes.end(), IsFirstSubelementCode);
    ComboBox2.DeleteLeadingItems(static_cast<std::size_t>(first - codes.begin()));
    DropLeadingRecords(s.QuestionBank);

    if (!s.QuestionBank.empty()) {
        WriteLinesReplacing(Files(), kBankFile, s.QuestionBank);
        Button4.SetEnabled(true);
        WriteLinesReplacing(Files(), LevelFileName(s.LevelTag, ComboBox1.GetText(), " ^ Qstns.txt"),
                            s.QuestionBank);
    }
    Label20.SetText(std::to_string(s.QuestionBank.size()));
}

}  // namespace ktq
