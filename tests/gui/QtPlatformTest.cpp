// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt platform: settings over QSettings, the message box, the clock.
#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>
#include <filesystem>

#include "GuiFixture.h"
#include "platform/TextFile.h"
#include "ui/qt/QtPlatform.h"
#include "ui/qt/QtSettingsStore.h"

namespace ktq::guitest {
namespace {

class QtPlatformTest : public GuiTest {
  protected:
    QString IniPath() { return QString::fromStdString((folder.Path() / "settings.ini").string()); }
    std::unique_ptr<QtSettingsStore> IniStore() {
        return std::make_unique<QtSettingsStore>(
            std::make_unique<QSettings>(IniPath(), QSettings::IniFormat));
    }
};

TEST_F(QtPlatformTest, SettingsKeepWindows1252TextInTheirSection) {
    IniStore()->WriteText("Tarnell", "KTQExamsLeft", "120");
    IniStore()->WriteText("Tarnell", "Name", "caf\xE9");
    auto store = IniStore();
    EXPECT_EQ(store->ReadText("Tarnell", "KTQExamsLeft"), "120");
    EXPECT_EQ(store->ReadText("Tarnell", "Name"), "caf\xE9");
    EXPECT_EQ(store->ReadText("Tarnell", "Missing"), std::nullopt);
    EXPECT_EQ(store->ReadText("Other", "KTQExamsLeft"), std::nullopt);
    QSettings raw(IniPath(), QSettings::IniFormat);
    EXPECT_EQ(raw.value("Tarnell/Name").toString(), QString::fromUtf8("caf\u00E9"));
}

TEST_F(QtPlatformTest, ASettingsFileBehindALinkIsWrittenToItsTarget) {
    std::filesystem::create_directories(folder.Path() / "real");
    folder.Write("real/k.ini", "[Tarnell]\n");
    std::filesystem::create_symlink(folder.Path() / "real" / "k.ini", folder.Path() / "k.ini");
    {
        QtSettingsStore store(std::make_unique<QSettings>(
            QString::fromStdString((folder.Path() / "k.ini").string()), QSettings::IniFormat));
        store.WriteText("Tarnell", "KTQExamsLeft", "7");
    }
    EXPECT_TRUE(std::filesystem::is_symlink(folder.Path() / "k.ini"));
    EXPECT_NE(folder.Read("real/k.ini").find("KTQExamsLeft=7"), std::string::npos);
}

TEST_F(QtPlatformTest, AValueThatIsNotTextReadsAsMissing) {
    {
        QSettings raw(IniPath(), QSettings::IniFormat);
        raw.setValue("Tarnell/List", QStringList{"a", "b"});
        raw.setValue("Tarnell/Rect", QRect(1, 2, 3, 4));
    }
    auto store = IniStore();
    EXPECT_EQ(store->ReadText("Tarnell", "List"), std::nullopt);
    EXPECT_EQ(store->ReadText("Tarnell", "Rect"), std::nullopt);
}

TEST_F(QtPlatformTest, MessageBoxShowsConvertedTitleAndText) {
    QtPlatform qt(std::make_unique<MemorySettingsStore>());
    QString title, text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        box->accept();
    });
    qt.ShowMessage("Missing files error", "No \x93pool\x94 files\r\nfound");
    EXPECT_EQ(title, "Missing files error");
    EXPECT_EQ(text, QString::fromUtf8("No \u201Cpool\u201D files\r\nfound"));
}

TEST_F(QtPlatformTest, ClockFolderAndScreen) {
    QtPlatform qt(std::make_unique<MemorySettingsStore>());
    const QDateTime local = QDateTime::currentDateTime();
    const QDateTime asUtc(local.date(), local.time(), Qt::UTC);
    EXPECT_NEAR(static_cast<double>(qt.Now().ms), static_cast<double>(asUtc.toMSecsSinceEpoch()),
                2000);
    const auto a = qt.HighResolutionCounter();
    EXPECT_GT(qt.HighResolutionCounter(), a);
    EXPECT_EQ(qt.Files().Folder(),
              FileName::FromSystem(std::filesystem::current_path().string()).Shown());
    EXPECT_GT(qt.ScreenHeight(), 0);
    EXPECT_TRUE(qt.CommandLineParameters().empty());
}

TEST_F(QtPlatformTest, DatesFollowTheUsersLocale) {
    QtPlatform qt(std::make_unique<MemorySettingsStore>());
    const DateTime t = MakeDateTime(2026, 12, 8, 14, 3, 5);
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(qt.LocalDateTimeText(t), "08.12.26 14:03:05");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const Text us = qt.LocalDateTimeText(t);
    EXPECT_EQ(us.substr(0, 8), "12/8/26 ");
    EXPECT_NE(us.find("2:03:05"), Text::npos);
    EXPECT_NE(us.find("PM"), Text::npos);
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(qt.LocalDateTimeText(t), "08/12/2026 14:03:05");
    // Persian digits cannot be written in a study file: ISO 8601 instead.
    QLocale::setDefault(QLocale(QLocale::Persian, QLocale::Iran));
    EXPECT_EQ(qt.LocalDateTimeText(t), "2026-12-08 14:03:05");
    QLocale::setDefault(previous);
}

}  // namespace
}  // namespace ktq::guitest
