// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: every control by its designed name, the run state, and
// the event handlers. Handlers are defined in the folder of their subsystem
// (app/, pool/, exam/, study/), so each file holds one subsystem.
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "history/ExamOutlook.h"
#include "history/Progress.h"
#include "history/StudyHistory.h"
#include "platform/Platform.h"
#include "ui/Controls.h"
#include "ui/RunState.h"

namespace ktq {

inline constexpr const char* kApplicationTitle = "KTQ Testing-Learning Software";

class TForm1 : public Form {
  public:
    explicit TForm1(Platform& platform);

    Platform& Sys() { return platform_; }
    // The working folder's files, as every handler reaches them: the
    // platform's, or their read-only layer when another window has the folder.
    FileSystem& Files() { return readOnlyFiles_ ? *readOnlyFiles_ : platform_.Files(); }
    RunState state;

    // Lookup by designed name, the window's own included.
    Control* FindControl(const std::string& name) const;
    Timer* FindTimer(const std::string& name);

    // Runs one user action or timer tick; an IoError (or any other failure)
    // ends that handler and is shown by the general error report.
    void RunGuarded(const std::function<void()>& action);
    // The general error report: a message box with the failure's text.
    void ReportError(const std::exception& e);
    // The diagnostic switch: "/diag" anywhere in the lower-cased command line.
    bool DiagOn() const;

    // ---- Controls (designed properties in FormDesign.cpp) ----
    Label Label1{"Label1", this};
    ComboBox ComboBox1{"ComboBox1", this};
    Label Label11{"Label11", this};
    Label Label25{"Label25", this};
    Label Label19{"Label19", this};
    Label Label20{"Label20", this};
    Label Label2{"Label2", this};
    Label Label3{"Label3", this};
    Label Label5{"Label5", this};
    Label Label4{"Label4", this};
    Label Label7{"Label7", this};
    Label Label6{"Label6", this};
    Label Label15{"Label15", this};
    Button Button3{"Button3", this};
    Button Button7{"Button7", this};
    Button Button5{"Button5", this};

    Button Button1{"Button1", this};
    Button Button4{"Button4", this};
    Label Label17{"Label17", this};
    ComboBox ComboBox2{"ComboBox2", this};
    UpDown UpDown1{"UpDown1", this};
    Label Label16{"Label16", this};
    Memo Memo2{"Memo2", this};
    Button Button2{"Button2", this};
    CheckBox CheckBox2{"CheckBox2", this};
    Label Label21{"Label21", this};
    Label Label22{"Label22", this};
    Label Label13{"Label13", this};
    TrackBar TrackBar1{"TrackBar1", this};
    Label Label18{"Label18", this};
    Label Label24{"Label24", this};
    Label Label14{"Label14", this};
    CheckBox CheckBox1{"CheckBox1", this};
    Label Label27{"Label27", this};
    Label Label26{"Label26", this};
    Label Label23{"Label23", this};
    // Added controls, in free space of the designed window.
    Label Label38{"Label38", this};         // the status line
    Button Button6{"Button6", this};        // "Practice Exam"
    CheckBox CheckBox4{"CheckBox4", this};  // "Weakest first"
    Button Button8{"Button8", this};        // "Progress"
    Button Button9{"Button9", this};        // "Don't know"
    Label Label39{"Label39", this};         // "Question n of N" in a practice exam
    Button Button10{"Button10", this};      // "Enlarge Figure"

    Memo Memo1{"Memo1", this};
    Memo Memo4{"Memo4", this};
    RichEdit RichEdit1{"RichEdit1", this};
    RichEdit RichEdit2{"RichEdit2", this};
    RichEdit RichEdit3{"RichEdit3", this};
    RichEdit RichEdit4{"RichEdit4", this};
    RichEdit RichEdit5{"RichEdit5", this};
    ListBox ListBox1{"ListBox1", this};
    Label Label8{"Label8", this};
    Edit Edit1{"Edit1", this};
    Label Label9{"Label9", this};
    Edit Edit2{"Edit2", this};
    Label Label10{"Label10", this};
    Edit Edit3{"Edit3", this};
    Memo Memo3{"Memo3", this};

    Panel Panel1{"Panel1", this};
    Image Image1{"Image1", &Panel1};

    Panel Panel2{"Panel2", this};
    Label Label28{"Label28", &Panel2};
    Label Label29{"Label29", &Panel2};
    Label Label30{"Label30", &Panel2};
    Label Label31{"Label31", &Panel2};
    Label Label12{"Label12", &Panel2};
    Label Label33{"Label33", &Panel2};
    Label Label34{"Label34", &Panel2};
    Label Label35{"Label35", &Panel2};
    Label Label36{"Label36", &Panel2};
    CheckBox CheckBox3{"CheckBox3", &Panel2};
    Label Label37{"Label37", &Panel2};

    Timer Timer1{"Timer1", this};
    Timer Timer2{"Timer2", this};

    // The answer boxes A to D, numbered 1 to 4.
    RichEdit* AnswerBox(int number);
    // Stacking order, bottom first, and the Tab order (for the skin).
    std::vector<Control*> StackingOrder() const;
    std::vector<Control*> TabOrder() const;

