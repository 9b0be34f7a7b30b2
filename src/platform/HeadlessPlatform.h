// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <deque>
#include <functional>
#include <memory>
#include <ostream>

#include "platform/Platform.h"

namespace ktq {

// A platform without a window system: a settable clock, a counter that
// advances by a fixed step at every read (so random draws are repeatable),
// message boxes printed and answered with OK at once, questions printed and
// answered with the replies queued for them (Yes when none is).
class HeadlessPlatform : public Platform {
  public:
    static constexpr std::uint64_t kCounterStep = 3579;

    // Without a file system of its own it works on the disk in the current
    // folder at the time it is made.
    HeadlessPlatform(std::ostream& out, std::unique_ptr<SettingsStore> settings,
                     std::unique_ptr<FileSystem> files = nullptr);

    DateTime Now() override { return now_; }
    // The settable clock read in the C library's time zone.
    std::int64_t UtcNowMs() override { return UtcMsOfLocal(now_); }
    // In the C library's LC_TIME locale, which the driver takes from the
    // environment (ISO 8601 where it writes what Windows-1252 cannot hold).
    Text LocalDateTimeText(DateTime t) override;
    std::uint64_t HighResolutionCounter() override;
    void ShowMessage(const Text& title, const Text& text) override;
    bool AskYesNo(const Text& title, const Text& text) override;
    int ScreenHeight() override { return screenHeight_; }
    ScreenArea AvailableArea(int, int) override { return area_; }
    SettingsStore& Settings() override { return *settings_; }
    void OpenWithViewer(const Text& file) override;
    FileSystem& Files() override { return *files_; }
    std::vector<Text> CommandLineParameters() override { return parameters_; }

    void SetNow(DateTime t) { now_ = t; }
    void Advance(std::int64_t ms) { now_.ms += ms; }
    void SetCounter(std::uint64_t c) { counter_ = c; }
    // The whole screen is free for windows unless an area is set after.
    void SetScreenHeight(int h) {
        screenHeight_ = h;
        area_.height = h;
    }
    void SetAvailableArea(ScreenArea a) { area_ = a; }
    void SetParameters(std::vector<Text> p) { parameters_ = std::move(p); }
    // The reply to the next question asked.
    void QueueReply(bool yes) { replies_.push_back(yes); }

  private:
    std::ostream& out_;
    std::unique_ptr<SettingsStore> settings_;
    std::unique_ptr<FileSystem> files_;
    DateTime now_;
    std::uint64_t counter_ = 0;
    int screenHeight_ = 1080;
    ScreenArea area_{0, 0, 1920, 1080};
    std::vector<Text> parameters_;
    std::deque<bool> replies_;
};

}  // namespace ktq
