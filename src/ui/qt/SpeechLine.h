// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the window's announcements are spoken: accessible notifications
// that show with the words as their names. Qt 6.4 passes no Alert event on to
// AT-SPI, but a notification that becomes showing is read out by the screen
// reader; a newer Qt also passes the Alert the line sends.
#include <QString>
#include <array>
#include <functional>

class QAccessibleEvent;
class QWidget;

namespace ktq {

class SpeechLine {
  public:
    using Sink = std::function<void(QAccessibleEvent*)>;
    // Widgets of one transparent pixel in the window's corner, below every
    // control: nothing a sighted user can see.
    explicit SpeechLine(QWidget& window);
    void Say(const QString& words, const Sink& sink);
    // The line that spoke last.
    QWidget& Widget() { return *lines_[current_]; }

  private:
    // Each of the latest announcements has a line of its own, the one shown:
    // a busy reader comes to a showing late and reads the line's name then,
    // which on a single line would already be the next announcement's.
    std::array<QWidget*, 8> lines_{};
    std::size_t current_ = 0;
};

}  // namespace ktq
