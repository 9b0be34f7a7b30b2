// SPDX-License-Identifier: GPL-3.0-or-later
// Where the desktop's theme has no icon of the program (it is not installed,
// or the theme is not found), its windows still get the built-in one.
#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>

#include "WorkingFolder.h"
#include "ui/qt/DesktopIdentity.h"

namespace ktq {
namespace {

TEST(DesktopIdentity, WithoutTheThemesIconTheWindowsGetTheBuiltInOne) {
    testsupport::WorkingFolder noThemes;
    const QStringList searched = QIcon::themeSearchPaths();
    QIcon::setThemeSearchPaths({QString::fromStdString(noThemes.Path().string())});
    IdentifyToDesktop();
    const QIcon icon = QApplication::windowIcon();
    QIcon::setThemeSearchPaths(searched);
    QApplication::setWindowIcon(QIcon());

    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes(), QList<QSize>{QSize(64, 64)});
    EXPECT_FALSE(icon.pixmap(64).toImage().pixelColor(32, 32).alpha() == 0) << "an empty picture";
}

}  // namespace
}  // namespace ktq
