// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Control.h"

#include <cstdio>

namespace ktq {

std::string ColorText(Color c) {
    switch (c) {
        case kClWindow:
            return "clWindow";
        case kClWindowText:
            return "clWindowText";
        case kClBtnFace:
            return "clBtnFace";
        default:
            break;
    }
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%06X", static_cast<unsigned>(c));
    return buf;
}

Control::Control(std::string name, Control* parent) : name_(std::move(name)), parent_(parent) {
    Control* window = parent;
    while (window != nullptr && window->parent_ != nullptr) window = window->parent_;
    if (window != nullptr)
        window->members_.push_back(this);
}

void Control::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Changed();
}

bool Control::Showing() const {
    for (const Control* c = this; c != nullptr; c = c->parent_) {
        if (!c->visible_)
            return false;
    }
    return true;
}

bool Control::Usable() const {
    for (const Control* c = this; c != nullptr; c = c->parent_) {
        if (!c->visible_ || !c->enabled_)
            return false;
    }
    return true;
}

Text Control::EffectiveHint() const {
    for (const Control* c = this; c != nullptr; c = c->parent_) {
        if (!c->hint_.empty())
            return c->hint_;
    }
    return Text();
}

void Control::SetFontColor(Color c) {
    Font f = font_;
    f.color = c;
    SetFont(f);
}

void Control::SetFontBold(bool b) {
    Font f = font_;
    f.bold = b;
    SetFont(f);
}

void Control::SetFontSize(int points) {
    Font f = font_;
    f.size = points;
    f.pixelHeight = 0;
    SetFont(f);
}

void Control::SetFontName(const Text& name) {
    Font f = font_;
    f.name = name;
    SetFont(f);
}

void Control::Changed() {
    if (observer_)
        observer_(*this);
}

void Control::Describe(PropertyList& out) const {
    out.emplace_back("kind", Kind());
    out.emplace_back("left", std::to_string(left_));
    out.emplace_back("top", std::to_string(top_));
    out.emplace_back("width", std::to_string(width_));
    out.emplace_back("height", std::to_string(height_));
    out.emplace_back("visible", visible_ ? "true" : "false");
    out.emplace_back("enabled", enabled_ ? "true" : "false");
    out.emplace_back("hint", hint_);
    out.emplace_back("color", ColorText(color_));
    out.emplace_back("fontname", font_.name);
    out.emplace_back("fontsize", std::to_string(font_.size));
    out.emplace_back("bold", font_.bold ? "true" : "false");
    out.emplace_back("italic", font_.italic ? "true" : "false");
    out.emplace_back("fontcolor", ColorText(font_.color));
}

}  // namespace ktq
