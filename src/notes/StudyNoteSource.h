// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The project's own study notes as they are kept in the source tree: one
// note a line, "CODE note", in plain Windows-1252 text. A "#" line and a blank
// line are skipped. "@" inside a note is a line break when it is shown.
#include <cstddef>
#include <vector>

#include "text/Text.h"

namespace ktq {

struct SourceNote {
    Text code;
    Text note;
    std::size_t line = 0;  // 1-based, for messages
};

struct StudyNoteSource {
    std::vector<SourceNote> notes;
    std::vector<Text> problems;  // lines that hold no code and note
};

StudyNoteSource ReadStudyNoteSource(const LineList& lines);

// Everything that keeps the notes from shipping with `bankRecords` (question
// records, code in field 1): an active question without a note or with two,
// a note for a code the pool lacks, a note that names an answer by its
// letter (an errata may reorder the answers), a note too short or too long,
// a TAB. Empty when all is well.
std::vector<Text> CheckStudyNotes(const StudyNoteSource& source, const LineList& bankRecords);

// The bounds of a note's length, in characters.
inline constexpr std::size_t kShortestNote = 100;
inline constexpr std::size_t kLongestNote = 700;

}  // namespace ktq