    // ---- Application shell (app/) ----
    // Before FormCreate: takes the folder's lock, or, when another window
    // holds it, asks whether to open the folder read-only. `readOnly` opens it
    // so without asking. False when the user chose to quit instead.
    bool TakeFolder(bool readOnly);
    // `why` the folder is read-only, when no one chose it.
    void OpenReadOnly(const Text& why = "");
    void FormCreate();
    void FormActivate();
    // Once the window is up, its place and size stay within the free area
    // of the screen it is on, whatever the place saved or the height asked.
    void SetBounds(int left, int top, int width, int height) override;
    void FormClose();
    void FormResize();
    void ShowDetailsLine(int line, int column);
    void RichEdit1MouseMove();
    void AnswerBoxMouseMove(int number);
    void LoadSettings();
    void SaveSettings();
    void Timer2Timer();
    void CheckBox3Click();
    // The status line: notes that need no message box, such as what a pool
    // selection found. A new note joins those already shown; a read-only
    // folder stays said.
    void AddStatusNote(const Text& note);
    void ClearStatusNotes();
    // Hands words to a screen reader (the skin speaks them, the driver's
    // `state Announcement` prints them). Composed where the question is shown
    // and the answer scored (ui/Spoken.h).
    void Announce(const Text& words);

    // ---- Question pools (pool/) ----
    void ComboBox1Change();
    void ResetScoreDisplay();
    void Button1Click();
    void BuildQuestionBank();
    void LoadPreparedBank();

    // ---- Trial exam (exam/) ----
    void ShowQuestion(const Text& code);
    void Button4Click();
    void AnswerMouseDown(int number, MouseButton button);
    // "Don't know": a wrong answer that the history keeps as not known.
    void Button9Click();
    void Timer1Timer();
    void TrackBar1Change();
    void ComboBox2Change();
    void ComboBox2Enter();
    // The focus goes where the answer keys answer the question shown.
    void FocusOnAnswers();
    void UpDown1Click(UpDownArrow arrow);
    void Memo2MouseDown();
    void Memo2Click();
    void Button5Click();
    void Button6Click();
    // The drill: the situation its draw works on, and what it would draw.
    DrillSituation DrillNow();
    LineList DrillNextCodes(std::size_t count);
    int DueNow();
    std::vector<int> DueForecastNow(int days);
    void SetTargetRetention(int percent);
    void AbandonPracticeExam();
    // "Question n of N" while an exam runs; the trial's counters make way.
    void ShowExamPosition();
    // The trial's counters again where an exam showed its own.
    void RestoreTrialCounters();
    // Memo1 gives way to the question and answer boxes.
    void ShowQuestionBoxes();

    // ---- Study aids (study/) ----
    void Button3Click();
    void WriteSwotFromBank();
    void WriteSwotFromPool();
    void CheckBox1Click();
    void ShowDetails();
    // The deciphered study note of a question, from the prepared bank or the
    // level's study-note file; nothing when there is none.
    std::optional<Text> StudyNoteOf(const Text& code);
    void Memo3MouseDown();
    void Edit1Change();
    void Edit3Change();
    void LookupReference();
    // Reads the rules text again when it appeared, changed or went since it
    // was last read.
    void RefreshRulesText();
    void Button7Click();
    void FindAvailableImages();
    // The figure step of ShowQuestion, on the chosen record.
    void ShowFigureOf(const Text& record);
    void Button2Click();
    void Image1Click();
    // The figure shown, in a window of its own to zoom into.
    void Button10Click();
    void CheckBox2Click();
    Text DecipherNote(const Text& text) const;

    // ---- Answer history and progress (study/) ----
    // Opened for the chosen pool; null before one is chosen.
    StudyHistory* History() { return history_.get(); }
    void OpenHistory();
    // Every scored answer of the question on screen, from where it is scored.
    void RecordAnswer(const Text& chosen, AnswerMode mode);
    // The chosen pool's codes in pool order, from its bank or its text.
    const LineList& PoolCodes();
    ProgressView Progress();
    LineList ProgressReport();
    // Writes the report beside the pool's other files; returns its name.
    Text SaveProgressReport();
    void Button8Click();
    // The chosen pool's exam date, "YYYY-MM-DD" or empty for none, kept per
    // pool in the settings. False (and nothing changed) for anything else.
    bool SetExamDate(const Text& iso);
    void LoadExamDate();
    void StoreExamDate();
    // "Exam in 12 days" and the like; empty without an exam date.
    Text ExamCountdownNow();
    // The report's lines of the exam date: the date, the chance of passing
    // then, and the questions each sub-element is expected to lose.
    LineList ExamOutlookLines();
    ExamProjection ExamProjectionNow();
    StudyPlan PlanNow();
    // The status line says so once a day, when an answer of the drill meets the plan.
    void SayWhenPlanDone();
    // The front end's progress window; the driver prints the report instead.
    std::function<void()> OnProgressRequested;
    // The skin opens the figure file in its own window.
    std::function<void(const Text&)> OnFigureWindowRequested;

  private:
    // Private helpers of the subsystems, one block each.
    // -- pool/ --
    // -- exam/ --
    void RecordExamAnswer(const Text& chosen);
    // The pool's letter of what answer box 1..4 shows in the exam.
    Text ExamLetterOfBox(int number);
    // Scores the trial's question on screen: `chosen` is a letter or kNotKnown.
    void ScoreTrialAnswer(const Text& chosen);
    std::optional<std::size_t> DrawForDrill();
    void FinishPracticeExam();
    void LockForExam(bool running);
    // -- study/ --

    void BindEvents();
    void ShowHistoryNotes(const std::vector<Text>& notes);
    std::string HistoryStamp();
    Platform& platform_;
    bool fitsScreen_ = false;
    std::unique_ptr<StudyHistory> history_;
    std::unique_ptr<FileSystem> readOnlyFiles_;
};

}  // namespace ktq
