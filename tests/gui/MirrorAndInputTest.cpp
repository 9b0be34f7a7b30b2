// SPDX-License-Identifier: GPL-3.0-or-later
// Code changes reach the widgets without coming back as user events; user
// input reaches the model through its user entry points.
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include "GuiFixture.h"
#include "platform/IoError.h"

namespace ktq::guitest {
namespace {

class MirrorTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        WriteFile("tech 2022 pool.txt", TechPool());
        Start();
        form->Panel2.Hide();
        skin->Flush();
    }
};

TEST_F(MirrorTest, CodeChangesAreMirroredWithoutRunningHandlersTwice) {
    int comboChanges = 0, editChanges = 0, ticks = 0;
    form->ComboBox2.OnChange = [&] { ++comboChanges; };
    form->Edit1.OnChange = [&] { ++editChanges; };
    form->CheckBox2.OnClick = [&] { ++ticks; };

    form->ComboBox2.SetText("T1A02");
    form->Edit1.SetText("T1A01");
    form->CheckBox2.SetChecked(true);
    form->Label20.Show();  // what a hidden widget shows is made when it is shown
    form->Label20.SetText("42");
    form->Button5.SetEnabled(true);
    form->Memo1.AppendLine("first");
    form->Memo1.AppendLine("second");
    QApplication::processEvents();  // changes outside user input are flushed from the loop

    EXPECT_EQ(WidgetOf<QComboBox>(form->ComboBox2)->currentText(), "T1A02");
    EXPECT_EQ(WidgetOf<QLineEdit>(form->Edit1)->text(), "T1A01");
    EXPECT_TRUE(WidgetOf<QCheckBox>(form->CheckBox2)->isChecked());
    EXPECT_EQ(WidgetOf<QLabel>(form->Label20)->text(), "42");
    EXPECT_TRUE(WidgetOf<QPushButton>(form->Button5)->isEnabled());
    EXPECT_EQ(WidgetOf<QPlainTextEdit>(form->Memo1)->toPlainText(), "first\nsecond");
    // The model's own rules: ComboBox2 from code runs nothing, the others once.
    EXPECT_EQ(comboChanges, 0);
    EXPECT_EQ(editChanges, 1);
    EXPECT_EQ(ticks, 1);
}

// A hidden widget is brought up to date when it is shown, whether it was
// hidden itself or with its panel.
TEST_F(MirrorTest, WhatWasHiddenCatchesUpWhenShown) {
    for (auto [label, hidden] : {std::pair<Label*, Control*>{&form->Label20, &form->Label20},
                                 std::pair<Label*, Control*>{&form->Label28, &form->Panel2}}) {
        hidden->Hide();
        skin->Flush();
        label->SetText("caught up");
        skin->Flush();
        hidden->Show();
        skin->Flush();
        EXPECT_EQ(WidgetOf<QLabel>(*label)->text(), "caught up") << label->Name();
        EXPECT_TRUE(WidgetOf<QLabel>(*label)->isVisible()) << label->Name();
    }
}

TEST_F(MirrorTest, WindowFollowsTheModelsSizeAndCaption) {
    form->SetHeight(590);
    form->SetCaption("Other \xA9");
    skin->Flush();
    EXPECT_EQ(skin->Window().frameGeometry().size(), QSize(860, 590));
    EXPECT_EQ(skin->Window().windowTitle(), QString::fromUtf8("Other \u00A9"));
    form->Memo3.Show();
    form->SetFocus(&form->Memo3);
    skin->Flush();
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), skin->WidgetOf(form->Memo3));
}

TEST_F(MirrorTest, TypingReachesTheModelAndKeepsTheCaret) {
    std::vector<Text> seen;
    form->Edit3.OnChange = [&] { seen.push_back(form->Edit3.GetText()); };
    auto* edit = WidgetOf<QLineEdit>(form->Edit3);
    edit->setFocus();
    QTest::keyClicks(edit, "97.1");
    EXPECT_EQ(form->Edit3.GetText(), "97.1");
    EXPECT_EQ(seen, (std::vector<Text>{"9", "97", "97.", "97.1"}));
    EXPECT_EQ(edit->cursorPosition(), 4);

    // Typed text in Windows-1252 terms.
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                       QString::fromUtf8("\u00E9"));
    QApplication::sendEvent(edit, &accented);
    EXPECT_EQ(form->Edit3.GetText(), "97.1\xE9");

    int picks = 0;
    form->ComboBox2.OnChange = [&] { ++picks; };
    form->ComboBox2.SetEnabled(true);
    skin->Flush();
    QTest::keyClicks(WidgetOf<QComboBox>(form->ComboBox2)->lineEdit(), "T1");
    EXPECT_EQ(form->ComboBox2.GetText(), "T1");
    EXPECT_EQ(picks, 2);
}

