// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window: its caption, size limits and keyboard focus, and the controls
// that registered with it.
#include <vector>

#include "ui/Control.h"
#include "ui/ControlVisitor.h"
#include "ui/Handlers.h"

namespace ktq {

class Form : public Control {
  public:
    using Control::Control;
    const char* Kind() const override { return "form"; }
    void Accept(ControlVisitor& v) override { v.Visit(*this); }
    // Every control of the window, in the order they were made: a parent
    // before its children.
    const std::vector<Control*>& AllControls() const { return Members(); }
    Text Caption() const override { return caption_; }
    void SetCaption(const Text& c);
    void SetConstraints(int minWidth, int maxWidth, int minHeight, int maxHeight);
    int MinHeight() const { return minHeight_; }
    int MaxHeightConstraint() const { return maxHeight_; }
    // A lower maximum shrinks a taller window at once.
    void SetMaxHeightConstraint(int maxHeight);
    // Bounds are held within the size limits; a change of size runs OnResize.
    void SetBounds(int left, int top, int width, int height) override;
    Control* Focused() const { return focused_; }
    // Asks for the keyboard focus on a control; every request counts, also
    // for the control that had it last. A control the user cannot see or
    // reach (hidden, disabled or without size) takes none.
    void SetFocus(Control* c);
    int FocusRequests() const { return focusRequests_; }
    Handler OnResize;
    void Describe(PropertyList& out) const override;

  private:
    Text caption_;
    int minWidth_ = 0, maxWidth_ = 0, minHeight_ = 0, maxHeight_ = 0;
    Control* focused_ = nullptr;
    int focusRequests_ = 0;
};

}  // namespace ktq
