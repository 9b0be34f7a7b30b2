#pragma once
// The track bar and the up-down arrows. A track bar moved runs its change
// handler; an arrow reaches its handler only when the position moved.
#include "ui/Control.h"
#include "ui/ControlVisitor.h"
#include "ui/Handlers.h"

namespace ktq {

class TrackBar : public Control {
  public:
    using Control::Control;
    const char* Kind() const override { return "trackbar"; }
    void Accept(ControlVisitor& v) override { v.Visit(*this); }
    int Position() const { return position_; }
    void SetRange(int min, int max);
    int Min() const { return min_; }
    int Max() const { return max_; }
    // Brought into the range; a change of position runs the change handler.
    void SetPosition(int p);
    Handler OnChange;
    bool UserSetPosition(int p);
    void Describe(PropertyList& out) const override;

  private:
    int min_ = 0, max_ = 10, position_ = 0;
};

enum class UpDownArrow { Next, Previous };

class UpDown : public Control {
  public:
    using Control::Control;
    const char* Kind() const override { return "updown"; }
    void Accept(ControlVisitor& v) override { v.Visit(*this); }
    int Position() const { return position_; }
    void SetRange(int min, int max);
    void SetPosition(int p);
    std::function<void(UpDownArrow)> OnClick;
    bool UserStep(UpDownArrow arrow);
    void Describe(PropertyList& out) const override;

  private:
    int min_ = 0, max_ = 100, position_ = 0;
};

}  // namespace ktq