TEST_F(MirrorTest, PickingAPoolRunsTheChangeHandler) {
    auto* chooser = WidgetOf<QComboBox>(form->ComboBox1);
    ASSERT_EQ(chooser->count(), 1);
    EXPECT_EQ(chooser->currentText(), "");  // listed, not chosen
    emit chooser->activated(0);
    EXPECT_EQ(form->ComboBox1.GetText(), "tech 2022 pool.txt");
    EXPECT_TRUE(form->Button1.Enabled());
    EXPECT_TRUE(WidgetOf<QPushButton>(form->Button1)->isEnabled());
}

TEST_F(MirrorTest, ClicksPressesAndSteps) {
    int clicks = 0;
    form->Button3.OnClick = [&] { ++clicks; };
    QTest::mouseClick(WidgetOf<QPushButton>(form->Button3), Qt::LeftButton);
    EXPECT_EQ(clicks, 0);  // disabled as designed
    form->Button3.SetEnabled(true);
    skin->Flush();
    QTest::mouseClick(WidgetOf<QPushButton>(form->Button3), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);

    int boxClicks = 0;
    form->CheckBox2.OnClick = [&] { ++boxClicks; };
    QTest::mouseClick(WidgetOf<QCheckBox>(form->CheckBox2), Qt::LeftButton);
    EXPECT_TRUE(form->CheckBox2.Checked());
    EXPECT_EQ(boxClicks, 1);

    std::vector<UpDownArrow> steps;
    form->UpDown1.OnClick = [&](UpDownArrow a) { steps.push_back(a); };
    form->UpDown1.SetEnabled(true);
    skin->Flush();
    QWidget* updown = skin->WidgetOf(form->UpDown1);
    QTest::mouseClick(updown->findChild<QToolButton*>("next"), Qt::LeftButton);
    QTest::mouseClick(updown->findChild<QToolButton*>("previous"), Qt::LeftButton);
    QTest::mouseClick(updown->findChild<QToolButton*>("previous"), Qt::LeftButton);
    EXPECT_EQ(steps, (std::vector<UpDownArrow>{UpDownArrow::Next, UpDownArrow::Previous,
                                               UpDownArrow::Previous}));
    EXPECT_EQ(form->UpDown1.Position(), -1);

    auto* slider = WidgetOf<QSlider>(form->TrackBar1);
    const int start = form->TrackBar1.Position();
    EXPECT_EQ(slider->value(), start);
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(form->TrackBar1.Position(), start + 1);
    EXPECT_EQ(form->Label24.GetText(), std::to_string(start + 3) + "S  ");
    QTest::keyClick(slider, Qt::Key_End);
    EXPECT_EQ(form->TrackBar1.Position(), 18);
}

TEST_F(MirrorTest, AnswerBoxesTakePressesAndPointerMoves) {
    std::vector<MouseButton> presses;
    int moves = 0;
    form->RichEdit3.OnMouseDown = [&](MouseButton b) { presses.push_back(b); };
    form->RichEdit3.OnMouseMove = [&] { ++moves; };
    form->RichEdit3.Show();
    skin->Flush();
    QWidget* viewport = WidgetOf<QTextEdit>(form->RichEdit3)->viewport();
    QTest::mousePress(viewport, Qt::RightButton, {}, QPoint(20, 20));
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseMove(viewport, QPoint(30, 25));
    EXPECT_EQ(presses, (std::vector<MouseButton>{MouseButton::Right, MouseButton::Left}));
    EXPECT_GE(moves, 1);
}

