// Choosing a pool file: level, exam size, working copy, question log, study
// notes and key.
#include "platform/TextFile.h"
#include "pool/LevelRules.h"
#include "ui/TForm1.h"

namespace ktq {
namespace {

constexpr const char* kWorkingCopy = "qfile.txt";
constexpr const char* kQuestionLog = "qstnslog.txt";

}  // namespace

void TForm1::ComboBox1Change() {
    RunState& s = state;
    s.AskedCodes.clear();
    Memo2.Clear();
    Memo3.Hide();
    Memo3.Clear();
    ComboBox2.Clear();
    for (RichEdit* box : {&RichEdit1, &RichEdit2, &RichEdit3, &RichEdit4, &RichEdit5}) box->Hide();
    Label5.SetText("0");
    Label7.SetText("0");
    Label15.SetText("0%");
    Label20.SetText("0");
    for (RichEdit* box : {&RichEdit1, &RichEdit2, &RichEdit3, &RichEdit4, &RichEdit5}) box->Clear();
    Label15.Hide();
    Label1.SetFontBold(false);
    Button4.SetFontBold(false);

    const Text name = ComboBox1.GetText();
    s.ExamSize = ExamSizeFor(name);
    s.PoolFileName = name;
    // A name that is no file must not bring back the previous pool's working
    // copy under the new name: the pool is then empty.
    const bool copied = CopyFileOver(name, kWorkingCopy);
    s.PoolLines.clear();
    if (copied && PresentAndNotEmpty(kWorkingCopy))
        s.PoolLines = ReadLines(kWorkingCopy);

    Button1.SetEnabled(true);
    Button3.SetEnabled(true);
    Button4.SetEnabled(false);
    Label11.SetEnabled(true);

    WriteLinesReplacing(kQuestionLog, {});

    s.LevelTag = LevelTagFor(name);
    const Text notesFile = LevelFileName(s.LevelTag, name, " ^ study.txt");
    if (PresentAndNotEmpty(notesFile)) {
        s.StudyNotes = ReadLines(notesFile);
        if (DiagOn())
            Label27.SetText(Copy(s.LevelTag, 4, 1) + "F");
    } else {
        Label27.SetText("");
    }
    s.KeyAlphabet = KeyAlphabetFor(name, s.KeyAlphabet);
    ResetScoreDisplay();
}

void TForm1::ResetScoreDisplay() {
    Memo1.Clear();
    Label3.SetText(std::to_string(state.ExamSize));
    Label3.Repaint();
    Label5.SetText("0");
    Label5.Repaint();
    Label7.SetText("0");
    Label7.Repaint();
    Button3.SetEnabled(true);
}

}  // namespace ktq
