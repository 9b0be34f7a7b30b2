// SPDX-License-Identifier: GPL-3.0-or-later
// The answer history of the chosen pool: opened at its selection, fed by
// every scored answer, and shown as progress in a window and a report.
#include <cstdio>

#include "history/HistoryPlace.h"
#include "platform/TextFile.h"
#include "pool/BankBuilder.h"
#include "pool/LevelRules.h"
#include "pool/PoolText.h"
#include "ui/TForm1.h"

namespace ktq {
namespace {

constexpr const char* kProgressSuffix = " ^ Progress.txt";

LineList CodesOf(const LineList& records) {
    LineList codes;
    codes.reserve(records.size());
    for (const Text& r : records) codes.push_back(GetField(r, kTab, 1));
    return codes;
}

}  // namespace

// Names a damaged database moved aside: "20261208-090000".
std::string TForm1::HistoryStamp() {
    const std::string iso = FormatIsoDateTime(Sys().Now());  // "2026-12-08 09:00:00"
    std::string stamp;
    for (char c : iso) {
        if (c == ' ')
            stamp += '-';
        else if (c != '-' && c != ':')
            stamp += c;
    }
    return stamp;
}

void TForm1::ShowHistoryNotes(const std::vector<Text>& notes) {
    for (const Text& note : notes) Sys().ShowMessage("Answer history", note);
}

void TForm1::OpenHistory() {
    if (!history_) {
        history_ =
            std::make_unique<StudyHistory>(HistoryPathFor(FileName(Files().Folder()).System()));
    }
    ShowHistoryNotes(history_->Open(state.LevelTag, YearText(state.PoolFileName), HistoryStamp()));
    LoadExamDate();
}

void TForm1::RecordAnswer(const Text& chosen, AnswerMode mode) {
    if (!history_)
        return;
    StoredAnswer a;
    a.utcMs = Sys().UtcNowMs();
    a.code = state.QuestionCode;
    a.chosen = chosen;
    a.correct = state.CorrectLetter;
    a.mode = mode;
    ShowHistoryNotes(history_->Record(a, HistoryStamp()));
}

const LineList& TForm1::PoolCodes() {
    RunState& s = state;
    if (s.PoolCodes.empty()) {
        if (s.TestsMode) {
            s.PoolCodes = CodesOf(s.PoolLines);
        } else {
            LineList records = BuildBankRecords(s.PoolLines).records;
            DropLeadingRecords(records);
            s.PoolCodes = CodesOf(records);
        }
    }
    return s.PoolCodes;
}

ProgressView TForm1::Progress() {
    if (!history_)
        return {};
    ShowHistoryNotes(history_->Refresh(HistoryStamp()));
    const std::int64_t utc = Sys().UtcNowMs();
    return BuildProgress(PoolCodes(), *history_, utc, state.ExamSize, Sys().Now().ms - utc);
}

LineList TForm1::ProgressReport() {
    if (!history_)
        return {};
    LineList lines = ProgressReportLines(Progress(), FormatIsoDateTime(Sys().Now()));
    const LineList outlook = ExamOutlookLines();
    lines.insert(lines.end(), outlook.begin(), outlook.end());
    return lines;
}

Text TForm1::SaveProgressReport() {
    const Text name = LevelFileName(state.LevelTag, state.PoolFileName, kProgressSuffix);
    WriteLinesReplacing(Files(), name, ProgressReport());
    return name;
}

void TForm1::Button8Click() {
    if (OnProgressRequested)
        OnProgressRequested();
}

}  // namespace ktq
