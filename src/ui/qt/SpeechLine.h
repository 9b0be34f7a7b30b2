// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the window's announcements are spoken: an accessible notification
// that shows with the words as its name. Qt 6.4 passes no Alert event on to
// AT-SPI, but a notification that becomes showing is read out by the screen
// reader; a newer Qt also passes the Alert the line sends.
#include <QString>
#include <functional>

class QAccessibleEvent;
class QWidget;

namespace ktq {

class SpeechLine {
  public:
    using Sink = std::function<void(QAccessibleEvent*)>;
    // A widget of one transparent pixel in the window's corner, below every
    // control: nothing a sighted user can see.
    explicit SpeechLine(QWidget& window);
    void Say(const QString& words, const Sink& sink);
    QWidget& Widget() { return *line_; }

  private:
    QWidget* line_;
};

}  // namespace ktq
