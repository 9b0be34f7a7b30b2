// SPDX-License-Identifier: GPL-3.0-or-later
// The window from the keyboard: Tab through every control, answers by key,
// the focus where the user can see it, and a code chooser that keeps it.
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QToolButton>

#include "GuiFixture.h"
#include "platform/TextFile.h"

namespace ktq::guitest {
namespace {

bool TakesFocus(const Control& c) {
    const std::string_view kind = c.Kind();
    return kind != "label" && kind != "panel" && kind != "image";
}

class KeyboardTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        WriteFile("tech 2022 pool.txt", TechPool());
    }

    // The Tab order, less what the user cannot reach now; each arrow of the
    // stepper is a stop.
    std::vector<Control*> ReachableInTabOrder() {
        std::vector<Control*> reachable;
        for (Control* c : form->TabOrder()) {
            if (TakesFocus(*c) && c->Usable() && c->Width() > 0 && c->Height() > 0)
                reachable.insert(reachable.end(), c == &form->UpDown1 ? 2 : 1, c);
        }
        return reachable;
    }

    // Tab pressed once per reachable control, from the first: the controls
    // the focus went to.
    std::vector<Control*> WalkWithTab(const std::vector<Control*>& reachable) {
        skin->WidgetOf(*reachable.front())->setFocus(Qt::TabFocusReason);
        std::vector<Control*> visited{FocusedControl()};
        for (std::size_t i = 1; i <= reachable.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.push_back(FocusedControl());
        }
        return visited;
    }

    // Tab pressed once per reachable control: round them all in the
    // designed order and back to the first, never held in one.
    void ExpectTabWalkInDesignedOrder() {
        const std::vector<Control*> reachable = ReachableInTabOrder();
        std::vector<std::string> expected, visited;
        for (Control* c : reachable) expected.push_back(c->Name());
        expected.push_back(reachable.front()->Name());
        for (Control* c : WalkWithTab(reachable)) visited.push_back(c ? c->Name() : "(none)");
        EXPECT_EQ(visited, expected);
    }

    QTextEdit* Box(int n) { return WidgetOf<QTextEdit>(*form->AnswerBox(n)); }
    int RightBox() { return form->state.CorrectLetter[0] - 'A' + 1; }
    void Key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    int CountInLog(const Text& code) {
        int n = 0;
        for (const Text& line : ReadLines(folder.Files(), "qstnslog.txt")) n += line == code;
        return n;
    }
};

TEST_F(KeyboardTest, TabGoesRoundTheFirstScreenPastTheTextArea) {
    Start();
    form->Panel2.Hide();  // Memo1 stands in place of the question boxes
    skin->Flush();
    Activate();
    EXPECT_EQ(FocusedControl(), &form->ComboBox1);  // the first step first
    ExpectTabWalkInDesignedOrder();
    EXPECT_EQ(form->Memo1.GetText(), "");  // no tab typed into it
}

TEST_F(KeyboardTest, TabGoesRoundATrialPastTheAnswerBoxesAndTheAskedList) {
    StartTrial();
    Activate();
    const std::vector<Control*> reachable = ReachableInTabOrder();
    for (int n = 1; n <= 4; ++n)
        EXPECT_NE(std::find(reachable.begin(), reachable.end(), form->AnswerBox(n)),
                  reachable.end());
    ExpectTabWalkInDesignedOrder();
    EXPECT_EQ(form->Memo2.Lines(), LineList{form->state.QuestionCode});
}

// Guards against the focus falling on a control that happened to be enabled
// before the click's changes were shown ("Create SWOT file").
TEST_F(KeyboardTest, PrepareHandsTheFocusOnToStartAsItDisablesItself) {
    Start();
    Activate();
    auto* chooser = WidgetOf<QComboBox>(form->ComboBox1);
    chooser->setCurrentIndex(0);
    emit chooser->activated(0);
    QWidget* prepare = skin->WidgetOf(form->Button1);
    prepare->setFocus(Qt::TabFocusReason);
    QTest::keyClick(prepare, Qt::Key_Space);
    ASSERT_FALSE(form->Button1.Enabled());
    EXPECT_EQ(FocusedControl(), &form->Button4);
}

