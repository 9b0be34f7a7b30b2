// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The working state that every handler of the window shares. Names are the
// ones the whole program uses; starting values are those at load, before the
// window exists (numbers 0, flags false, texts and lists empty).
#include <vector>

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

    // Pool, level and reference data.
    Text PoolFileName;
    // The pool chooser's files as the system spells their names, beside the
    // names ComboBox1 shows; and the one chosen.
    std::vector<FileName> PoolFiles;
    FileName PoolFile;
    int ExamSize = 0;
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
    Text SectionSign;
    Text AvailableImages;

    // Current question.
    Text QuestionCode;
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
    int TicksSinceAnswer = 0;
    Text IncorrectList;

    // Practice exam.
    bool ExamRunning = false;
    LineList ExamCodes;            // as drawn, in the order shown
    std::size_t ExamPosition = 0;  // of the question on screen in ExamCodes
    LineList ExamCorrectLetters;   // per answer given, the letter judged against
    LineList ExamChosenLetters;
    DateTime ExamStartTime;
    // Label5, Label7 and Label15 as the trial left them while they show an exam.
    LineList ExamTrialCounters;
    // The enabled states of the controls an exam locks, as it found them.
    std::vector<bool> ExamLockedEnabled;

    // Colours.
    Color HoverColor = 0;
    Color CorrectColor = 0;
    Color SpareColor2 = 0;
};

}  // namespace ktq
