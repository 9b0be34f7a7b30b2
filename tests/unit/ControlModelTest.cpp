// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "ui/Controls.h"

namespace ktq {
namespace {

TEST(ControlEvents, EditRunsItsChangeHandlerOnlyForADifferentText) {
    Edit e("Edit1", nullptr);
    int changes = 0;
    e.OnChange = [&] { ++changes; };
    e.SetText("T1A01");
    e.SetText("T1A01");
    EXPECT_EQ(changes, 1);
    e.UserType("T1A02");
    EXPECT_EQ(changes, 2);
}

TEST(ControlEvents, MemoAppendRunsTheChangeHandlerAndClearRunsNone) {
    Memo m("Memo2", nullptr);
    int changes = 0;
    m.OnChange = [&] { ++changes; };
    m.AppendLine("T1A01");
    m.AppendLine("note one\r\nnote two");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(m.Lines(), (LineList{"T1A01", "note one", "note two"}));
    m.AppendLine("");
    EXPECT_EQ(m.LineCount(), 4);
    m.Clear();
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(m.LineCount(), 0);
}

TEST(ControlEvents, CheckBoxRunsItsClickHandlerOnlyWhenItsStateChanges) {
    CheckBox c("CheckBox1", nullptr);
    int clicks = 0;
    c.OnClick = [&] { ++clicks; };
    c.SetChecked(false);
    EXPECT_EQ(clicks, 0);
    c.SetChecked(true);
    c.SetChecked(true);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(c.UserClick());
    EXPECT_FALSE(c.Checked());
    EXPECT_EQ(clicks, 2);
}

TEST(ControlEvents, TrackBarIsHeldInItsRangeAndReportsOnlyMoves) {
    TrackBar t("TrackBar1", nullptr);
    t.SetRange(1, 18);
    t.SetPosition(5);
    int changes = 0;
    t.OnChange = [&] { ++changes; };
    t.SetPosition(30);
    EXPECT_EQ(t.Position(), 18);
    t.SetPosition(18);
    t.SetPosition(-4);
    EXPECT_EQ(t.Position(), 1);
    EXPECT_EQ(changes, 2);
}

TEST(ControlEvents, ComboBoxTextFromCodeRunsNothingButEveryUserChoiceRunsTheHandler) {
    ComboBox c("ComboBox2", nullptr);
    int changes = 0;
    c.OnChange = [&] { ++changes; };
    c.AddItem("T1A01");
    c.SetText("T1A01");
    EXPECT_EQ(changes, 0);
    c.UserPick(0);
    c.UserPick(0);  // the same pool chosen again still counts
    EXPECT_EQ(changes, 2);
    EXPECT_FALSE(c.UserPick(5));
    c.Clear();
    EXPECT_TRUE(c.Items().empty());
    EXPECT_EQ(c.GetText(), "");
    EXPECT_EQ(changes, 2);
}

TEST(ControlEvents, UpDownReportsAPressOnlyWhenItsPositionMoved) {
    UpDown u("UpDown1", nullptr);
    u.SetRange(-1, 1);
    int nexts = 0, prevs = 0;
    u.OnClick = [&](UpDownArrow a) { (a == UpDownArrow::Next ? nexts : prevs)++; };
    u.UserStep(UpDownArrow::Next);
    u.UserStep(UpDownArrow::Next);  // at the end of the range
    EXPECT_EQ(nexts, 1);
    u.UserStep(UpDownArrow::Previous);
    EXPECT_EQ(prevs, 1);
    EXPECT_EQ(u.Position(), 0);
}

TEST(ControlEvents, UserInputNeverReachesAHiddenOrDisabledControl) {
    Panel panel("Panel1", nullptr);
    Image image("Image1", &panel);
    Button button("Button1", nullptr);
    int clicks = 0;
    image.OnClick = [&] { ++clicks; };
    button.OnClick = [&] { ++clicks; };
    panel.Hide();
    EXPECT_FALSE(image.UserClick());
    button.SetEnabled(false);
    EXPECT_FALSE(button.UserClick());
    EXPECT_EQ(clicks, 0);
    panel.Show();
    button.SetEnabled(true);
    EXPECT_TRUE(image.UserClick());
    EXPECT_TRUE(button.UserClick());
    EXPECT_EQ(clicks, 2);
}

TEST(ControlEvents, HintComesFromTheNearestParentThatHasOne) {
    Form form("Form1", nullptr);
    Panel panel("Panel1", &form);
    Image image("Image1", &panel);
    form.SetHint("window hint");
    EXPECT_EQ(image.EffectiveHint(), "window hint");
    image.SetHint("own hint");
    EXPECT_EQ(image.EffectiveHint(), "own hint");
}

TEST(MemoCaret, ClickBelowTheLastLineSelectsAnEmptyLine) {
    Memo m("Memo2", nullptr);
    m.AppendLine("T1A01");
    m.AppendLine("T2B03");
    Text clicked;
    m.OnClick = [&] {
        int line = m.CaretLine();
        m.SetSelection(m.LineIndex(line),
                       line < m.LineCount()
                           ? static_cast<int>(m.Lines()[static_cast<std::size_t>(line)].size())
                           : 0);
        clicked = m.SelectedText();
    };
    m.UserClickLine(1);
    EXPECT_EQ(clicked, "T2B03");
    m.UserClickLine(7);
    EXPECT_EQ(clicked, "");
    EXPECT_EQ(m.LineIndex(1), 7);
}

TEST(MemoCaret, AClickPutsTheCaretWhereThePointerIsHeldWithinTheText) {
    Memo m("Memo2", nullptr);
    m.SetLines({"T1A01", "T2B03"});
    std::vector<int> caretAtClick;
    int downs = 0;
    m.OnMouseDown = [&](MouseButton) { ++downs; };
    m.OnClick = [&] { caretAtClick.push_back(m.SelStart()); };
    m.UserClickAt(10);  // "T1A01" CR LF "T2B" | "03"
    EXPECT_EQ(m.CaretLine(), 1);
    m.UserClickAt(500);  // past the end: the empty line below the last one
    EXPECT_EQ(m.CaretLine(), 2);
    m.UserClickAt(-3);
    m.UserClickLine(1);
    EXPECT_EQ(caretAtClick, (std::vector<int>{10, 14, 0, 7}));
    EXPECT_EQ(downs, 4);
}

// Guards against a caret left past the end of a text the user typed over,
// which selected text that no longer existed.
TEST(MemoCaret, TypingLeavesTheCaretInsideTheNewText) {
    Memo m("Memo2", nullptr);
    m.SetLines({"T1A01", "T1A02", "T1A03"});
    m.UserClickLine(3);
    ASSERT_EQ(m.SelStart(), 21);
    m.UserType("x");
    EXPECT_EQ(m.SelStart(), 1);
    EXPECT_EQ(m.SelectedText(), "");
    m.UserTypeWithCaret("abc\r\ndef", 6);  // where the typing stopped: after the "d"
    EXPECT_EQ(m.SelStart(), 6);
    m.UserTypeWithCaret("ab", 40);
    EXPECT_EQ(m.SelStart(), 4);  // "ab" CR LF
    m.SetSelection(1, 3);
    m.UserType("");
    EXPECT_EQ(m.SelStart(), 0);
    EXPECT_EQ(m.SelLength(), 0);
}

TEST(MemoScrolling, ABoxThatFollowsAppendsKeepsItsNewestLineInView) {
    Memo asked("Memo2", nullptr), other("Memo3", nullptr);
    for (Memo* m : {&asked, &other}) m->SetBounds(8, 192, 97, 41);  // room for two lines
    asked.SetFollowsAppends(true);
    for (int n = 1; n <= 5; ++n) {
        asked.AppendLine("T1A0" + std::to_string(n));
        other.AppendLine("T1A0" + std::to_string(n));
    }
    EXPECT_EQ(asked.TopLine(), 3);
    EXPECT_EQ(other.TopLine(), 0);
    asked.Clear();
    asked.AppendLine("T1A06");
    EXPECT_EQ(asked.TopLine(), 0);
}

TEST(FormSize, HeightsAreHeldWithinTheLimitsAndEveryRealChangeResizes) {
    Form f("Form1", nullptr);
    f.SetBounds(0, 0, 860, 590);
    f.SetConstraints(860, 880, 435, 590);
    int resizes = 0;
    f.OnResize = [&] { ++resizes; };
    f.SetHeight(410);
    EXPECT_EQ(f.Height(), 435);
    f.SetHeight(435);
    EXPECT_EQ(resizes, 1);
    f.SetHeight(800);
    EXPECT_EQ(f.Height(), 590);
    f.SetMaxHeightConstraint(950);
    f.SetHeight(800);
    EXPECT_EQ(f.Height(), 800);
    f.SetMaxHeightConstraint(750);  // a lower limit shrinks the window at once
    EXPECT_EQ(f.Height(), 750);
    EXPECT_EQ(resizes, 4);
    f.SetWidth(2000);
    EXPECT_EQ(f.Width(), 880);
}

}  // namespace
}  // namespace ktq