TEST_F(KeyboardTest, EnterAddsNoLineToTheTextArea) {
    Start();
    form->Panel2.Hide();
    skin->Flush();
    Activate();
    auto* memo = WidgetOf<QPlainTextEdit>(form->Memo1);
    memo->setFocus();
    QTest::keyClicks(memo, "abc");
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClick(memo, Qt::Key_Enter);
    QTest::keyClicks(memo, "def");
    EXPECT_EQ(form->Memo1.Lines(), LineList{"abcdef"});
}

TEST_F(KeyboardTest, DigitsAndLettersAnswerOnceAsAClickDoes) {
    StartTrial();
    Activate();
    skin->WidgetOf(form->Button4)->setFocus();
    const Text first = form->state.QuestionCode;
    Key(static_cast<Qt::Key>(Qt::Key_0 + RightBox()));
    Key(static_cast<Qt::Key>(Qt::Key_0 + RightBox()));  // feedback runs: not scored again
    EXPECT_EQ(form->state.DoneCount, 1);
    EXPECT_EQ(form->state.CorrectCount, 1);
    Tick();
    EXPECT_EQ(Box(RightBox())->palette().color(QPalette::Text), Bgr(form->state.CorrectColor));
    Tick();
    ASSERT_NE(form->state.QuestionCode, first);

    const int wrong = RightBox() == 1 ? 2 : 1;
    Key(static_cast<Qt::Key>(Qt::Key_A + wrong - 1));
    EXPECT_EQ(form->state.DoneCount, 2);
    EXPECT_EQ(form->state.CorrectCount, 1);
    EXPECT_TRUE(Contains(form->state.IncorrectList, form->state.QuestionCode));

    for (int i = 0; i < 10 && form->state.AnswerPending; ++i) Tick();
    Key(Qt::Key_0);  // "Don't know"
    EXPECT_EQ(form->state.DoneCount, 3);
    EXPECT_TRUE(Contains(form->state.IncorrectList,
                         form->state.QuestionCode + "\t" + form->state.CorrectLetter + "\t?,"));
    EXPECT_FALSE(skin->WidgetOf(form->Button9)->isEnabled());
}

TEST_F(KeyboardTest, AFocusedAnswerBoxIsPressedWithSpaceOrEnterAndShowsItsFocus) {
    StartTrial();
    Activate();
    QTextEdit* box = Box(RightBox());
    const QImage plain = box->grab().toImage();
    box->setFocus(Qt::TabFocusReason);
    const QImage focused = box->grab().toImage();
    EXPECT_NE(focused, plain);  // a focus frame
    // Round the mark's margin too, not the text alone beside a pale strip.
    const QPoint margin(3, box->height() / 2), text(box->width() / 2, box->height() / 2);
    EXPECT_NE(focused.pixel(margin), plain.pixel(margin));
    EXPECT_EQ(focused.pixel(margin), focused.pixel(text));

    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_EQ(form->state.CorrectCount, 1);
    Tick();
    Tick();
    Box(RightBox())->setFocus();
    QTest::keyClick(Box(RightBox()), Qt::Key_Return);
    EXPECT_EQ(form->state.DoneCount, 2);
    EXPECT_EQ(form->state.CorrectCount, 2);
}

TEST_F(KeyboardTest, KeysTypedIntoATextEntryAnswerNothing) {
    StartTrial();
    Activate();
    auto* edit = WidgetOf<QLineEdit>(form->Edit3);
    edit->setFocus();
    QTest::keyClicks(edit, "1a");
    EXPECT_EQ(form->Edit3.GetText(), "1a");
    EXPECT_EQ(form->state.DoneCount, 0);
}

