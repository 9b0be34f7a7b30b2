// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the design fixes fits its control with the fonts the set-up
// installs: nothing is cut, nothing runs into its neighbour.
#include <QAbstractButton>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <set>

#include "GuiFixture.h"
#include "ui/qt/ControlTexts.h"
#include "ui/qt/LabelClearSlider.h"
#include "ui/qt/QtLook.h"

namespace ktq::guitest {
namespace {

// Their designed texts only hold the place of counts the program writes.
const std::set<std::string> kPlaceholders = {"Label15", "Label20"};

// The width a button or check box has for its text, as the style lays it out.
int RoomForText(QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.rect = button.rect();
    const bool check = qobject_cast<QCheckBox*>(&button) != nullptr;
    return button.style()
        ->subElementRect(check ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents,
                         &option, &button)
        .width();
}

class TextFitTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        Start();
    }
};

TEST_F(TextFitTest, TheDesignsFontsAreDrawnWithMetricCompatibleOnes) {
    // Installed by the set-up; without them every text below grows by a sixth.
    EXPECT_EQ(QFontInfo(ToQFont(form->Label1.GetFont())).family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(ToQFont(form->Label5.GetFont())).family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(ToQFont(form->Memo3.GetFont())).family(), "Liberation Mono");
    // Named by installed faces only: a name the desktop lacks costs the
    // start-up a lookup of substitutes.
    const QStringList installed = QFontDatabase::families();
    const Control* designs[] = {&form->Label1, &form->Label5, &form->Memo3};
    for (const Control* c : designs)
        for (const QString& face : ToQFont(c->GetFont()).families())
            EXPECT_TRUE(installed.contains(face)) << c->Name() << ": " << face.toStdString();
}

TEST_F(TextFitTest, EveryFixedCaptionFitsItsControl) {
    const TForm1 designed(platform);
    int measured = 0;
    for (Control* c : designed.AllControls()) {
        const Text text = c->Caption();
        if (Trim(text).empty() || kPlaceholders.count(c->Name()))
            continue;
        SCOPED_TRACE(c->Name() + " \"" + text + "\"");
        QWidget* w = skin->WidgetOf(*form->FindControl(c->Name()));
        ASSERT_NE(w, nullptr);
        const int width = w->fontMetrics().horizontalAdvance(ToQString(text));
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            EXPECT_LE(width, RoomForText(*button));
        else
            EXPECT_LE(width, c->Width());  // a label's designed width is all it has
        ++measured;
    }
    EXPECT_GE(measured, 30);  // the captions of the window and the notice
}

TEST_F(TextFitTest, TheNoticeLinesStayInsideTheNoticePanel) {
    QWidget* panel = skin->WidgetOf(form->Panel2);
    for (Control* c : form->AllControls()) {
        if (c->Parent() != &form->Panel2 || ShowsNothing(*c))
            continue;
        SCOPED_TRACE(c->Name());
        QWidget* w = skin->WidgetOf(*c);
        const int textRight = w->x() + w->fontMetrics().horizontalAdvance(ToQString(c->Caption()));
        EXPECT_LE(textRight, panel->contentsRect().right());
    }
}

// Guards against the cycle number and the delay being drawn over the groove
// and under the handle of the delay slider.
TEST_F(TextFitTest, TheSliderIsDrawnClearOfTheLabelsOnItsEnds) {
    form->Label18.SetText("35");  // a long cycle's number
    auto* slider = dynamic_cast<LabelClearSlider*>(skin->WidgetOf(form->TrackBar1));
    ASSERT_NE(slider, nullptr);
    for (int position : {slider->minimum(), slider->maximum()}) {
        form->TrackBar1.SetPosition(position);
        skin->Flush();
        for (const Control* label : {&form->Label18, &form->Label24}) {
            const QRect text = skin->WidgetOf(*label)->geometry();
            EXPECT_FALSE(slider->HandleRect().translated(slider->pos()).intersects(text));
            EXPECT_FALSE(slider->GrooveRect().translated(slider->pos()).intersects(text));
        }
    }
}

}  // namespace
}  // namespace ktq::guitest
