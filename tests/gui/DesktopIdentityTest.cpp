// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' icon: the theme icon installed beside the program, or the
// built-in one where the program is not installed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>

#include "WorkingFolder.h"
#include "ui/qt/DesktopIdentity.h"

namespace ktq {
namespace {

QIcon WindowIconOfProgramAt(const std::filesystem::path& executable) {
    IdentifyToDesktop(executable);
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
    for (const char* size : {"32x32", "48x48"}) {
        std::filesystem::create_directories(prefix.Path() / "share/icons/hicolor" / size / "apps");
        prefix.Write(std::string("share/icons/hicolor/") + size + "/apps/org.ktqtests.ktqtests.png",
                     png);
    }
    const QIcon icon = WindowIconOfProgramAt(prefix.Path() / "bin" / "ktqtests");
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{QSize(32, 32), QSize(48, 48)}));
}

}  // namespace
}  // namespace ktq
