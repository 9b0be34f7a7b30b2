// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TextControls.h"

#include <algorithm>

namespace ktq {

void TextControl::Describe(PropertyList& out) const {
    out.emplace_back("text", text_);
    Control::Describe(out);
}

bool Button::UserClick() {
    if (!Usable())
        return false;
    if (OnClick)
        OnClick();
    return true;
}

void CheckBox::SetChecked(bool c) {
    if (Assign(checked_, c) && OnClick)
        OnClick();
}

bool CheckBox::UserClick() {
    if (!Usable())
        return false;
    SetChecked(!checked_);
    return true;
}

void CheckBox::Describe(PropertyList& out) const {
    out.emplace_back("text", text_);
    out.emplace_back("checked", checked_ ? "true" : "false");
    Control::Describe(out);
}

void Edit::SetText(const Text& t) {
    if (Assign(text_, t) && OnChange)
        OnChange();
}

bool Edit::UserType(const Text& t) {
    if (!Usable())
        return false;
    SetText(t);
    return true;
}

void ComboBox::AddItem(const Text& item) {
    items_.push_back(item);
    Changed();
}

void ComboBox::AddItems(LineList items) {
    if (items.empty())
        return;
    if (items_.empty())
        items_ = std::move(items);
    else
        items_.insert(items_.end(), std::make_move_iterator(items.begin()),
                      std::make_move_iterator(items.end()));
    Changed();
}

void ComboBox::DeleteLeadingItems(std::size_t count) {
    count = std::min(count, items_.size());
    if (count == 0)
        return;
    items_.erase(items_.begin(), items_.begin() + static_cast<std::ptrdiff_t>(count));
    Changed();
}

void ComboBox::Clear() {
    pickedIndex_ = -1;
    items_.clear();
    text_.clear();
    Changed();
}

void ComboBox::SetText(const Text& t) {
    pickedIndex_ = -1;
    TextControl::SetText(t);
}

bool ComboBox::UserType(const Text& t) {
    if (!Usable())
        return false;
    pickedIndex_ = -1;
    text_ = t;
    Changed();
    if (OnChange)
        OnChange();
    return true;
}

bool ComboBox::UserPick(int index) {
    if (index < 0 || index >= static_cast<int>(items_.size()) || !Usable())
        return false;
    pickedIndex_ = index;
    text_ = items_[static_cast<std::size_t>(index)];
    Changed();
    if (OnChange)
        OnChange();
    return true;
}

bool ComboBox::UserEnter() {
    if (!Usable())
        return false;
    if (OnEnter)
        OnEnter();
    return true;
}

void ComboBox::Describe(PropertyList& out) const {
    out.emplace_back("text", text_);
    out.emplace_back("items", JoinLines(items_, "\\n"));
    out.emplace_back("itemcount", std::to_string(items_.size()));
    Control::Describe(out);
}

}  // namespace ktq