// Guards against the focus going to a details box below the window's edge,
// where every key typed afterwards vanished.
TEST_F(KeyboardTest, TheDetailsBoxTakesTheFocusOnlyWhereItCanBeSeen) {
    StartTrial();
    Activate();
    QWidget* start = skin->WidgetOf(form->Button4);
    start->setFocus();
    QTest::keyClick(start, Qt::Key_Space);  // the next question
    EXPECT_EQ(FocusedControl(), &form->Button4);

    QTest::mouseClick(skin->WidgetOf(form->CheckBox1), Qt::LeftButton, {}, QPoint(5, 8));
    ASSERT_GE(form->Memo3.Height(), 100);
    start->setFocus();
    QTest::keyClick(start, Qt::Key_Space);
    EXPECT_EQ(FocusedControl(), &form->Memo3);
}

TEST_F(KeyboardTest, TheCodeChooserKeepsTheFocusAndReportsEachTypedChangeOnce) {
    Prepare();
    Activate();
    // Learning mode: every question shown asks for the focus on its details.
    QTest::mouseClick(skin->WidgetOf(form->CheckBox1), Qt::LeftButton, {}, QPoint(5, 8));
    QLineEdit* chooser = WidgetOf<QComboBox>(form->ComboBox2)->lineEdit();
    chooser->setFocus();
    QTest::keyClicks(chooser, "T1A03");
    EXPECT_EQ(form->ComboBox2.GetText(), "T1A03");
    EXPECT_EQ(form->state.QuestionCode, "T1A03");
    EXPECT_EQ(FocusedControl(), &form->ComboBox2);
    // The code's beginnings showed nothing (an unknown code shows the last).
    EXPECT_EQ(form->Memo2.LineCount(), 1);
    EXPECT_EQ(CountInLog("T1A08"), 0);

    QTest::keyClick(chooser, Qt::Key_Return);
    QTest::mouseClick(WidgetOf<QLineEdit>(form->Edit2), Qt::LeftButton);  // the focus leaves
    ASSERT_EQ(FocusedControl(), &form->Edit2);
    EXPECT_EQ(CountInLog("T1A03"), 1);
    EXPECT_EQ(form->Memo2.LineCount(), 1);
}

// Guards against a code reached by stepping being shown again, and a figure
// opened again, when the focus left the chooser.
TEST_F(KeyboardTest, LeavingTheChooserAfterAStepShowsNothingAgain) {
    Prepare();
    Activate();
    auto* box = WidgetOf<QComboBox>(form->ComboBox2);
    box->setCurrentIndex(0);
    emit box->activated(0);
    box->lineEdit()->setFocus();
    QTest::mouseClick(skin->WidgetOf(form->UpDown1)->findChild<QToolButton*>("next"),
                      Qt::LeftButton);
    ASSERT_EQ(form->state.QuestionCode, "T1A02");
    QTest::mouseClick(WidgetOf<QPushButton>(form->Button4), Qt::LeftButton);
    EXPECT_EQ(CountInLog("T1A01"), 1);
    EXPECT_EQ(CountInLog("T1A02"), 1);
}

// Guards against the answer keys going into the chooser after a code was
// chosen: "T1A031" showed the bank's last question and answered nothing.
TEST_F(KeyboardTest, AChosenCodeLeavesTheAnswerKeysAnswering) {
    Prepare();
    Activate();
    auto* box = WidgetOf<QComboBox>(form->ComboBox2);
    box->lineEdit()->setFocus();
    QTest::keyClicks(box->lineEdit(), "T1A031");
    EXPECT_EQ(form->ComboBox2.GetText(), "T1A03");
    EXPECT_EQ(form->state.DoneCount, 1);
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(FocusedControl(), form->AnswerBox(1));

    box->setCurrentIndex(1);
    emit box->activated(1);
    ASSERT_EQ(FocusedControl(), form->AnswerBox(1));
    Key(Qt::Key_B);
    EXPECT_EQ(form->state.QuestionCode, "T1A02");
    EXPECT_EQ(form->state.DoneCount, 2);
}

}  // namespace
}  // namespace ktq::guitest
