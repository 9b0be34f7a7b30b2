// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <tuple>

#include "SavedAs.h"
#include "StudyFixture.h"
#include "text/NoteCipher.h"

namespace ktq {
namespace {

using testsupport::Encipher;
using testsupport::SavedAs;
using testsupport::Saving;

// A constraint of 0: the one the window had.
struct Room {
    int room, height, constraint;
};

class LearningModeHeight : public testsupport::StudyTest,
                           public ::testing::WithParamInterface<Room> {};

TEST_P(LearningModeHeight, FollowsTheRoomBelowTheWindow) {
    Start({}, 2000);
    form().SetTop(2000 - GetParam().room);
    const int before = form().MaxHeightConstraint();
    form().CheckBox1.UserClick();
    EXPECT_EQ(form().Height(), GetParam().height);
    EXPECT_EQ(form().MaxHeightConstraint(), GetParam().constraint ? GetParam().constraint : before);
    EXPECT_TRUE(form().Memo3.Visible());
}

INSTANTIATE_TEST_SUITE_P(Rooms, LearningModeHeight,
                         ::testing::Values(Room{800, 590, 0}, Room{850, 700, 800},
                                           Room{901, 750, 750}, Room{1200, 750, 750}));

class DetailsTest : public testsupport::StudyTest {
  protected:
    // A prepared bank whose notes are enciphered with the tech key.
    void StartPrepared(Saving how = Saving::Windows1252) {
        const Text note = Encipher("Band plan@see the chart@page 2", kTechKeyAlphabet);
        folder.Write("tech-tests.txt",
                     SavedAs("T1A01\tB\t[97.3(a)(4)]\tWhich band\x92s edge?\tA. 1.8 MHz\t"
                             "B. 3.5 MHz\tC. 7 MHz\tD. 28 MHz\t" +
                                 note + "\r\n",
                             how));
        Start();
        Select("tech-tests.txt");
        Guarded([this] { form().Button1Click(); });
        Guarded([this] { form().ShowQuestion("T1A01"); });
    }
    // A pool with a study-note file, the notes one line per question.
    void StartPool(const Text& notes, std::vector<Text> parameters = {}) {
        folder.Write("tech 2022 pool.txt", testsupport::SmallPool());
        folder.Write("KTQTech 2022 ^ study.txt", notes);
        Start(std::move(parameters));
        Select("tech 2022 pool.txt");
        Guarded([this] { form().Button1Click(); });
    }
};

TEST_F(DetailsTest, PreparedNoteIsShownWithItsFormalAnswer) {
    StartPrepared();
    form().CheckBox1.UserClick();
    EXPECT_EQ(form().Memo3.Lines(), (LineList{"Band plan", "see the chart", "page 2", "",
                                              "THE FORMAL ANSWER IS....   3.5 MHZ."}));
    EXPECT_EQ(form().Edit1.GetText(), "T1A01");
    EXPECT_EQ(form().Edit2.GetText(), "B");
    EXPECT_EQ(form().Edit3.GetText(), "[97.3(a)(4)]");
    // Typing a code leaves a prepared bank's details alone.
    form().Edit1.UserType("T1");
    EXPECT_EQ(form().Memo3.LineCount(), 5);
}

// Guards against the mark of a file saved as UTF-8 sticking to the first code,
// which then matches no question.
TEST_F(DetailsTest, PreparedBankSavedAsUtf8ShowsItsQuestionAndNote) {
    StartPrepared(Saving::Utf8WithMark);
    form().CheckBox1.UserClick();
    EXPECT_EQ(form().ComboBox2.Items(), (LineList{"T1A01"}));
    EXPECT_EQ(form().RichEdit1.GetText(), "Which band\x92s edge?");
    EXPECT_EQ(form().Memo3.Lines(), (LineList{"Band plan", "see the chart", "page 2", "",
                                              "THE FORMAL ANSWER IS....   3.5 MHZ."}));
}

// The cipher passes characters outside its alphabet through, so an editor
// that saves a note file as UTF-8 turns those into multi-byte sequences.
TEST_F(DetailsTest, StudyNoteFileSavedAsUtf8ShowsItsNote) {
    const Text note = Encipher(
        "Caf\xE9 \x93"
        "band\x94 plan@\xA7 97.3",
        kTechKeyAlphabet);
    StartPool(SavedAs("T1A01\t\t\t" + note + "\r\n", Saving::Utf8WithMark));
    Guarded([this] { form().ShowQuestion("T1A01"); });
    form().CheckBox1.UserClick();
    EXPECT_EQ(form().Memo3.Lines(),
              (LineList{"Caf\xE9 \x93"
                        "band\x94 plan",
                        "\xA7 97.3", "", "THE FORMAL ANSWER IS....   14.070 MHZ."}));
}

// A study-note file made before an errata withdrew T1A00: each note line
// lies one below its question's place in the bank, and the last one past the
// bank's end. Each formal answer is still its own question's.
TEST_F(DetailsTest, FormalAnswerIsTheLetterOfTheSameCode) {
    const Text key = kTechKeyAlphabet;
    StartPool("T1A00\t\t\tx\r\nT1A01\t\t\t" + Encipher("First", key) + "\r\nT1A02\t\t\t" +
              Encipher("Late", key) + "\r\n");
    for (const auto& [code, note, answer] :
         {std::tuple<Text, Text, Text>{"T1A01", "First", "14.070 MHZ"},
          {"T1A02", "Late", "ALL THESE CHOICES ARE CORRECT"}}) {
        form().CheckBox1.SetChecked(false);
        Guarded([&] { form().ShowQuestion(code); });
        form().CheckBox1.UserClick();
        EXPECT_EQ(form().Memo3.Lines(),
                  (LineList{note, "", "THE FORMAL ANSWER IS....   " + answer + "."}))
            << code;
    }
}

TEST_F(DetailsTest, DiagnosticBoxesDropTheirPrefix) {
    StartPool("T1A01\t\t\tx\r\n", {"/diag"});
    Guarded([this] { form().ShowQuestion("T1A01"); });
    form().CheckBox1.UserClick();
    EXPECT_EQ(form().Memo3.Lines().back(), "THE FORMAL ANSWER IS....   14.070 MHZ.");
}

}  // namespace
}  // namespace ktq
