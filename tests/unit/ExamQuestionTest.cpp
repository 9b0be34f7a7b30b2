// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "ExamFixture.h"

namespace ktq {
namespace {

using testsupport::Bank;
using testsupport::ExamTest;
using testsupport::Record;

using QuestionTest = ExamTest;

TEST_F(QuestionTest, ByCodeFillsTheBoxesTheDetailsTheStateAndTheLog) {
    Text longAnswer = "D." + Text(300, 'x');
    UseBank({Record("T1A01", "A"),
             "T1A02\tB\t[97.3]\t\x93Quoted\x94 \x93twice\x94?\tA.one\tB. 3.5 MHz\tC. c. d\t" +
                 longAnswer});
    form().Button5.SetEnabled(false);
    form().state.IncorrectList = "X\tA\tB,";
    Guarded([this] { form().ShowQuestion("T1A02"); });

    TForm1& f = form();
    EXPECT_EQ(f.RichEdit1.Lines(), LineList{"'Quoted' \x93twice\x94?"});
    EXPECT_EQ(f.RichEdit2.Lines(), LineList{"one"});
    EXPECT_EQ(f.RichEdit3.Lines(), LineList{"3.5 MHz"});
    EXPECT_EQ(f.RichEdit4.Lines(), LineList{"c. d"});
    EXPECT_EQ(f.RichEdit5.Lines(), LineList{Text(255, 'x')});
    EXPECT_EQ(f.Memo3.Lines(), (LineList{"", "", "THE FORMAL ANSWER IS....   B or #2."}));
    EXPECT_TRUE(f.Memo3.Visible());
    EXPECT_EQ(f.state.QuestionCode, "T1A02");
    EXPECT_EQ(f.state.CorrectLetter, "B");
    EXPECT_EQ(f.state.AnswerLetter, "B");
    EXPECT_EQ(f.state.ReferenceText, "[97.3]");
    EXPECT_EQ(f.state.AskedCodes, "T1A02 ");
    EXPECT_EQ(f.Memo2.Lines(), LineList{"T1A02"});
    EXPECT_EQ(Log(), "T1A02\r\n");
    EXPECT_TRUE(f.Button5.Enabled());

    Guarded([this] { form().ShowQuestion("nothing like it"); });  // shows the last entry
    EXPECT_EQ(f.state.QuestionCode, "T1A02");
    EXPECT_EQ(Log(), "T1A02\r\nT1A02\r\n");
    EXPECT_EQ(f.Memo2.Lines(), (LineList{"T1A02", "T1A02"}));
}

TEST_F(QuestionTest, LearningModeFillsTheDetailsRow) {
    UseBank(Bank(3));
    form().Edit1.SetText("old");
    Guarded([this] { form().ShowQuestion("T1A02"); });
    EXPECT_EQ(form().Edit1.GetText(), "old");  // untouched while "See Details" is off
    form().state.TestsMode = true;
    form().CheckBox1.SetChecked(true);
    Guarded([this] { form().ShowQuestion("T1A03"); });
    EXPECT_EQ(form().Edit1.GetText(), "T1A03");
    EXPECT_EQ(form().Edit2.GetText(), "C or #3");
    EXPECT_EQ(form().Edit3.GetText(), "[97.1]");
}

TEST_F(QuestionTest, SmallBanksStartANewCycleEveryTime) {
    UseBank(Bank(1));
    for (int i = 0; i < 3; ++i) {
        Guarded([this] { form().ShowQuestion(""); });
        EXPECT_EQ(form().state.QuestionCode, "T1A01");
        EXPECT_EQ(form().Memo2.LineCount(), 1);
    }
}

TEST_F(QuestionTest, AnExhaustedCycleStartsAfreshInsteadOfDrawingForever) {
    UseBank(Bank(8));
    // Stepping clears the asked list but not the codes: nothing is left to draw.
    for (const Text& r : form().state.QuestionBank) form().state.AskedCodes += r.substr(0, 5) + " ";
    Guarded([this] { form().ShowQuestion(""); });
    EXPECT_FALSE(form().state.QuestionCode.empty());
    EXPECT_EQ(form().state.AskedCodes, form().state.QuestionCode + " ");
    EXPECT_EQ(form().Label18.GetText(), "1");
}

TEST_F(QuestionTest, WhenNothingCanBeDrawnNoQuestionIsShown) {
    UseBank({Record("T1A01", "A", "Figure T-1?"), Record("T1A02", "B", "Figure T-2?"), ""});
    form().state.IncorrectList = "T1A01\tA\tB,";
    Guarded([this] { form().ShowQuestion(""); });
    EXPECT_EQ(form().RichEdit1.LineCount(), 0);
    EXPECT_EQ(form().Memo2.LineCount(), 0);
    EXPECT_EQ(form().state.QuestionCode, "");
    EXPECT_EQ(Log(), "");
    EXPECT_TRUE(form().Button5.Enabled());
    // The same entry can still be shown by its code.
    Guarded([this] { form().ShowQuestion("T1A02"); });
    EXPECT_EQ(form().state.QuestionCode, "T1A02");
}

TEST_F(QuestionTest, AnEmptyBankOnlyResetsTheDisplay) {
    form().RichEdit1.AppendLine("left over");
    Guarded([this] { form().ShowQuestion(""); });
    EXPECT_EQ(form().RichEdit1.LineCount(), 0);
    EXPECT_FALSE(form().Button5.Enabled());
    EXPECT_EQ(Log(), "");
}

TEST_F(QuestionTest, AMissingLogIsReportedAfterTheQuestionIsShown) {
    UseBank(Bank(3));
    std::filesystem::remove(folder.Path() / "qstnslog.txt");
    form().state.IncorrectList = "T1A01\tA\tB,";
    Guarded([this] { form().ShowQuestion("T1A02"); });
    EXPECT_NE(program.Output().find("MESSAGE \"KTQ Testing-Learning Software\""),
              std::string::npos);
    EXPECT_EQ(form().state.QuestionCode, "T1A02");
    EXPECT_EQ(form().state.AskedCodes, "T1A02 ");
    EXPECT_EQ(form().RichEdit1.LineCount(), 1);
    EXPECT_EQ(form().Memo2.LineCount(), 0);
    EXPECT_FALSE(form().Button5.Enabled());
    EXPECT_FALSE(folder.Exists("qstnslog.txt"));
}

}  // namespace
}  // namespace ktq
