// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window of TForm1: a top-level widget holding one widget per control,
// kept in step with the model, and two QTimers driving Timer1 and Timer2.
#include <QMargins>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

#include "ui/TForm1.h"
#include "ui/qt/ControlView.h"
#include "ui/qt/SpeechLine.h"

class QAccessibleEvent;
class QTimer;
class QWidget;

namespace ktq {

class FormWindow;
class FigureWindow;
class ProgressWindow;

class Skin : public SkinContext {
  public:
    explicit Skin(TForm1& form);
    ~Skin() override;

    QWidget& Window();
    QWidget* WidgetOf(const Control& control) const;
    QTimer* TimerOf(const Timer& timer) const;
    // The "Progress" window, once it has been asked for.
    ProgressWindow* Progress() const { return progress_; }
    // The figure's own window, once it has been asked for.
    FigureWindow* Figure() const { return figure_; }
    // Brings every widget whose control changed up to date. Changes made
    // outside user input are also flushed from the event loop, and a new
    // announcement is spoken from it once the widgets are.
    void Flush();
    void UserInput(const std::function<void()>& action) override;
    FileSystem& Files() override { return form_.Files(); }
    std::array<Timer*, 2> Timers() { return {&form_.Timer1, &form_.Timer2}; }
    void UserTyping(const std::function<void()>& action) override;

    // The model's Width and Height are the window's outer size, frame
    // included, as the window system draws it. The frame is asked of the
    // window system unless given here (tests give one; offscreen has none).
    void UseWindowFrame(std::optional<QMargins> frame);
    QMargins WindowFrame() const;

    // Where the skin's own accessibility events go: to assistive technology,
    // unless someone else listens (offscreen there is none).
    using AccessibilitySink = std::function<void(QAccessibleEvent*)>;
    void SendAccessibilityEventsTo(AccessibilitySink sink) { accessibility_ = std::move(sink); }
    // Where the model's announcements are spoken.
    QWidget& SpeechLineWidget() { return speech_->Widget(); }

  private:
    friend class FormWindow;
    void Build();
    void Changed(Control& control);
    void FitClientArea();
    void ShowFocusRequest();
    void SpeakAnnouncement();
    Control* ControlOf(const QWidget* widget) const;
    void MoveFocusOffDisabled(Control* focused);
    void MirrorForm();
    void MirrorTimer(Timer& timer);
    void UserMovedWindow(int left, int top);
    void UserClosedWindow();
    void AskFrameOnFirstShow();

    TForm1& form_;
    std::unique_ptr<FormWindow> window_;
    ProgressWindow* progress_ = nullptr;  // owned by the window
    FigureWindow* figure_ = nullptr;      // owned by the window
    std::vector<std::unique_ptr<ControlView>> views_;
    std::map<const Control*, ControlView*> viewOf_;
    std::map<const Control*, QTimer*> timerOf_;
    std::set<const Control*> dirty_;
    bool flushQueued_ = false;
    bool flushing_ = false;
    int shownLeft_ = -1, shownTop_ = -1;
    int shownFocusRequests_ = 0;
    bool typing_ = false;
    std::optional<QMargins> frame_;
    // The window manager's answer before the first mapping, used until the
    // window system tells the frame itself.
    std::optional<QMargins> askedFrame_;
    bool frameAsked_ = false;
    AccessibilitySink accessibility_;
    std::unique_ptr<SpeechLine> speech_;
    int spokenAnnouncements_ = 0;
    bool speechPosted_ = false;
};

}  // namespace ktq
