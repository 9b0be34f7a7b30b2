// SPDX-License-Identifier: GPL-3.0-or-later
#include "notes/StudyNoteSource.h"

#include <map>
#include <regex>
#include <set>

#include "pool/PoolText.h"

namespace ktq {
namespace {

bool IsCodeCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

Text Where(const SourceNote& n) {
    return "line " + std::to_string(n.line) + " (" + n.code + ")";
}

// "answer B", "choice (C)", "(D)", "A." at the start: a letter that stands
// for an answer. A lone capital elsewhere ("2 A", "class C") is a unit or a
// name and passes.
bool NamesAnswerLetter(const Text& note) {
    static const std::regex byWord(
        R"((^|[^A-Za-z])([Aa]nswers?|[Cc]hoices?|[Oo]ptions?|[Ll]etters?)( is)?\s+\(?[A-D]\)?($|[^A-Za-z0-9]))");
    static const std::regex bracketed(R"((^|\s)\(?[A-D]\)($|[\s.,;:]))");
    static const std::regex leading(R"(^[A-D]\.\s)");
    return std::regex_search(note, byWord) || std::regex_search(note, bracketed) ||
           std::regex_search(note, leading);
}

}  // namespace

StudyNoteSource ReadStudyNoteSource(const LineList& lines) {
    StudyNoteSource source;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Text line = Trim(lines[i]);
        if (line.empty() || line[0] == '#')
            continue;
        std::size_t end = 0;
        while (end < line.size() && IsCodeCharacter(line[end])) ++end;
        const Text note = end < line.size() && line[end] == ' ' ? Trim(line.substr(end)) : Text();
        if (end == 0 || note.empty()) {
            source.problems.push_back("line " + std::to_string(i + 1) +
                                      ": not a question code followed by its note");
            continue;
        }
        source.notes.push_back({line.substr(0, end), note, i + 1});
    }
    return source;
}

std::vector<Text> CheckStudyNotes(const StudyNoteSource& source, const LineList& bankRecords) {
    std::vector<Text> problems = source.problems;
    std::set<Text> codes;
    for (const Text& record : bankRecords) codes.insert(Trim(GetField(record, kTab, 1)));

    std::map<Text, const SourceNote*> seen;
    for (const SourceNote& n : source.notes) {
        if (auto [it, fresh] = seen.emplace(n.code, &n); !fresh)
            problems.push_back(Where(n) + ": a second note; the first is on line " +
                               std::to_string(it->second->line));
        if (!codes.contains(n.code))
            problems.push_back(Where(n) + ": the pool has no question of this code");
        if (n.note.size() < kShortestNote || n.note.size() > kLongestNote)
            problems.push_back(Where(n) + ": " + std::to_string(n.note.size()) +
                               " characters; a note has " + std::to_string(kShortestNote) + " to " +
                               std::to_string(kLongestNote));
        if (Contains(n.note, "\t"))
            problems.push_back(Where(n) + ": a TAB would split the record");
        if (NamesAnswerLetter(n.note))
            problems.push_back(Where(n) + ": names an answer by its letter");
    }
    for (const Text& code : codes) {
        if (!seen.contains(code))
            problems.push_back(code + ": no note");
    }
    return problems;
}

}  // namespace ktq
