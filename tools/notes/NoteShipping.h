// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two forms in which the project's study notes ship: a prepared question
// bank (the document's records with the enciphered note as field 9) and a
// level's study-note file (code, letter, reference, enciphered note). The
// program only ever deciphers; enciphering belongs to this build step alone.
#include <filesystem>
#include <map>

#include "NoteEncipher.h"
#include "text/Text.h"

namespace ktq {

// The records "Prepare.." makes from the published document in `document`,
// made by the program itself in a temporary folder. Throws std::runtime_error
// when the document gives no question.
LineList BankOfDocument(const std::filesystem::path& document);

using NotesByCode = std::map<Text, Text>;

// `records` with each one's note, enciphered with `key`, as its ninth field.
LineList PreparedBankLines(const LineList& records, const NotesByCode& notes, const Text& key);

// One line per record in the bank's order: code, letter, reference and the
// enciphered note, TAB between.
LineList StudyNoteLines(const LineList& records, const NotesByCode& notes, const Text& key);

}  // namespace ktq
