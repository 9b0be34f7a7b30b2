// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/RangeControls.h"

#include <algorithm>

namespace ktq {

BoundedPosition BoundedPosition::WithLimits(int lo, int hi) const {
    return {lo, hi, std::clamp(position, lo, hi)};
}

BoundedPosition BoundedPosition::At(int p) const {
    return {min, max, std::clamp(p, min, max)};
}

void TrackBar::SetPosition(int p) {
    if (Assign(range_, range_.At(p)) && OnChange)
        OnChange();
}

bool TrackBar::UserSetPosition(int p) {
    if (!Usable())
        return false;
    SetPosition(p);
    return true;
}

void TrackBar::Describe(PropertyList& out) const {
    out.emplace_back("position", std::to_string(range_.position));
    out.emplace_back("min", std::to_string(range_.min));
    out.emplace_back("max", std::to_string(range_.max));
    Control::Describe(out);
}

bool UpDown::UserStep(UpDownArrow arrow) {
    if (!Usable())
        return false;
    const int p = range_.position + (arrow == UpDownArrow::Next ? 1 : -1);
    if (p < range_.min || p > range_.max)
        return true;  // reached, but the position cannot move
    Assign(range_, range_.At(p));
    if (OnClick)
        OnClick(arrow);
    return true;
}

void UpDown::Describe(PropertyList& out) const {
    out.emplace_back("position", std::to_string(range_.position));
    Control::Describe(out);
}

}  // namespace ktq
