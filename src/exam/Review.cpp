// SPDX-License-Identifier: GPL-3.0-or-later
// "Review Incorrect": the wrong answers as readable blocks, on screen and in
// the level's review file.
#include <algorithm>

#include "exam/ReviewBlock.h"
#include "platform/TextFile.h"
#include "pool/LevelRules.h"
#include "pool/PoolText.h"
#include "ui/TForm1.h"

namespace ktq {

void TForm1::Button5Click() {
    RunState& s = state;
    Memo1.Show();
    Button9.SetEnabled(false);
    for (RichEdit* box : {&RichEdit1, &RichEdit2, &RichEdit3, &RichEdit4, &RichEdit5}) box->Hide();
    Memo1.Clear();

    // Records are taken off the front one by one, so a long trial is reviewed
    // in full rather than stopping at the field numbers GetField can count.
    Text rest = s.IncorrectList;
    while (true) {
        const Text record = GetField(rest, ',', 1);
        if (record.empty())
            break;
        rest.erase(0, std::min(rest.size(), record.size() + 1));
        const Text code = Trim(GetField(record, kTab, 1));
        const Text correct = Trim(GetField(record, kTab, 2));
        const Text chosen = Trim(GetField(record, kTab, 3));
        if (const Text* entry = FindReviewedEntry(s.QuestionBank, code)) {
            LineList block;
            AppendReviewBlock(block, *entry, code, chosen, correct);
            for (const Text& line : block) Memo1.AppendLine(line);
        }
    }

    const Text fileName = LevelFileName(s.LevelTag, ComboBox1.GetText(), " ^ Review.txt");
    WriteLinesReplacing(Files(), fileName, Memo1.Lines());

    Memo1.AppendLine("");
    Memo1.AppendLine("");
    Memo1.AppendLine("These details have been saved in file " + fileName + " in the " +
                     Sys().Files().Folder() + " folder.");
    s.IncorrectList.clear();
    Button5.SetEnabled(false);
}

}  // namespace ktq
