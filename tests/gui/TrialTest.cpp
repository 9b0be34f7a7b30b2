// SPDX-License-Identifier: GPL-3.0-or-later
// A trial in the real window: pick a pool, prepare, start, press an answer
// box, and watch the feedback colours and the advance to the next question.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QWheelEvent>
#include <cstdlib>

#include "GuiFixture.h"
#include "ui/qt/FigureWindow.h"

namespace ktq::guitest {
namespace {

class TrialTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        WriteFile("tech 2022 pool.txt", TechPool());
    }

    QTextEdit* Box(int n) { return WidgetOf<QTextEdit>(*form->AnswerBox(n)); }
    int BoxOf(const Text& letter) { return letter[0] - 'A' + 1; }
    void Press(int n) { QTest::mouseClick(Box(n)->viewport(), Qt::LeftButton, {}, QPoint(30, 20)); }
};

TEST_F(TrialTest, ARightAnswerTurnsGreenAndTheNextQuestionFollows) {
    StartTrial();
    const Text first = form->state.QuestionCode;
    EXPECT_TRUE(Box(1)->isVisible());
    EXPECT_FALSE(WidgetOf<QTextEdit>(form->RichEdit1)->toPlainText().isEmpty());
    const int right = BoxOf(form->state.CorrectLetter);

    Press(right);
    EXPECT_EQ(WidgetOf<QLabel>(form->Label7)->text(), "1");
    EXPECT_EQ(WidgetOf<QLabel>(form->Label5)->text(), "1");
    EXPECT_EQ(WidgetOf<QLabel>(form->Label15)->text(), "100 %");

    Tick();
    QTextEdit* box = Box(right);
    EXPECT_EQ(box->palette().color(QPalette::Text), Bgr(form->state.CorrectColor));
    EXPECT_TRUE(box->font().bold());
    EXPECT_EQ(box->font().pointSize(), 10);
    Screenshot("trial-right-answer.png");

    Tick();
    EXPECT_NE(form->state.QuestionCode, first);
    EXPECT_EQ(box->palette().color(QPalette::Text), Bgr(kBlue));
    EXPECT_EQ(box->font().pointSize(), 9);
}

TEST_F(TrialTest, AWrongAnswerTurnsRedBesideTheGreenOneUntilTheDelayEnds) {
    StartTrial();
    const Text first = form->state.QuestionCode;
    const int right = BoxOf(form->state.CorrectLetter);
    const int wrong = right == 1 ? 2 : 1;

    Press(wrong);
    EXPECT_EQ(WidgetOf<QLabel>(form->Label15)->text(), "0 %");
    Tick();
    EXPECT_EQ(Box(wrong)->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_TRUE(Box(wrong)->font().bold());
    EXPECT_EQ(Box(right)->palette().color(QPalette::Text), Bgr(form->state.CorrectColor));
    Screenshot("trial-wrong-answer.png");

    // The question stays for the track bar's delay, counted from the press.
    int ticks = 1;
    while (form->state.QuestionCode == first && ticks < 30) {
        Tick();
        ++ticks;
    }
    EXPECT_EQ(ticks, form->TrackBar1.Position() + 2);
    EXPECT_FALSE(form->state.AnswerPending);
    EXPECT_EQ(Box(wrong)->palette().color(QPalette::Text), Bgr(kBlue));
    EXPECT_FALSE(Box(wrong)->font().bold());
}

TEST_F(TrialTest, AFigureQuestionShowsItsPictureAndDetailsGrowTheWindow) {
    const std::string picture = folder.PathOf("T-1.jpg").string();
    ASSERT_EQ(std::system(("convert -size 240x160 xc:skyblue -fill red -draw "
                           "'circle 120,80 120,30' '" +
                           picture + "'")
                              .c_str()),
              0);
    StartTrial();
    QTest::keyClicks(WidgetOf<QComboBox>(form->ComboBox2)->lineEdit(), "T1A02");
    EXPECT_EQ(form->state.QuestionCode, "T1A02");

    QWidget* panel = skin->WidgetOf(form->Panel1);
    auto* image = WidgetOf<QLabel>(form->Image1);
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(image->pixmap().size(), QSize(240, 160));
    EXPECT_EQ(image->size(), QSize(form->Image1.Width(), form->Image1.Height()));
    EXPECT_TRUE(image->hasScaledContents());
    Screenshot("figure-shown.png");

    QTest::mouseClick(image, Qt::LeftButton);
    EXPECT_FALSE(panel->isVisible());

    const int before = skin->Window().height();
    QTest::mouseClick(skin->WidgetOf(form->CheckBox1), Qt::LeftButton, {}, QPoint(5, 8));
    ASSERT_TRUE(form->CheckBox1.Checked());
    EXPECT_GT(skin->Window().height(), before);
    EXPECT_EQ(skin->Window().frameGeometry().height(), form->Height());
    EXPECT_TRUE(skin->WidgetOf(form->Memo3)->isVisible());
    Screenshot("details-shown.png");
}

// Guards against figures too small to read: the figure's own window shows
// it as large as the screen allows, zooms by key and wheel, closes by Escape.
TEST_F(TrialTest, AFigureOpensInAWindowOfItsOwnThatZooms) {
    const std::string picture = folder.PathOf("T-1.jpg").string();
    ASSERT_EQ(std::system(("convert -size 1845x1455 xc:white '" + picture + "'").c_str()), 0);
    StartTrial();
    QTest::keyClicks(WidgetOf<QComboBox>(form->ComboBox2)->lineEdit(), "T1A02");
    auto* enlarge = WidgetOf<QPushButton>(form->Button10);
    ASSERT_TRUE(enlarge->isVisible());
    enlarge->setFocus();
    QTest::keyClick(enlarge, Qt::Key_Space);
    FigureWindow* w = skin->Figure();
    ASSERT_TRUE(w != nullptr && w->isVisible());
    const QSize free = w->screen()->availableGeometry().size();
    EXPECT_TRUE(w->width() <= free.width() && w->height() <= free.height());
    EXPECT_GT(1845 * w->Zoom(), 1.5 * form->Image1.Width());

    const double whole = w->Zoom();
    QTest::keyClick(w, Qt::Key_Plus);
    EXPECT_GT(w->Zoom(), whole);
    QWheelEvent back(QPointF(9, 9), w->mapToGlobal(QPointF(9, 9)), {}, {0, -120}, Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w->viewport(), &back);
    EXPECT_NEAR(w->Zoom(), whole, 1e-9);
    QTest::keyClick(w, Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(skin->WidgetOf(form->Panel1)->isVisible());  // the panel as it was
}

}  // namespace
}  // namespace ktq::guitest
