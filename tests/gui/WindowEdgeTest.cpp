// SPDX-License-Identifier: GPL-3.0-or-later
// The designed Height is the window's outer height, frame included: at every
// height the program sets, whatever the frame, all that is shown lies inside.
#include <QLabel>

#include "GuiFixture.h"
#include "ui/qt/ControlTexts.h"

namespace ktq::guitest {
namespace {

struct Frame {
    const char* name;
    std::optional<QMargins> margins;  // none: as the window system reports it
};

void PrintTo(const Frame& f, std::ostream* os) {
    *os << f.name;
}

class WindowEdgeTest : public GuiTest, public ::testing::WithParamInterface<Frame> {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        WriteFile("tech 2022 pool.txt", TechPool());
        const std::string picture = folder.PathOf("T-1.jpg").string();
        ASSERT_EQ(std::system(("convert -size 380x351 xc:orange '" + picture + "'").c_str()), 0);
    }
};

TEST_P(WindowEdgeTest, EverythingShownLiesInsideAtEachDesignedHeight) {
    StartTrial();
    if (GetParam().margins)
        skin->UseWindowFrame(GetParam().margins);
    // A figure question: the figure panel sits on the details box's top edge.
    form->RunGuarded([&] { form->ShowQuestion("T1A02"); });
    skin->Flush();
    ASSERT_TRUE(form->Panel1.Visible());
    form->SetMaxHeightConstraint(800);
    for (int height : {410, 435, 590, 700, 750}) {
        SCOPED_TRACE(height);
        form->SetHeight(height);
        form->Memo3.SetVisible(height >= 590);  // learning mode's heights
        skin->Flush();
        const QRect client = skin->Window().rect();
        int checked = 0;
        for (Control* c : form->AllControls()) {
            QWidget* w = skin->WidgetOf(*c);
            if (c->Parent() != form.get() || w == nullptr || !w->isVisible() || ShowsNothing(*c))
                continue;
            EXPECT_TRUE(client.contains(w->geometry())) << c->Name();
            ++checked;
        }
        EXPECT_GE(checked, 30);
        EXPECT_EQ(skin->WidgetOf(form->Memo3)->isVisible(), height >= 590);
        // The outer size is the designed one; only a frame thicker than the
        // layout leaves room for makes the window taller.
        const QMargins frame = skin->WindowFrame();
        const int outer = skin->Window().height() + frame.top() + frame.bottom();
        if (frame.top() + frame.bottom() <= 27) {
            EXPECT_EQ(outer, form->Height());
        } else {
            EXPECT_GE(outer, form->Height());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Frames, WindowEdgeTest,
                         ::testing::Values(Frame{"AsTheWindowSystemDrawsIt", std::nullopt},
                                           Frame{"None", QMargins()},
                                           Frame{"ThickAsTheDesignersOwn", QMargins(8, 30, 8, 8)}),
                         [](const ::testing::TestParamInfo<Frame>& row) {
                             return std::string(row.param.name);
                         });

}  // namespace
}  // namespace ktq::guitest
