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

TEST_F(QuestionTest, EveryQuestionStartsFromPlainBlueBoxes) {
    UseBank(Bank(3));
    for (int n = 1; n <= 4; ++n) {
        form().AnswerBox(n)->SetFontColor(0x123456);
        form().AnswerBox(n)->SetFontBold(true);
        form().AnswerBox(n)->SetFontSize(10);
        form().AnswerBox(n)->SetColor(kCream);
    }
    form().Panel1.Show();
    Guarded([this] { form().ShowQuestion("T1A01"); });
    for (int n = 1; n <= 4; ++n) {
        const RichEdit& box = *form().AnswerBox(n);
        EXPECT_EQ(box.GetFont().color, kBlue);
        EXPECT_FALSE(box.GetFont().bold);
        EXPECT_EQ(box.GetFont().size, 9);
        EXPECT_EQ(box.GetColor(), kClWindow);
        EXPECT_EQ(box.LineCount(), 1);
    }
    EXPECT_FALSE(form().Panel1.Visible());
}

TEST(QuestionDiag, TheSwitchShowsAnswersWholeAndQuotesTheEntry) {
    testsupport::WorkingFolder folder;
    folder.Write("qstnslog.txt", "");
    MemorySettingsStore store;
    testsupport::Program program(store, {"/DIAG"});
    program.Start();
    TForm1& f = program.Form();
    const Text entry = Record("T1A01", "C", "Q?", "abc@def");
    f.state.QuestionBank = {entry};
    f.RunGuarded([&] { f.ShowQuestion(""); });
    EXPECT_EQ(f.RichEdit2.Lines(), LineList{"A. alpha"});
    // The note is deciphered, and "@" breaks it into lines.
    EXPECT_EQ(f.Memo3.LineCount(), 4);
    EXPECT_EQ(f.Memo3.Lines().back(), "THE FORMAL ANSWER IS....   " + entry + ".");
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

TEST_F(QuestionTest, ACycleNeverRepeatsAndRestartsAtNMinusFive) {
    UseBank(Bank(10));
    std::set<Text> seen;
    for (int i = 1; i <= 5; ++i) {
        Guarded([this] { form().ShowQuestion(""); });
        EXPECT_EQ(form().Label18.GetText(), std::to_string(i));
        EXPECT_TRUE(seen.insert(form().state.QuestionCode).second) << "repeated in the cycle";
    }
    EXPECT_EQ(form().Memo2.LineCount(), 5);
    Guarded([this] { form().ShowQuestion(""); });
    EXPECT_EQ(form().Label18.GetText(), "1");
    EXPECT_EQ(form().Memo2.Lines(), LineList{form().state.QuestionCode});
    EXPECT_EQ(form().state.AskedCodes, form().state.QuestionCode + " ");
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
