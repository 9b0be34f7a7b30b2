// SPDX-License-Identifier: GPL-3.0-or-later
// The study notes as they ship, built from the notes of the source tree and
// the published documents: every question of every noted pool shows its own
// note and the formal answer of its own letter, from the prepared bank and
// from the study-note file beside the published pool alike.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "AppFixture.h"
#include "importing/PublishedPool.h"
#include "notes/StudyNoteSource.h"
#include "pool/PoolText.h"
#include "study/StudyNotes.h"

namespace ktq {
namespace {

namespace fs = std::filesystem;
using testsupport::Program;
using testsupport::WorkingFolder;

const fs::path kSamples = KTQ_SAMPLES_BUILD_DIR;
const fs::path kNotes = KTQ_NOTES_SOURCE_DIR;

// The notes of the source file of the pool named `name` (its level word:
// "Technician 2026-2030 explained-tests.txt" has technician-2026.txt).
std::map<Text, Text> SourceNotesFor(const fs::path& name) {
    const std::string lower = LowerAscii(name.filename().string());
    std::map<Text, Text> notes;
    for (const fs::directory_entry& e : fs::directory_iterator(kNotes)) {
        const std::string file = e.path().filename().string();
        if (!Contains(lower, file.substr(0, file.find('-'))))
            continue;
        WorkingFolder folder;
        fs::copy_file(e.path(), folder.Path() / "notes.txt");
        for (const SourceNote& n :
             ReadStudyNoteSource(ReadLines(folder.Files(), "notes.txt")).notes)
            notes[n.code] = n.note;
    }
    return notes;
}

class ShippedNotes : public ::testing::Test {
  protected:
    // The program afresh in a new folder holding `files`.
    void Start(const std::vector<fs::path>& files) {
        program.reset();
        folder = std::make_unique<WorkingFolder>();
        for (const fs::path& f : files) fs::copy_file(f, folder->Path() / f.filename());
        program = std::make_unique<Program>(*folder, store);
        program->Start();
    }
    TForm1& form() { return program->Form(); }
    // Shows `code` with "See Details" ticked afresh, and what the box holds.
    LineList Details(const Text& code) {
        form().CheckBox1.SetChecked(false);
        form().RunGuarded([&] { form().ShowQuestion(code); });
        form().CheckBox1.UserClick();
        return form().Memo3.Lines();
    }
    // Every question of the prepared bank shows the note written for it and
    // the formal answer of its own letter.
    void ExpectEveryQuestionTaught(const fs::path& pool) {
        const std::map<Text, Text> notes = SourceNotesFor(pool);
        ASSERT_EQ(notes.size(), form().state.QuestionBank.size());
        for (const Text& record : LineList(form().state.QuestionBank)) {
            const Text code = GetField(record, kTab, 1);
            const Text letter = GetField(record, kTab, 2);
            const Text answer = GetField(record, kTab, 5 + (letter[0] - 'A'));
            LineList expected = SplitLines(NoteForDisplay(notes.at(code)));
            expected.push_back("");
            expected.push_back("THE FORMAL ANSWER IS....   " + Trim(UpperAscii(answer.substr(3))) +
                               ".");
            EXPECT_EQ(Details(code), expected) << code;
        }
    }

    std::unique_ptr<WorkingFolder> folder;
    MemorySettingsStore store;
    std::unique_ptr<Program> program;
};

TEST_F(ShippedNotes, EveryQuestionOfEveryPreparedBankShowsItsNoteAndItsOwnAnswer) {
    int banks = 0;
    for (const fs::directory_entry& e : fs::directory_iterator(kSamples / "Explained")) {
        SCOPED_TRACE(e.path().filename().string());
        ++banks;
        Start({e.path()});
        form().ComboBox1.UserType(e.path().filename().string());
        form().RunGuarded([&] { form().Button1Click(); });
        ExpectEveryQuestionTaught(e.path());
    }
    EXPECT_GE(banks, 1);
}

TEST_F(ShippedNotes, ThePublishedPoolShowsTheNoteOfTheStudyNoteFileBesideIt) {
    for (const fs::directory_entry& e : fs::directory_iterator(kSamples)) {
        if (e.path().extension() != ".docx")
            continue;
        SCOPED_TRACE(e.path().filename().string());
        std::vector<fs::path> files{e.path()};
        for (const fs::directory_entry& s : fs::directory_iterator(kSamples))
            if (s.path().filename().string().ends_with(" ^ study.txt"))
                files.push_back(s.path());
        Start(files);
        const Text pool = TextCopyName(FileName::FromSystem(e.path().filename().string())).Shown();
        form().ComboBox1.UserType(pool);
        if (form().state.StudyNotes.empty())
            continue;  // no notes for this pool yet
        form().RunGuarded([&] { form().Button1Click(); });
        ExpectEveryQuestionTaught(e.path());
    }
}

}  // namespace
}  // namespace ktq
