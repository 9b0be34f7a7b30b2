// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One widget per model control. A view mirrors its control into the widget
// with the widget's signals blocked, so code changes never come back as user
// input, and hands the widget's input to the control's User* entry points.
#include <QPalette>
#include <functional>
#include <memory>
#include <vector>

#include "platform/FileSystem.h"
#include "ui/Control.h"

class QWidget;

namespace ktq {

// What a view needs from the binding.
class SkinContext {
  public:
    virtual ~SkinContext() = default;
    // Runs a user's input on the model inside the general error report and
    // then brings every widget up to date.
    virtual void UserInput(const std::function<void()>& action) = 0;
    // The files of the program's working folder, for the pictures it shows.
    virtual FileSystem& Files() = 0;
    // The same for typing into a text entry: the keyboard focus stays where
    // the user types, whatever the handlers ask for.
    virtual void UserTyping(const std::function<void()>& action) = 0;
};

class ControlView {
  public:
    ControlView(Control& control, SkinContext& skin) : control_(control), skin_(skin) {}
    virtual ~ControlView() = default;
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    Control& Model() const { return control_; }
    virtual QWidget* Widget() const = 0;
    // The widgets Tab stops at, in order: the widget itself for most.
    virtual std::vector<QWidget*> TabStops() const { return {Widget()}; }
    // Brings the widget up to the control's state; what a widget that is not
    // to be seen shows is brought up to date when it is shown.
    void Mirror();
    // Hidden, and behind its control since.
    bool Stale() const { return stale_; }
    // The control and every panel around it are visible.
    bool Seen() const;

  protected:
    virtual void MirrorContent() = 0;
    virtual QPalette::ColorRole BackgroundRole() const { return QPalette::Base; }
    virtual bool FillsBackground() const { return false; }
    // The size the widget takes; labels grow to show their whole text.
    virtual QSize ShownSize() const;
    void Input(const std::function<void()>& action) { skin_.UserInput(action); }
    SkinContext& Skin() { return skin_; }
    void Typing(const std::function<void()>& action) { skin_.UserTyping(action); }

  private:
    Control& control_;
    SkinContext& skin_;
    bool stale_ = false;
};

// The view for any control kind but the timers (which have no widget).
std::unique_ptr<ControlView> MakeView(Control& control, QWidget* parent, SkinContext& skin);

}  // namespace ktq
