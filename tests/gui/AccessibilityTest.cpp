// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen-reader user learns: a name for every control, and the
// feedback of an answer in words as well as in colour.
#include <QAccessible>
#include <QHelpEvent>
#include <QTextEdit>
#include <QToolTip>

#include "GuiFixture.h"

namespace ktq::guitest {
namespace {

struct Told {
    QObject* object;
    QAccessible::Event type;
    friend bool operator==(const Told&, const Told&) = default;
};

class AccessibilityTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        WriteFile("tech 2022 pool.txt", TechPool());
    }
    // Offscreen no assistive technology listens; the test does.
    void Listen() {
        skin->SendAccessibilityEventsTo([this](QAccessibleEvent* e) {
            told_.push_back({e->object(), e->type()});
        });
    }
    QString NameOf(const Control& c) {
        return QAccessible::queryAccessibleInterface(skin->WidgetOf(c))->text(QAccessible::Name);
    }
    QTextEdit* Box(int n) { return WidgetOf<QTextEdit>(*form->AnswerBox(n)); }
    std::vector<QString> Descriptions() {
        std::vector<QString> all;
        for (int n = 1; n <= 4; ++n) all.push_back(Box(n)->accessibleDescription());
        return all;
    }
    std::vector<Told> told_;
};

TEST_F(AccessibilityTest, EveryControlHasAName) {
    Start();
    for (Control* c : form->AllControls()) {
        if (skin->WidgetOf(*c) != nullptr) {
            EXPECT_FALSE(NameOf(*c).isEmpty()) << c->Name();
        }
    }
    EXPECT_EQ(NameOf(form->Button1), "Prepare..");
    EXPECT_EQ(NameOf(form->RichEdit3), "Answer B");
    EXPECT_EQ(NameOf(form->ComboBox2), "Select a particular question by its Code ID");
    EXPECT_EQ(NameOf(form->Label15), "Percentage correct: 0%");  // a display names its value
    EXPECT_EQ(NameOf(form->Label5), "Answers done: 0");
}

TEST_F(AccessibilityTest, AWrongAnswerIsToldInWordsAndClearedWithTheColours) {
    StartTrial();
    const Text first = form->state.QuestionCode;
    const int right = form->state.CorrectLetter[0] - 'A' + 1;
    const int wrong = right == 1 ? 2 : 1;
    Listen();
    QTest::mouseClick(Box(wrong)->viewport(), Qt::LeftButton, {}, QPoint(30, 20));
    EXPECT_EQ(Descriptions(), std::vector<QString>(4));  // told when it shows, not before
    Tick();
    std::vector<QString> expected(4);
    expected[wrong - 1] = "your answer, wrong";
    expected[right - 1] = "correct answer";
    EXPECT_EQ(Descriptions(), expected);
    Tick();  // painted again: told once
    EXPECT_EQ(told_, (std::vector<Told>{{Box(wrong), QAccessible::Alert}}));

    while (form->state.QuestionCode == first) Tick();
    EXPECT_EQ(Descriptions(), std::vector<QString>(4));
}

TEST_F(AccessibilityTest, ARightAnswerIsToldAsCorrect) {
    StartTrial();
    const int right = form->state.CorrectLetter[0] - 'A' + 1;
    QTest::mouseClick(Box(right)->viewport(), Qt::LeftButton, {}, QPoint(30, 20));
    Tick();
    std::vector<QString> expected(4);
    expected[right - 1] = "correct";
    EXPECT_EQ(Descriptions(), expected);
}

// Guards against the window's hint standing in for the boxes' own.
TEST_F(AccessibilityTest, HoveringAnAnswerBoxShowsItsOwnHint) {
    StartTrial();
    for (int n = 1; n <= 4; ++n) {
        QWidget* viewport = Box(n)->viewport();
        const QPoint at(40, 20);
        QHelpEvent hover(QEvent::ToolTip, at, viewport->mapToGlobal(at));
        QApplication::sendEvent(viewport, &hover);
        EXPECT_EQ(QToolTip::text(), QString("Answer ") + QChar('A' + n - 1));
    }
}

}  // namespace
}  // namespace ktq::guitest
