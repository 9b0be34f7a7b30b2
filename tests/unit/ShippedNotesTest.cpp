// SPDX-License-Identifier: GPL-3.0-or-later
// The study notes as they ship: every question of every noted pool shows the
// note written for it and the formal answer of its own letter, from the
// prepared bank and from the study-note file beside the published pool.
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

const fs::path kSamples = KTQ_SAMPLES_BUILD_DIR;

class ShippedNotes : public ::testing::Test {
  protected:
    // The program afresh in a folder holding `files`, with `pool` chosen and
    // prepared; false when the pool has no notes.
    bool Open(const std::vector<fs::path>& files, const Text& pool) {
        program.reset();
        folder = std::make_unique<testsupport::WorkingFolder>();
        for (const fs::path& f : files) fs::copy_file(f, folder->Path() / f.filename());
        fs::copy(KTQ_NOTES_SOURCE_DIR, folder->Path() / "notes");
        program = std::make_unique<testsupport::Program>(*folder, store);
        program->Start();
        form().ComboBox1.UserType(pool);
        form().RunGuarded([&] { form().Button1Click(); });
        return form().state.TestsMode || !form().state.StudyNotes.empty();
    }
    TForm1& form() { return program->Form(); }
    // The notes of the source file named after the pool's level word.
    std::map<Text, Text> SourceNotes() {
        const Text pool = LowerAscii(form().state.PoolFileName);
        std::map<Text, Text> notes;
        for (const fs::directory_entry& e : fs::directory_iterator(folder->Path() / "notes")) {
            const std::string file = e.path().filename().string();
            if (Contains(pool, file.substr(0, file.find('-'))))
                for (const SourceNote& n :
                     ReadStudyNoteSource(ReadLines(folder->Files(), "notes/" + file)).notes)
                    notes[n.code] = n.note;
        }
        return notes;
    }
    void ExpectEveryQuestionTaught() {
        const std::map<Text, Text> notes = SourceNotes();
        ASSERT_EQ(notes.size(), form().state.QuestionBank.size());
        for (const Text& record : LineList(form().state.QuestionBank)) {
            const Text code = GetField(record, kTab, 1);
            const Text answer = GetField(record, kTab, 5 + (GetField(record, kTab, 2)[0] - 'A'));
            LineList expected = SplitLines(NoteForDisplay(notes.at(code)));
            expected.push_back("");
            expected.push_back("THE FORMAL ANSWER IS....   " + Trim(UpperAscii(answer.substr(3))) +
                               ".");
            form().CheckBox1.SetChecked(false);
            form().RunGuarded([&] { form().ShowQuestion(code); });
            form().CheckBox1.UserClick();
            EXPECT_EQ(form().Memo3.Lines(), expected) << code;
        }
    }

    std::unique_ptr<testsupport::WorkingFolder> folder;
    MemorySettingsStore store;
    std::unique_ptr<testsupport::Program> program;
};

TEST_F(ShippedNotes, EveryQuestionOfEveryPreparedBankAndPublishedPoolIsTaught) {
    std::vector<fs::path> studyFiles;
    for (const fs::directory_entry& e : fs::directory_iterator(kSamples))
        if (e.path().filename().string().ends_with(" ^ study.txt"))
            studyFiles.push_back(e.path());
    int taught = 0;
    for (const fs::directory_entry& e : fs::directory_iterator(kSamples / "Explained")) {
        SCOPED_TRACE(e.path().filename().string());
        ASSERT_TRUE(Open({e.path()}, e.path().filename().string()));
        ExpectEveryQuestionTaught();
        ++taught;
    }
    for (const fs::directory_entry& e : fs::directory_iterator(kSamples)) {
        if (e.path().extension() != ".docx")
            continue;
        SCOPED_TRACE(e.path().filename().string());
        std::vector<fs::path> files = studyFiles;
        files.push_back(e.path());
        if (Open(files, TextCopyName(FileName::FromSystem(e.path().filename().string())).Shown()))
            ExpectEveryQuestionTaught();
    }
    EXPECT_EQ(taught, 3);
}

}  // namespace
}  // namespace ktq
