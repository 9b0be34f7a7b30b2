// SPDX-License-Identifier: GPL-3.0-or-later
// Window creation, first activation and closing.
#include <algorithm>

#include "app/PoolFileFilter.h"
#include "app/PublishedPools.h"
#include "app/Version.h"
#include "platform/TextFile.h"
#include "ui/TForm1.h"
#include "ui/WorkingFiles.h"

namespace ktq {
namespace {

constexpr const char* kRetiredPool =
    "FINAL Revised 2015-2019 General Class Question Pool 2-11-2015.txt";
constexpr const char* kMakerCredit = " KTQTests developers 2026";
constexpr const char* kReadOnlyCaption = "  [read-only]";
constexpr const char* kMissingFilesText =
    "No suitable TXT Pool files found in the current folder. Copy them to this application's "
    "folder and restart this software.\r\n\r\nText versions can be created by opening the "
    "original Pool DOC or DOCX file in MSWord and saving as a Plain Text document file with a "
    ".TXT file extension.";

// A name holding `word` that is not a file already set aside ("word." follows).
bool NeedsSettingAside(const Text& lower, const char* word) {
    return Contains(lower, word) && !Contains(lower, Text(word) + ".");
}

// The folder into ListBox1 by the names it shows; the names as the system
// spells them come back beside them.
std::vector<FileName> ListFolderInto(TForm1& f) {
    std::vector<FileName> names = ListFolderFiles(f.Files());
    LineList& shown = f.ListBox1.MutableItems();
    for (const FileName& n : names) shown.push_back(n.Shown());
    return names;
}

void ResetStartState(TForm1& f) {
    RunState& s = f.state;
    s.SectionSign = Text(1, kSectionSignChar);
    s.TestsMode = false;
    s.StartCount = 0;
    s.ShowNotice = true;
    s.StoredVersion.clear();
    s.KeyAlphabet = "7305918264";
    s.ProgramVersion = GetVersionString();
}

// Taller with "See Details" ticked, and taller still on a tall screen.
void SizeForLearningMode(TForm1& f) {
    RunState& s = f.state;
    if (f.CheckBox1.Checked()) {
        f.SetHeight(590);
        f.Memo3.Show();
        f.Memo3.Clear();
    } else {
        f.SetHeight(410);
        f.Memo3.Hide();
    }
    if (f.Height() < s.MaxHeight)
        f.SetMaxHeightConstraint(s.MaxHeight);
    if (!f.CheckBox1.Checked())
        return;
    const int screen = f.Sys().ScreenHeight();
    struct Row {
        int above, height;
    };
    for (Row row : {Row{800, 800}, Row{900, 900}, Row{1000, 950}}) {
        if (screen > row.above) {
            f.SetHeight(row.height);
            s.MaxHeight = row.height;
        }
    }
}

// Starts of this version, up to five; a new version starts the count again.
void CountThisStart(TForm1& f) {
    RunState& s = f.state;
    s.StartCount = std::min(s.StartCount + 1, 5);
    f.Label37.SetText(std::to_string(s.StartCount));
    if (s.StartCount >= 5)
        f.Label37.Hide();
    if (s.StoredVersion != s.ProgramVersion)
        s.StartCount = 1;
}

void ClearQuestionArea(TForm1& f) {
    if (PresentAndNotEmpty(f.Files(), kRulesFile))
        f.Button7.SetVisible(!f.CheckBox1.Checked());
    f.Memo1.SetWidth(f.Width() - 130);
    for (RichEdit* box : {&f.RichEdit1, &f.RichEdit2, &f.RichEdit3, &f.RichEdit4, &f.RichEdit5}) {
        box->Hide();
        box->SetWidth(f.Width() - 130);
        box->SetLeft(112);
        box->Clear();
    }
}

void ShowCaptionAndColours(TForm1& f) {
    f.SetCaption("KTQ Trial Exam Tests -:-  Vers " + GetVersionString() + " " +
                 Text(1, kCopyrightChar) + kMakerCredit +
                 (f.state.ReadOnlyFolder ? kReadOnlyCaption : ""));
    f.state.HoverColor = 0xF0FBFF;
    f.state.SpareColor2 = 0x0000FF;
    f.state.CorrectColor = 0x2BB54E;
}

void FindFigures(TForm1& f) {
    f.state.AvailableImages.clear();
    f.state.LevelTag.clear();
    f.state.FigureFile.clear();
    f.FindAvailableImages();
}

void ResetTrial(TForm1& f) {
    RunState& s = f.state;
    s.StartTime = f.Sys().Now();
    s.TrialRunning = false;
    s.DoneCount = 0;
    s.CorrectCount = 0;
    s.SelectedAnswer = 0;
    s.CorrectLetter.clear();
    s.AskedCodes.clear();
    s.TicksSinceAnswer = 0;
    s.AnswerPending = false;
    s.QuestionCode.clear();
    s.AnswerLetter.clear();
    s.ReferenceText.clear();
    f.Button5.SetEnabled(false);
}

void FillPoolChooser(TForm1& f) {
    RunState& s = f.state;
    std::vector<FileName> names;
    try {
        ImportPublishedPools(f);
        names = ListFolderInto(f);
    } catch (const IoError& e) {
        // The files may well be there: the folder itself cannot be read.
        f.Sys().ShowMessage("Missing files error", e.what());
        return;
    }
    s.TestsMode = FolderHoldsPreparedBanks(f.ListBox1.Items());
    for (const FileName& name : names) {
        if (PassesPoolFileFilter(name.Shown(), s.TestsMode)) {
            f.ComboBox1.AddItem(name.Shown());
            s.PoolFiles.push_back(name);
        }
    }
    if (f.ComboBox1.Items().empty())
        f.Sys().ShowMessage("Missing files error", kMissingFilesText);
}

// No pool chosen yet; the working copy of the last one is read again.
void ResetPoolAndBank(TForm1& f) {
    RunState& s = f.state;
    s.ExamSize = 0;
    s.PoolFileName.clear();
    f.Label3.SetText("0");
    f.Label5.SetText("0");
    f.Label7.SetText("0");
    s.PoolLines.clear();
    if (PresentAndNotEmpty(f.Files(), kWorkingCopy))
        s.PoolLines = ReadLines(f.Files(), kWorkingCopy);
    s.QuestionBank.clear();
    s.QuestionBankFile.clear();
    f.Memo1.Show();
}

void ShowNoticeAtFirstStart(TForm1& f) {
    RunState& s = f.state;
    if (s.StartCount == 1 && s.ShowNotice) {
        s.NoticeTicks = 0;
        f.Panel2.Show();
        f.Timer2.SetEnabled(true);
    }
}

}  // namespace

void TForm1::FormCreate() {
    state.CommandLine.clear();
    for (const Text& p : Sys().CommandLineParameters()) state.CommandLine += " " + p;
    state.Settings = &Sys().Settings();

    // "01/07/2019" is in the past in either day or month order.
    if (FileExists(Files(), kRetiredPool) && Sys().Now().ms > MakeDateTime(2019, 7, 1).ms)
        RenameFile(Files(), kRetiredPool, Text(kRetiredPool) + ".bak");

    std::vector<FileName> names;
    try {
        // What a killed run left behind goes before anything else is listed.
        RemoveLeftoverTemporaries(Files());
        names = ListFolderInto(*this);
    } catch (const IoError&) {
        // Said at activation, which lists the folder again.
    }
    if (FolderHoldsPreparedBanks(ListBox1.Items())) {
        // Prepared banks carry their own notes: set the loose study files aside.
        for (const FileName& entry : names) {
            for (const char* word : {"learn.txt", "study.txt", "qstns.txt"}) {
                if (NeedsSettingAside(LowerAscii(entry.Shown()), word))
                    RenameFile(Files(), entry, FileName::FromSystem(entry.System() + ".Bak"));
            }
        }
    }
    ListBox1.Clear();
}

void TForm1::FormActivate() {
    fitsScreen_ = true;
    ResetStartState(*this);
    state.RuleLines.clear();
    state.RulesSize = -1;
    RefreshRulesText();
    state.StudyNotes.clear();
    LoadSettings();
    SizeForLearningMode(*this);
    CountThisStart(*this);
    ClearQuestionArea(*this);
    ShowCaptionAndColours(*this);
    FindFigures(*this);
    ResetTrial(*this);
    FillPoolChooser(*this);
    ResetPoolAndBank(*this);
    ShowNoticeAtFirstStart(*this);
    ClearStatusNotes();
}

void TForm1::FormClose() {
    SaveSettings();
    if (history_)
        ShowHistoryNotes(history_->Close(HistoryStamp()));
    Sys().Files().UnlockFolder();
    state.QuestionBank.clear();
    state.PoolLines.clear();
    state.RuleLines.clear();
    state.StudyNotes.clear();
}

}  // namespace ktq
