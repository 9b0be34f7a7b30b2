// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Memo.h"

#include <algorithm>

namespace ktq {
namespace {
// The height of a line in the designed font, for what fits in the box.
constexpr int kMemoLinePixels = 15;
}  // namespace

Text Memo::GetText() const {
    return JoinLines(lines_, "\r\n");
}

void Memo::Clear() {
    if (lines_.empty() && selStart_ == 0 && selLength_ == 0 && topLine_ == 0)
        return;
    lines_.clear();
    selStart_ = selLength_ = topLine_ = 0;
    Changed();
}

void Memo::AppendLine(const Text& line) {
    LineList parts = SplitLines(line);
    if (parts.empty())
        parts.emplace_back();
    lines_.insert(lines_.end(), parts.begin(), parts.end());
    if (followsAppends_)
        ShowLastLine();
    Changed();
    if (OnChange)
        OnChange();
}

void Memo::SetLines(const LineList& lines) {
    lines_ = lines;
    selStart_ = selLength_ = topLine_ = 0;
    Changed();
    if (OnChange)
        OnChange();
}

int Memo::LineIndex(int line) const {
    int index = 0;
    int n = std::min<int>(line, LineCount());
    for (int i = 0; i < n; ++i) index += static_cast<int>(lines_[i].size()) + 2;
    return index;
}

int Memo::CaretLine() const {
    int index = 0;
    for (int i = 0; i < LineCount(); ++i) {
        int next = index + static_cast<int>(lines_[i].size()) + 2;
        if (selStart_ < next)
            return i;
        index = next;
    }
    return LineCount();
}

void Memo::SetSelection(int start, int length) {
    // Every line ends with CR LF, so the caret can stand on the empty line
    // below the last one.
    int total = LineIndex(LineCount());
    start = std::clamp(start, 0, total);
    length = std::clamp(length, 0, total - start);
    if (start == selStart_ && length == selLength_)
        return;
    selStart_ = start;
    selLength_ = length;
    Changed();
}

Text Memo::SelectedText() const {
    Text all;
    for (const Text& l : lines_) all += l + "\r\n";
    return all.substr(static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selLength_));
}

void Memo::ScrollCaret() {
    int line = CaretLine();
    int visibleLines = std::max(1, Height() / kMemoLinePixels);
    int top = topLine_;
    if (line < top)
        top = line;
    if (line >= top + visibleLines)
        top = line - visibleLines + 1;
    if (top == topLine_)
        return;
    topLine_ = top;
    Changed();
}

void Memo::ShowLastLine() {
    const int visibleLines = std::max(1, Height() / kMemoLinePixels);
    topLine_ = std::max(topLine_, LineCount() - visibleLines);
}

void Memo::SetReadOnly(bool r) {
    Assign(readOnly_, r);
}

void Memo::SetFollowsAppends(bool f) {
    Assign(followsAppends_, f);
}

bool Memo::UserClickAt(int position) {
    if (!Usable())
        return false;
    if (OnMouseDown)
        OnMouseDown(MouseButton::Left);
    SetSelection(position, 0);
    if (OnClick)
        OnClick();
    return true;
}

bool Memo::UserClickLine(int line) {
    return UserClickAt(LineIndex(std::max(0, line)));
}

bool Memo::UserClick() {
    return UserMouseDown(MouseButton::Left);
}

bool Memo::UserMouseDown(MouseButton b) {
    if (!Usable())
        return false;
    if (OnMouseDown)
        OnMouseDown(b);
    return true;
}

bool Memo::UserMouseMove() {
    if (!Showing())
        return false;
    if (OnMouseMove)
        OnMouseMove();
    return true;
}

bool Memo::UserTypeWithCaret(const Text& text, std::optional<int> caret) {
    if (!Usable() || readOnly_)
        return false;
    lines_ = SplitLines(text);
    // A caret left past the new text would select nothing that exists.
    selStart_ =
        std::clamp(caret.value_or(static_cast<int>(GetText().size())), 0, LineIndex(LineCount()));
    selLength_ = 0;
    Changed();
    if (OnChange)
        OnChange();
    return true;
}

bool Memo::UserType(const Text& text) {
    return UserTypeWithCaret(text, std::nullopt);
}

void Memo::Describe(PropertyList& out) const {
    out.emplace_back("lines", JoinLines(lines_, "\\n"));
    out.emplace_back("linecount", std::to_string(lines_.size()));
    out.emplace_back("selstart", std::to_string(selStart_));
    out.emplace_back("topline", std::to_string(topLine_));
    Control::Describe(out);
}

}  // namespace ktq
