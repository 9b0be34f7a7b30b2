// SPDX-License-Identifier: GPL-3.0-or-later
// One QApplication for every GUI test: offscreen unless told otherwise, on a
// 1366 x 768 screen at 96 dots per inch, the laptop screen the window must suit,
// with the same screen scaled to 150 % beside it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <filesystem>
#include <fstream>

#include "ui/qt/QtLook.h"

namespace {

class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
        if (platform.isEmpty() || platform == "offscreen") {
            screenFile_ = std::filesystem::temp_directory_path() /
                          ("ktq-gui-screen-" + std::to_string(getpid()) + ".json");
            std::ofstream(screenFile_) << R"({"screens": [{"name": "laptop", "x": 0, "y": 0,
                "width": 1366, "height": 768, "logicalDpi": 96}, {"name": "scaled", "x": 1366,
                "y": 0, "width": 910, "height": 512, "logicalDpi": 96}]})";
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QByteArray(screenFile_.c_str()));
        }
        static int argc = 1;
        static char name[] = "ktq-gui-tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override {
        app_.reset();
        if (!screenFile_.empty())
            std::filesystem::remove(screenFile_);
    }

  private:
    std::unique_ptr<QApplication> app_;
    std::filesystem::path screenFile_;
};

[[maybe_unused]] auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
