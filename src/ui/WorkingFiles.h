// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The files of the working folder that several handlers share, by the names
// the program gives them.
namespace ktq {

// The rules text, read at start-up and by the rules lookup.
inline constexpr const char* kRulesFile = "rule97.txt";
// The codes of the questions asked: emptied by a pool selection, one line
// appended by every question shown.
inline constexpr const char* kQuestionLog = "qstnslog.txt";
// The byte copy of the selected pool, read again at the next start.
inline constexpr const char* kWorkingCopy = "qfile.txt";
// The question bank that "Prepare.." writes.
inline constexpr const char* kBankFile = "qstns.txt";

}  // namespace ktq
