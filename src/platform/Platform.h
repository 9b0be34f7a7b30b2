// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program asks of the system it runs on. The Qt skin and the
// headless driver each provide one; the logic never reaches past it.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/DateTime.h"
#include "platform/FileSystem.h"
#include "platform/SettingsStore.h"
#include "text/Text.h"

namespace ktq {

struct ScreenArea {
    int left = 0, top = 0, width = 0, height = 0;
};

class Platform {
  public:
    virtual ~Platform() = default;
    virtual DateTime Now() = 0;
    // The same moment in milliseconds since 1970-01-01 00:00 UTC, as the
    // answer history keeps it.
    virtual std::int64_t UtcNowMs() = 0;
    // The user's short date and long time, as the desktop shows them.
    virtual Text LocalDateTimeText(DateTime t) = 0;
    // The high-resolution performance counter that seeds the random draw.
    virtual std::uint64_t HighResolutionCounter() = 0;
    // A modal message box with an OK button; returns when it is closed.
    virtual void ShowMessage(const Text& title, const Text& text) = 0;
    // A modal question with Yes and No buttons; true when Yes was chosen.
    virtual bool AskYesNo(const Text& title, const Text& text) = 0;
    virtual int ScreenHeight() = 0;
    // The part of the screen showing the point (else the main screen) that
    // windows may take: without panels and docks, in the desktop's scaled
    // pixels. Empty when there is no screen.
    virtual ScreenArea AvailableArea(int x, int y) = 0;
    virtual SettingsStore& Settings() = 0;
    // Hands a file to the desktop's default viewer; the outcome is ignored.
    virtual void OpenWithViewer(const Text& file) = 0;
    // The files of the working folder.
    virtual FileSystem& Files() = 0;
    // Command-line parameters after the program path.
    virtual std::vector<Text> CommandLineParameters() = 0;
};

}  // namespace ktq
