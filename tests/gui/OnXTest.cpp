// SPDX-License-Identifier: GPL-3.0-or-later
// What only a real display shows (run under Xvfb by scripts/x-session.sh,
// with a window manager and without).
#include <QAbstractItemView>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QWindow>

#include "GuiFixture.h"
#include "ui/qt/EventHook.h"

namespace ktq::guitest {
namespace {

class OnXTest : public GuiTest {
  protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != "xcb")
            GTEST_SKIP() << "needs an X server: scripts/x-session.sh";
        WriteFile("tech 2022 pool.txt", TechPool());
    }
};

// Guards against a drop-down list drawn as a black box.
TEST_F(OnXTest, ThePoolChoosersListDrawsItsItems) {
    Start();
    auto* chooser = WidgetOf<QComboBox>(form->ComboBox1);
    chooser->showPopup();
    QWidget* popup = chooser->view()->window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
    QTest::qWait(300);
    // What the screen shows, not what the widget would paint.
    const QImage shown =
        QGuiApplication::primaryScreen()
            ->grabWindow(0, popup->x(), popup->y(), popup->width(), popup->height())
            .toImage();
    QImage flat(shown.size(), shown.format());
    flat.fill(shown.pixel(0, 0));
    EXPECT_NE(shown, flat);
}

// Guards against the window appearing at its size plus the frame and then
// shrinking, as the frame became known only after it was mapped.
TEST_F(OnXTest, TheFirstShowSizesTheWindowOnce) {
    MakeWindow();
    // The size it is mapped at, watched from the making of the native window.
    QSize mappedAt;
    QMetaObject::Connection mapped;
    new EventHook(&skin->Window(), [&](QEvent* e) {
        if (e->type() == QEvent::WinIdChange && !mapped)
            mapped = QObject::connect(skin->Window().windowHandle(), &QWindow::visibleChanged,
                                      [&](bool shown) {
                                          if (shown && mappedAt.isEmpty())
                                              mappedAt = skin->Window().size();
                                      });
        return false;
    });
    ShowAndActivate();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&skin->Window()));
    QTest::qWait(1000);  // the window manager frames and places it
    // Mapped at the size it keeps, the frame taken from the outer size.
    EXPECT_EQ(mappedAt, skin->Window().size());
    EXPECT_EQ(skin->Window().frameGeometry().size(), QSize(form->Width(), form->Height()));
    QObject::disconnect(mapped);
}

}  // namespace
}  // namespace ktq::guitest