TEST_F(MirrorTest, ClickOnALineOfTheAskedListPlacesTheCaretThere) {
    int clicks = 0;
    form->Memo2.OnClick = [&] { ++clicks; };
    form->Memo2.OnChange = nullptr;
    form->Memo2.SetLines({"T1A01", "T1A02", "T1A03"});
    form->Memo2.SetEnabled(true);
    form->Memo2.SetHeight(80);
    skin->Flush();
    auto* memo = WidgetOf<QPlainTextEdit>(form->Memo2);
    const QRect second = memo->cursorRect(QTextCursor(memo->document()->findBlockByNumber(1)));
    QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(form->Memo2.SelStart(), 7);  // "T1A01" CR LF
    EXPECT_EQ(memo->textCursor().position(), 6);
    QTest::mouseClick(memo->viewport(), Qt::LeftButton, {},
                      QPoint(5, memo->viewport()->height() - 2));
    EXPECT_EQ(form->Memo2.CaretLine(), 3);  // below the last line

    // Inside a line the caret goes where the pointer is, and typing there
    // leaves it after the new character, in the model as in the box.
    QTextCursor third(memo->document()->findBlockByNumber(2));
    third.setPosition(third.position() + 3);
    QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, memo->cursorRect(third).center());
    EXPECT_EQ(form->Memo2.SelStart(), 17);  // two lines, CR LF each, then "T1A"
    memo->setTextCursor(third);
    QTest::keyClicks(memo, "x");
    EXPECT_EQ(form->Memo2.Lines()[2], "T1Ax03");
    EXPECT_EQ(form->Memo2.SelStart(), 18);
    EXPECT_EQ(memo->textCursor().position(), 16);
}

TEST_F(MirrorTest, TheAskedListShowsTheNewestCodeAsCodesComeIn) {
    form->Memo2.OnChange = nullptr;
    form->Memo2.SetEnabled(true);
    skin->Flush();
    auto* memo = WidgetOf<QPlainTextEdit>(form->Memo2);
    for (int n = 1; n <= 9; ++n) {
        form->Memo2.AppendLine("T1A0" + std::to_string(n));
        skin->Flush();
        const QRect newest = memo->cursorRect(QTextCursor(memo->document()->lastBlock()));
        EXPECT_TRUE(memo->viewport()->rect().contains(newest)) << n;
    }
}

TEST_F(MirrorTest, CaretAndSelectionCountLineBreaksAsTheModelDoes) {
    form->Memo3.Show();
    form->Memo3.SetLines({"abc", "defg", "hi"});
    form->Memo3.SetSelection(6, 3);  // "efg"
    skin->Flush();
    const QTextCursor cursor = WidgetOf<QPlainTextEdit>(form->Memo3)->textCursor();
    EXPECT_EQ(cursor.selectedText(), "efg");
}

TEST_F(MirrorTest, TimersTickTheModelWhileEnabled) {
    QTimer* t1 = skin->TimerOf(form->Timer1);
    ASSERT_NE(t1, nullptr);
    EXPECT_EQ(t1->interval(), 500);
    EXPECT_TRUE(t1->isActive());
    EXPECT_EQ(skin->TimerOf(form->Timer2)->interval(), 1000);

    int ticks = 0;
    form->Timer1.OnTimer = [&] { ++ticks; };
    t1->setInterval(5);
    QTRY_COMPARE_WITH_TIMEOUT(ticks > 1, true, 2000);
    form->Timer1.SetEnabled(false);
    skin->Flush();
    EXPECT_FALSE(t1->isActive());
}

TEST_F(MirrorTest, AFailingHandlerIsReportedAndTheWindowGoesOn) {
    form->Button3.SetEnabled(true);
    form->Button3.OnClick = [] { throw IoError("Cannot create file \"x.txt\""); };
    skin->Flush();
    QTest::mouseClick(WidgetOf<QPushButton>(form->Button3), Qt::LeftButton);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], "KTQ Testing-Learning Software: Cannot create file \"x.txt\"");
    form->Label20.Show();
    form->Label20.SetText("7");
    skin->Flush();
    EXPECT_EQ(WidgetOf<QLabel>(form->Label20)->text(), "7");
}

TEST_F(MirrorTest, APictureThatCannotBeDecodedIsReportedOnce) {
    WriteFile("T-9.jpg", "not a picture");
    form->Panel1.Show();  // a figure is decoded when it is shown
    form->Image1.SetPicture("T-9.jpg", 10, 10);
    skin->Flush();
    form->Image1.SetWidth(100);
    skin->Flush();
    EXPECT_EQ(platform.messages.size(), 1u);
}

}  // namespace
}  // namespace ktq::guitest
