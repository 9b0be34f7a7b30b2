#include "ui/RangeControls.h"

#include <algorithm>

namespace ktq {

void TrackBar::SetRange(int min, int max) {
    // A position the new range moves runs no handler, as in the designer.
    const int position = std::clamp(position_, min, max);
    if (min == min_ && max == max_ && position == position_)
        return;
    min_ = min;
    max_ = max;
    position_ = position;
    Changed();
}

void TrackBar::SetPosition(int p) {
    if (Assign(position_, std::clamp(p, min_, max_)) && OnChange)
        OnChange();
}

bool TrackBar::UserSetPosition(int p) {
    if (!Usable())
        return false;
    SetPosition(p);
    return true;
}

void TrackBar::Describe(PropertyList& out) const {
    out.emplace_back("position", std::to_string(position_));
    out.emplace_back("min", std::to_string(min_));
    out.emplace_back("max", std::to_string(max_));
    Control::Describe(out);
}

void UpDown::SetRange(int min, int max) {
    const int position = std::clamp(position_, min, max);
    if (min == min_ && max == max_ && position == position_)
        return;
    min_ = min;
    max_ = max;
    position_ = position;
    Changed();
}

void UpDown::SetPosition(int p) {
    Assign(position_, std::clamp(p, min_, max_));
}

bool UpDown::UserStep(UpDownArrow arrow) {
    if (!Usable())
        return false;
    int p = position_ + (arrow == UpDownArrow::Next ? 1 : -1);
    if (p < min_ || p > max_)
        return true;  // reached, but the position cannot move
    position_ = p;
    Changed();
    if (OnClick)
        OnClick(arrow);
    return true;
}

void UpDown::Describe(PropertyList& out) const {
    out.emplace_back("position", std::to_string(position_));
    Control::Describe(out);
}

}  // namespace ktq
