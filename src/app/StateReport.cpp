#include "app/StateReport.h"

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
        {"Announcement", TextOf(&RunState::Announcement)},
        {"HoverColor", ColorOf(&RunState::HoverColor)},
        {"CorrectColor", ColorOf(&RunState::CorrectColor)},
        {"SpareColor2", ColorOf(&RunState::SpareColor2)},
    };
    return table;
}

}  // namespace

bool DescribeStateVariable(const RunState& state, const std::string& name, LineList& out) {
    auto it = Table().find(name);
    if (it == Table().end())
        return false;
    it->second(state, out);
    return true;
}

}  // namespace ktq
