// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StateReport.h"

#include <cstdio>
#include <functional>
#include <map>

namespace ktq {
namespace {

using Describer = std::function<void(const RunState&, LineList&)>;

Describer TextOf(Text RunState::*field) {
    return [field](const RunState& s, LineList& out) { out.push_back(s.*field); };
}
Describer IntOf(int RunState::*field) {
    return [field](const RunState& s, LineList& out) { out.push_back(std::to_string(s.*field)); };
}
Describer FlagOf(bool RunState::*field) {
    return
        [field](const RunState& s, LineList& out) { out.push_back(s.*field ? "true" : "false"); };
}
Describer ListOf(LineList RunState::*field) {
    return [field](const RunState& s, LineList& out) {
        out.insert(out.end(), (s.*field).begin(), (s.*field).end());
    };
}
Describer ColorOf(Color RunState::*field) {
    return [field](const RunState& s, LineList& out) { out.push_back(ColorText(s.*field)); };
}

const std::map<std::string, Describer>& Table() {
    static const std::map<std::string, Describer> table = {
        {"CommandLine", TextOf(&RunState::CommandLine)},
        {"ProgramVersion", TextOf(&RunState::ProgramVersion)},
        {"StoredVersion", TextOf(&RunState::StoredVersion)},
        {"StartCount", IntOf(&RunState::StartCount)},
        {"ShowNotice", FlagOf(&RunState::ShowNotice)},
        {"NoticeTicks", IntOf(&RunState::NoticeTicks)},
        {"MaxHeight", IntOf(&RunState::MaxHeight)},
        {"TestsMode", FlagOf(&RunState::TestsMode)},
        {"PoolFileName", TextOf(&RunState::PoolFileName)},
        {"ExamSize", IntOf(&RunState::ExamSize)},
        {"PoolInForce", TextOf(&RunState::PoolInForce)},
        {"LevelTag", TextOf(&RunState::LevelTag)},
        {"KeyAlphabet", TextOf(&RunState::KeyAlphabet)},
        {"PoolLines", ListOf(&RunState::PoolLines)},
        {"QuestionBank", ListOf(&RunState::QuestionBank)},
        {"QuestionBankFile", TextOf(&RunState::QuestionBankFile)},
        {"StudyNotes", ListOf(&RunState::StudyNotes)},
        {"RuleLines", ListOf(&RunState::RuleLines)},
        {"SectionSign", TextOf(&RunState::SectionSign)},
        {"AvailableImages", TextOf(&RunState::AvailableImages)},
        {"QuestionCode", TextOf(&RunState::QuestionCode)},
        {"CorrectLetter", TextOf(&RunState::CorrectLetter)},
        {"AnswerLetter", TextOf(&RunState::AnswerLetter)},
        {"ReferenceText", TextOf(&RunState::ReferenceText)},
        {"FigureFile", TextOf(&RunState::FigureFile)},
        {"FigureWindowFile", TextOf(&RunState::FigureWindowFile)},
        {"AskedCodes", TextOf(&RunState::AskedCodes)},
        {"TrialRunning", FlagOf(&RunState::TrialRunning)},
        {"StartTime",
         [](const RunState& s, LineList& out) { out.push_back(FormatDateTime(s.StartTime)); }},
        {"DoneCount", IntOf(&RunState::DoneCount)},
        {"CorrectCount", IntOf(&RunState::CorrectCount)},
        {"SelectedAnswer", IntOf(&RunState::SelectedAnswer)},
        {"AnswerPending", FlagOf(&RunState::AnswerPending)},
        {"TicksSinceAnswer", IntOf(&RunState::TicksSinceAnswer)},
        {"IncorrectList", TextOf(&RunState::IncorrectList)},
        {"ExamRunning", FlagOf(&RunState::ExamRunning)},
        {"ExamCodes", ListOf(&RunState::ExamCodes)},
        {"ExamDate", TextOf(&RunState::ExamDate)},
        {"Announcement", TextOf(&RunState::Announcement)},
        {"HoverColor", ColorOf(&RunState::HoverColor)},
        {"CorrectColor", ColorOf(&RunState::CorrectColor)},
        {"SpareColor2", ColorOf(&RunState::SpareColor2)},
    };
    return table;
}

// What the window's subsystems hold beyond the run state, by name.
using FormDescriber = std::function<void(TForm1&, const std::string&, LineList&)>;

Text FourDecimals(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.4f", v);
    return buf;
}

const std::map<std::string, std::pair<StateArgument, FormDescriber>>& FormTable() {
    static const std::map<std::string, std::pair<StateArgument, FormDescriber>> table = {
        {"Progress",
         {StateArgument::None,
          [](TForm1& f, const std::string&, LineList& out) { out = f.ProgressReport(); }}},
        {"Recall",
         {StateArgument::Code,
          [](TForm1& f, const std::string& code, LineList& out) {
              const StudyHistory* h = f.History();
              out.push_back(FourDecimals(h ? h->RecallAt(code, f.Sys().UtcNowMs()) : 0.0));
          }}},
        {"DueCount",
         {StateArgument::None, [](TForm1& f, const std::string&,
                                  LineList& out) { out.push_back(std::to_string(f.DueNow())); }}},
        {"DueForecast",
         {StateArgument::None,
          [](TForm1& f, const std::string&, LineList& out) {
              for (int n : f.DueForecastNow(14)) out.push_back(std::to_string(n));
          }}},
        {"Plan",
         {StateArgument::None, [](TForm1& f, const std::string&,
                                  LineList& out) { out.push_back(PlanLine(f.PlanNow())); }}},
        {"NextCodes",
         {StateArgument::Count,
          [](TForm1& f, const std::string& count, LineList& out) {
              out = f.DrillNextCodes(static_cast<std::size_t>(std::stoi(count)));
          }}},
    };
    return table;
}

}  // namespace

std::optional<StateArgument> StateVariableArgument(const std::string& name) {
    if (Table().count(name))
        return StateArgument::None;
    if (auto it = FormTable().find(name); it != FormTable().end())
        return it->second.first;
    return std::nullopt;
}

void DescribeStateVariable(TForm1& form, const std::string& name, const std::string& argument,
                           LineList& out) {
    if (auto it = Table().find(name); it != Table().end())
        it->second(form.state, out);
    else if (auto f = FormTable().find(name); f != FormTable().end())
        f->second.second(form, argument, out);
}

}  // namespace ktq
