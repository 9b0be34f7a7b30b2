// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' icon: the theme icon installed beside the program, in the
// sizes a window's icon is drawn in, or the built-in one where the program is
// not installed; given once the window has been painted.
#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QTest>
#include <QWidget>

#include "WorkingFolder.h"
#include "ui/qt/DesktopIdentity.h"

namespace ktq {
namespace {

QIcon WindowIconOfProgramAt(const std::filesystem::path& executable) {
    QWidget window;
    GiveIconAfterFirstPaint(window, executable);
    EXPECT_TRUE(QApplication::windowIcon().isNull()) << "given before the window was painted";
    window.show();
    EXPECT_TRUE(QTest::qWaitFor([] { return !QApplication::windowIcon().isNull(); }));
    const QIcon icon = QApplication::windowIcon();
    QApplication::setWindowIcon(QIcon());
    return icon;
}

TEST(DesktopIdentity, NotInstalledTheWindowsGetTheBuiltInIcon) {
    testsupport::WorkingFolder prefix;
    const QIcon icon = WindowIconOfProgramAt(prefix.Path() / "bin" / "ktqtests");
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes(), QList<QSize>{QSize(64, 64)});
    EXPECT_FALSE(icon.pixmap(64).toImage().pixelColor(32, 32).alpha() == 0) << "an empty picture";
}

TEST(DesktopIdentity, InstalledTheWindowsGetTheThemeIconsBesideTheProgram) {
    testsupport::WorkingFolder prefix;
    const std::string png = std::string(ProgramIconPng());
    for (const char* size : {"32x32", "48x48", "256x256"}) {
        std::filesystem::create_directories(prefix.Path() / "share/icons/hicolor" / size / "apps");
        prefix.Write(std::string("share/icons/hicolor/") + size + "/apps/org.ktqtests.ktqtests.png",
                     png);
    }
    const QIcon icon = WindowIconOfProgramAt(prefix.Path() / "bin" / "ktqtests");
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{QSize(32, 32), QSize(48, 48)}));
}

}  // namespace
}  // namespace ktq
