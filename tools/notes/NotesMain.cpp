// SPDX-License-Identifier: GPL-3.0-or-later
// ktq-notes: checks the project's study notes of a pool against its
// published document and builds the files they ship in.
//   ktq-notes check DOCUMENT NOTES
//   ktq-notes build DOCUMENT NOTES BANK STUDYFILE
// The notes file is UTF-8 (or plain ASCII) whose every character Windows-1252
// holds; its lines are "CODE note".
#include <fstream>
#include <iostream>
#include <sstream>

#include "NoteShipping.h"
#include "notes/StudyNoteSource.h"
#include "pool/LevelRules.h"
#include "text/CodePage.h"

namespace {

namespace fs = std::filesystem;
using namespace ktq;

std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Strict: a character that Windows-1252 lacks would reach the candidate as
// "?", so it is an error here, with its line.
LineList ReadNotesFile(const fs::path& file, std::vector<Text>& problems) {
    LineList lines;
    std::istringstream in(ReadBytes(file));
    std::string line;
    for (std::size_t n = 1; std::getline(in, line); ++n) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (n == 1 && line.starts_with("\xEF\xBB\xBF"))
            line.erase(0, 3);
        const std::optional<Text> text = ExactUtf8ToCp1252(line);
        if (!text)
            problems.push_back("line " + std::to_string(n) +
                               ": not UTF-8 of characters Windows-1252 holds");
        lines.push_back(text.value_or(Text()));
    }
    return lines;
}

void WriteLines(const fs::path& file, const LineList& lines) {
    const fs::path temporary = file.string() + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        for (const Text& l : lines) out << l << "\r\n";
        if (!out.flush())
            throw std::runtime_error("cannot write " + temporary.string());
    }
    fs::rename(temporary, file);
}

int Run(const std::vector<std::string>& args) {
    const bool build = args.size() == 5 && args[0] == "build";
    if (!build && !(args.size() == 3 && args[0] == "check")) {
        std::cerr << "usage: ktq-notes check DOCUMENT NOTES\n"
                     "       ktq-notes build DOCUMENT NOTES BANK STUDYFILE\n";
        return 2;
    }
    const fs::path document = args[1];
    const fs::path notesFile = args[2];
    std::vector<Text> problems;
    const StudyNoteSource source = ReadStudyNoteSource(ReadNotesFile(notesFile, problems));
    const LineList records = BankOfDocument(document);
    for (const Text& p : CheckStudyNotes(source, records)) problems.push_back(p);
    if (!problems.empty()) {
        for (const Text& p : problems)
            std::cerr << notesFile.string() << ": " << Cp1252ToUtf8(p) << "\n";
        std::cerr << problems.size() << " problems in " << source.notes.size() << " notes\n";
        return 1;
    }
    std::cout << notesFile.filename().string() << ": " << source.notes.size()
              << " notes, one for each of the " << records.size() << " questions\n";
    if (!build)
        return 0;
    NotesByCode notes;
    for (const SourceNote& n : source.notes) notes[n.code] = n.note;
    const fs::path bank = args[3];
    const fs::path study = args[4];
    // Each file is read with the key its own name selects.
    WriteLines(bank,
               PreparedBankLines(records, notes, KeyAlphabetFor(bank.filename().string(), Text())));
    WriteLines(study, StudyNoteLines(records, notes,
                                     KeyAlphabetFor(document.filename().string(), Text())));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& e) {
        std::cerr << "ktq-notes: " << e.what() << "\n";
        return 1;
    }
}
