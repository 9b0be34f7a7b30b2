// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The track bar and the up-down arrows. A track bar moved runs its change
// handler; an arrow reaches its handler only when the position moved.
#include "ui/Control.h"
#include "ui/ControlVisitor.h"
#include "ui/Handlers.h"

namespace ktq {

// A position held within its limits.
struct BoundedPosition {
    int min = 0, max = 0, position = 0;
    BoundedPosition WithLimits(int lo, int hi) const;
    BoundedPosition At(int p) const;
    friend bool operator==(const BoundedPosition&, const BoundedPosition&) = default;
};

class TrackBar : public Control {
  public:
    using Control::Control;
    const char* Kind() const override { return "trackbar"; }
    void Accept(ControlVisitor& v) override { v.Visit(*this); }
    int Position() const { return range_.position; }
    // A position the new range moves runs no handler, as in the designer.
    void SetRange(int min, int max) { Assign(range_, range_.WithLimits(min, max)); }
    int Min() const { return range_.min; }
    int Max() const { return range_.max; }
    // Brought into the range; a change of position runs the change handler.
    void SetPosition(int p);
    Handler OnChange;
    bool UserSetPosition(int p);
    void Describe(PropertyList& out) const override;

  private:
    BoundedPosition range_{0, 10, 0};
};

enum class UpDownArrow { Next, Previous };

class UpDown : public Control {
  public:
    using Control::Control;
    const char* Kind() const override { return "updown"; }
    void Accept(ControlVisitor& v) override { v.Visit(*this); }
    int Position() const { return range_.position; }
    void SetRange(int min, int max) { Assign(range_, range_.WithLimits(min, max)); }
    void SetPosition(int p) { Assign(range_, range_.At(p)); }
    std::function<void(UpDownArrow)> OnClick;
    bool UserStep(UpDownArrow arrow);
    void Describe(PropertyList& out) const override;

  private:
    BoundedPosition range_{0, 100, 0};
};

}  // namespace ktq
