// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PlainControls.h"

namespace ktq {

void ListBox::AddItem(const Text& item) {
    items_.push_back(item);
    Changed();
}

void ListBox::Clear() {
    items_.clear();
    Changed();
}

void ListBox::Describe(PropertyList& out) const {
    out.emplace_back("items", JoinLines(items_, "\\n"));
    out.emplace_back("itemcount", std::to_string(items_.size()));
    Control::Describe(out);
}

void Image::SetPicture(const Text& file, int width, int height) {
    if (file == pictureFile_ && width == pictureWidth_ && height == pictureHeight_)
        return;
    pictureFile_ = file;
    pictureWidth_ = width;
    pictureHeight_ = height;
    Changed();
}

bool Image::UserClick() {
    if (!Usable())
        return false;
    if (OnClick)
        OnClick();
    return true;
}

void Image::Describe(PropertyList& out) const {
    out.emplace_back("picture", pictureFile_);
    out.emplace_back("picturewidth", std::to_string(pictureWidth_));
    out.emplace_back("pictureheight", std::to_string(pictureHeight_));
    Control::Describe(out);
}

void Timer::SetInterval(int ms) {
    Assign(interval_, ms);
}

void Timer::Tick() {
    if (Enabled() && OnTimer)
        OnTimer();
}

void Timer::Describe(PropertyList& out) const {
    out.emplace_back("interval", std::to_string(interval_));
    out.emplace_back("enabled", Enabled() ? "true" : "false");
}

}  // namespace ktq
