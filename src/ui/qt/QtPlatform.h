// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The platform of the window program: the real clock, Qt's message box,
// screen and desktop services, and the user's settings store.
#include <memory>

#include "platform/Platform.h"

namespace ktq {

class QtPlatform : public Platform {
  public:
    // Without a store of its own it uses the user's settings (UserSettingsStore).
    // The files are those of the current folder when it is made.
    explicit QtPlatform(std::unique_ptr<SettingsStore> settings = nullptr,
                        std::unique_ptr<FileSystem> files = nullptr);

    DateTime Now() override;
    std::int64_t UtcNowMs() override;
    // In Qt's default locale, which is the user's unless a test sets another;
    // in ISO 8601 where that locale writes what Windows-1252 cannot hold.
    Text LocalDateTimeText(DateTime t) override;
    std::uint64_t HighResolutionCounter() override;
    void ShowMessage(const Text& title, const Text& text) override;
    bool AskYesNo(const Text& title, const Text& text) override;
    int ScreenHeight() override;
    ScreenArea AvailableArea(int x, int y) override;
    SettingsStore& Settings() override { return *settings_; }
    void OpenWithViewer(const Text& file) override;
    FileSystem& Files() override { return *files_; }
    std::vector<Text> CommandLineParameters() override;

  private:
    std::unique_ptr<SettingsStore> settings_;
    std::unique_ptr<FileSystem> files_;
};

}  // namespace ktq
