// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form.h"

#include <algorithm>

namespace ktq {

void Form::SetCaption(const Text& c) {
    Assign(caption_, c);
}

void Form::SetConstraints(int minWidth, int maxWidth, int minHeight, int maxHeight) {
    minWidth_ = minWidth;
    maxWidth_ = maxWidth;
    minHeight_ = minHeight;
    maxHeight_ = maxHeight;
    SetBounds(Left(), Top(), Width(), Height());
}

void Form::SetMaxHeightConstraint(int maxHeight) {
    maxHeight_ = maxHeight;
    SetBounds(Left(), Top(), Width(), Height());
}

void Form::SetBounds(int left, int top, int width, int height) {
    // A limit of 0 means no limit, as in the original window system.
    if (maxWidth_ > 0)
        width = std::min(width, maxWidth_);
    if (minWidth_ > 0)
        width = std::max(width, minWidth_);
    if (maxHeight_ > 0)
        height = std::min(height, maxHeight_);
    if (minHeight_ > 0)
        height = std::max(height, minHeight_);
    bool resized = width != Width() || height != Height();
    Control::SetBounds(left, top, width, height);
    if (resized && OnResize)
        OnResize();
}

void Form::SetFocus(Control* c) {
    if (c != nullptr && (!c->Usable() || c->Width() <= 0 || c->Height() <= 0))
        return;
    focused_ = c;
    ++focusRequests_;
    Changed();
}

void Form::Describe(PropertyList& out) const {
    out.emplace_back("caption", caption_);
    out.emplace_back("text", caption_);
    out.emplace_back("minheight", std::to_string(minHeight_));
    out.emplace_back("maxheight", std::to_string(maxHeight_));
    out.emplace_back("focused", focused_ ? focused_->Name() : "");
    Control::Describe(out);
}

}  // namespace ktq
