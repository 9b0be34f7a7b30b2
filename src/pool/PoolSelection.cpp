// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing a pool file: level, exam size, working copy, question log, study
// notes and key.
#include <string>

#include "platform/TextFile.h"
#include "pool/LevelRules.h"
#include "pool/PoolInForce.h"
#include "ui/TForm1.h"
#include "ui/WorkingFiles.h"

namespace ktq {
namespace {

// The chooser shows names in Windows-1252; the file is opened by the name the
// system gave it, which may hold characters the window cannot show. Two such
// names may look the same: the item picked tells them apart.
FileName ChosenFile(const RunState& s, const Text& shown, int picked) {
    if (picked >= 0 && static_cast<std::size_t>(picked) < s.PoolFiles.size() &&
        s.PoolFiles[static_cast<std::size_t>(picked)].Shown() == shown)
        return s.PoolFiles[static_cast<std::size_t>(picked)];
    for (const FileName& listed : s.PoolFiles) {
        if (listed.Shown() == shown)
            return listed;
    }
    return FileName(shown);
}

// What the status line says of a pool that read in an unexpected way: some
// lines of a UTF-8 file in Windows-1252, characters lost, or no lines at all.
Text ReadingNote(const FileName& pool, const SavedTextReading& reading, std::int64_t size,
                 bool noLines) {
    if (reading.packed)
        return pool.Quoted() +
               " holds no question: is it a Word document saved under .txt? Give it back its "
               "name ending in .docx, or save it as plain text.";
    if (noLines)
        return pool.Quoted() + (size == 0 ? " is empty" : " holds no lines of text");
    Text note;
    if (const std::size_t n = reading.windows1252Lines; reading.Mixed())
        note = pool.Quoted() + " read as UTF-8; " + std::to_string(n) +
               (n == 1 ? " line" : " lines") + " read as Windows-1252";
    if (const std::size_t n = reading.lostCharacters; n > 0)
        note += (note.empty() ? pool.Quoted() + ": " : Text("; ")) + std::to_string(n) +
                (n == 1 ? " character" : " characters") + " could not be kept and show as \"?\"";
    return note;
}

// The copy of the chosen pool, read into PoolLines. A name under which there
// is nothing gives an empty pool and leaves the previous working copy alone,
// silently; whatever else stands there is read, so that a pool that cannot
// be read is reported with its reason, and the selection goes on.
void CopyChosenPool(TForm1& f) {
    RunState& s = f.state;
    s.PoolLines.clear();
    const std::optional<EntryInfo> entry = f.Files().Stat(s.PoolFile);
    if (!entry)
        return;
    try {
        CopyFileOver(f.Files(), s.PoolFile, kWorkingCopy);
        SavedTextReading reading;
        if (PresentAndNotEmpty(f.Files(), kWorkingCopy))
            s.PoolLines = ReadLines(f.Files(), kWorkingCopy, &reading);
        const Text note = ReadingNote(s.PoolFile, reading, FileSizeOf(f.Files(), kWorkingCopy),
                                      s.PoolLines.empty());
        if (!note.empty())
            f.AddStatusNote(note);
    } catch (const std::exception& e) {
        f.ReportError(e);
    }
}

}  // namespace

void TForm1::ComboBox1Change() {
    RunState& s = state;
    AbandonPracticeExam();
    RestoreTrialCounters();
    ClearStatusNotes();
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
    NotePoolInForce(*this);
    s.PoolFile = ChosenFile(s, name, ComboBox1.PickedIndex());
    CopyChosenPool(*this);

    Button1.SetEnabled(true);
    Button3.SetEnabled(true);
    Button4.SetEnabled(false);
    Button6.SetEnabled(false);
    Label11.SetEnabled(true);

    WriteLinesReplacing(Files(), kQuestionLog, {});

    s.LevelTag = LevelTagFor(name);
    const Text notesFile = LevelFileName(s.LevelTag, name, " ^ study.txt");
    if (PresentAndNotEmpty(Files(), notesFile)) {
        s.StudyNotes = ReadLines(Files(), notesFile);
        if (DiagOn())
            Label27.SetText(Copy(s.LevelTag, 4, 1) + "F");
    } else {
        Label27.SetText("");
    }
    s.KeyAlphabet = KeyAlphabetFor(name, s.KeyAlphabet);
    s.PoolCodes.clear();
    OpenHistory();
    Button8.SetEnabled(true);
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
