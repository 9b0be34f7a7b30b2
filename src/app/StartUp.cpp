// Window creation, first activation and closing.
#include <algorithm>

#include "app/PoolFileFilter.h"
#include "app/Version.h"
#include "platform/TextFile.h"
#include "ui/TForm1.h"

namespace ktq {
namespace {

constexpr const char* kRetiredPool =
    "FINAL Revised 2015-2019 General Class Question Pool 2-11-2015.txt";
constexpr const char* kRulesFile = "rule97.txt";
constexpr const char* kMakerCredit = " KTQTests developers 2026";
constexpr const char* kMissingFilesText =
    "No suitable TXT Pool files found in the current folder. Copy them to this application's "
    "folder and restart this software.\r\n\r\nText versions can be created by opening the "
    "original Pool DOC or DOCX file in MSWord and saving as a Plain Text document file with a "
    ".TXT file extension.";

// A name holding `word` that is not a file already set aside ("word." follows).
bool NeedsSettingAside(const Text& lower, const char* word) {
    return Contains(lower, word) && !Contains(lower, Text(word) + ".");
}

}  // namespace

void TForm1::FormCreate() {
    state.CommandLine.clear();
    for (const Text& p : Sys().CommandLineParameters()) state.CommandLine += " " + p;
    state.Settings = &Sys().Settings();

    // "01/07/2019" is in the past in either day or month order.
    if (FileExists(kRetiredPool) && Sys().Now().ms > MakeDateTime(2019, 7, 1).ms)
        RenameFile(kRetiredPool, Text(kRetiredPool) + ".bak");

    ListFolderFiles(".", ListBox1.MutableItems());
    if (FolderHoldsPreparedBanks(ListBox1.Items())) {
        // Prepared banks carry their own notes: set the loose study files aside.
        for (const Text& entry : ListBox1.Items()) {
            for (const char* word : {"learn.txt", "study.txt", "qstns.txt"}) {
                if (NeedsSettingAside(LowerAscii(entry), word))
                    RenameFile(entry, entry + ".Bak");
            }
        }
    }
    ListBox1.Clear();
}

void TForm1::FormActivate() {
    RunState& s = state;
    s.SectionSign = Text(1, kSectionSignChar);
    s.TestsMode = false;
    s.StartCount = 0;
    s.ShowNotice = true;
    s.StoredVersion.clear();
    s.KeyAlphabet = "7305918264";
    s.ProgramVersion = GetVersionString();

    s.RuleLines.clear();
    if (PresentAndNotEmpty(kRulesFile)) {
        s.RuleLines = ReadLines(kRulesFile);
        if (DiagOn())
            Label26.SetText("R97");
    }
    s.StudyNotes.clear();

    LoadSettings();

    if (CheckBox1.Checked()) {
        SetHeight(590);
        Memo3.Show();
        Memo3.Clear();
    } else {
        SetHeight(410);
        Memo3.Hide();
    }
    if (Height() < s.MaxHeight)
        SetMaxHeightConstraint(s.MaxHeight);
    if (CheckBox1.Checked()) {
        const int screen = Sys().ScreenHeight();
        struct Row {
            int above, height;
        };
        for (Row row : {Row{800, 800}, Row{900, 900}, Row{1000, 950}}) {
            if (screen > row.above) {
                SetHeight(row.height);
                s.MaxHeight = row.height;
            }
        }
    }

    s.StartCount = std::min(s.StartCount + 1, 5);
    Label37.SetText(std::to_string(s.StartCount));
    if (s.StartCount >= 5)
        Label37.Hide();
    if (s.StoredVersion != s.ProgramVersion)
        s.StartCount = 1;

    if (PresentAndNotEmpty(kRulesFile))
        Button7.SetVisible(!CheckBox1.Checked());

    Memo1.SetWidth(Width() - 130);
    for (RichEdit* box : {&RichEdit1, &RichEdit2, &RichEdit3, &RichEdit4, &RichEdit5}) {
        box->Hide();
        box->SetWidth(Width() - 130);
        box->SetLeft(112);
        box->Clear();
    }

    SetCaption("KTQ Trial Exam Tests -:-  Vers " + GetVersionString() + " " +
               Text(1, kCopyrightChar) + kMakerCredit);

    s.HoverColor = 0xF0FBFF;
    s.SpareColor2 = 0x0000FF;
    s.CorrectColor = 0x2BB54E;

    s.AvailableImages.clear();
    s.LevelTag.clear();
    s.FigureFile.clear();
    FindAvailableImages();

    s.StartTime = Sys().Now();
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
    Button5.SetEnabled(false);

    ListFolderFiles(".", ListBox1.MutableItems());
    s.TestsMode = FolderHoldsPreparedBanks(ListBox1.Items());
    for (const Text& entry : ListBox1.Items()) {
        if (PassesPoolFileFilter(entry, s.TestsMode))
            ComboBox1.AddItem(entry);
    }
    if (ComboBox1.Items().empty())
        Sys().ShowMessage("Missing files error", kMissingFilesText);

    s.ExamSize = 0;
    s.PoolFileName.clear();
    Label3.SetText("0");
    Label5.SetText("0");
    Label7.SetText("0");

    s.PoolLines.clear();
    if (PresentAndNotEmpty("qfile.txt"))
        s.PoolLines = ReadLines("qfile.txt");
    s.QuestionBank.clear();
    Memo1.Show();

    if (s.StartCount == 1 && s.ShowNotice) {
        s.NoticeTicks = 0;
        Panel2.Show();
        Timer2.SetEnabled(true);
    }
}

void TForm1::FormClose() {
    SaveSettings();
    state.QuestionBank.clear();
    state.PoolLines.clear();
    state.RuleLines.clear();
    state.StudyNotes.clear();
}

}  // namespace ktq
