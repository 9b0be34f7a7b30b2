// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The working state that every handler of the window shares. Names are the
// ones the whole program uses; starting values are those at load, before the
// window exists (numbers 0, flags false, texts and lists empty).
#include <cstdint>
#include <vector>

#include "history/DrillSchedule.h"
#include "platform/DateTime.h"
#include "platform/FileName.h"
#include "platform/SettingsStore.h"
#include "text/Text.h"
#include "ui/Control.h"

namespace ktq {

struct RunState {
    // Environment, settings and window.
    Text CommandLine;
    SettingsStore* Settings = nullptr;
    Text ProgramVersion;
    Text StoredVersion;
    int StartCount = 0;
    bool ShowNotice = false;
    int NoticeTicks = 0;
    int MaxHeight = 0;
    bool TestsMode = false;
    // Another window has the folder open: nothing is written to it (the
    // window's files are kept in memory, see ReadOnlyFileSystem).
    bool ReadOnlyFolder = false;
    Text ReadOnlyReason;

    // Pool, level and reference data.
    Text PoolFileName;
    // The pool chooser's files as the system spells their names, beside the
    // names ComboBox1 shows; and the one chosen.
    std::vector<FileName> PoolFiles;
    FileName PoolFile;
    int ExamSize = 0;
    // "in force until 2030-06-30", "expired 2026-06-30", "from 2027-07-01",
    // or empty for a name without the years of the pool.
    Text PoolInForce;
    Text LevelTag;
    Text KeyAlphabet;
    LineList PoolLines;
    LineList QuestionBank;
    // The prepared bank file QuestionBank was loaded from; empty when it was
    // built from a pool.
    Text QuestionBankFile;
    // The chosen pool's codes, worked out when first needed.
    LineList PoolCodes;
    LineList StudyNotes;
    LineList RuleLines;
    // The size and time of the rules text RuleLines were read from (size -1:
    // none read), so a text copied in or changed later is read when needed.
    std::int64_t RulesSize = -1;
    std::int64_t RulesModified = 0;
    Text SectionSign;
    Text AvailableImages;

    // Current question.
    Text QuestionCode;
    // The figure last asked for in a window of its own.
    Text FigureWindowFile;
    Text CorrectLetter;
    Text AnswerLetter;
    Text ReferenceText;
    Text FigureFile;
    Text AskedCodes;

    // Trial and scoring.
    bool TrialRunning = false;
    DateTime StartTime;
    int DoneCount = 0;
    int CorrectCount = 0;
    int SelectedAnswer = 0;
    bool AnswerPending = false;
    // The answer pending is "Don't know": the right answer shows as after a wrong one.
    bool AnswerNotKnown = false;
    int TicksSinceAnswer = 0;
    Text IncorrectList;

    // Practice exam.
    bool ExamRunning = false;
    LineList ExamCodes;            // as drawn, in the order shown
    LineList ExamAnswerOrders;     // per question, the pool's letters of boxes A to D
    std::size_t ExamPosition = 0;  // of the question on screen in ExamCodes
    LineList ExamCorrectLetters;   // per answer given, the letter judged against
    LineList ExamChosenLetters;
    DateTime ExamStartTime;
    // Label5, Label7 and Label15 as the trial left them while they show an exam.
    LineList ExamTrialCounters;
    // The enabled states of the controls an exam locks, as it found them.
    std::vector<bool> ExamLockedEnabled;

    // The drill ("Weakest first").
    int TargetRetentionPercent = 90;
    int DrillDraws = 0;  // drawn so far
    std::vector<Relearning> DrillRelearning;
    // The chosen pool's exam date, "YYYY-MM-DD" or empty; the local day on
    // which the plan was last said done.
    Text ExamDate;
    std::int64_t PlanDoneSaidDay = -1;

    // What a screen reader is to say now, and how many times something was
    // said: the same words said again are said again.
    Text Announcement;
    int AnnouncementCount = 0;

    // Colours.
    Color HoverColor = 0;
    Color CorrectColor = 0;
    Color SpareColor2 = 0;
};

}  // namespace ktq
