#include "ui/Controls.h"

#include <algorithm>

namespace ktq {
namespace {
const char* Bool(bool b) {
    return b ? "true" : "false";
}
constexpr int kMemoLinePixels = 15;
}  // namespace

void Label::SetText(const Text& t) {
    if (t == text_)
        return;
    text_ = t;
    Changed();
}

void Label::Describe(PropertyList& out) const {
    out.emplace_back("text", text_);
    Control::Describe(out);
}

void Button::SetText(const Text& t) {
    if (t == text_)
        return;
    text_ = t;
    Changed();
}

bool Button::UserClick() {
    if (!Usable())
        return false;
    if (OnClick)
        OnClick();
    return true;
}

void Button::Describe(PropertyList& out) const {
    out.emplace_back("text", text_);
    Control::Describe(out);
}

void CheckBox::SetText(const Text& t) {
    text_ = t;
    Changed();
}

void CheckBox::SetChecked(bool c) {
    if (c == checked_)
        return;
    checked_ = c;
    Changed();
    if (OnClick)
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
    out.emplace_back("checked", Bool(checked_));
    Control::Describe(out);
}

void Edit::SetText(const Text& t) {
    if (t == text_)
        return;
    text_ = t;
    Changed();
    if (OnChange)
        OnChange();
}

bool Edit::UserType(const Text& t) {
    if (!Usable())
        return false;
    SetText(t);
    return true;
}

void Edit::Describe(PropertyList& out) const {
    out.emplace_back("text", text_);
    Control::Describe(out);
}

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

bool Memo::UserClick(int position) {
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
    return UserClick(LineIndex(std::max(0, line)));
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

bool Memo::UserType(const Text& text, std::optional<int> caret) {
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

void Memo::Describe(PropertyList& out) const {
    out.emplace_back("lines", JoinLines(lines_, "\\n"));
    out.emplace_back("linecount", std::to_string(lines_.size()));
    out.emplace_back("selstart", std::to_string(selStart_));
    out.emplace_back("topline", std::to_string(topLine_));
    Control::Describe(out);
}

void ComboBox::SetText(const Text& t) {
    if (t == text_)
        return;
    text_ = t;
    Changed();
}

void ComboBox::AddItem(const Text& item) {
    items_.push_back(item);
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
    items_.clear();
    text_.clear();
    Changed();
}

bool ComboBox::UserType(const Text& t) {
    if (!Usable())
        return false;
    text_ = t;
    Changed();
    if (OnChange)
        OnChange();
    return true;
}

bool ComboBox::UserPick(int index) {
    if (index < 0 || index >= static_cast<int>(items_.size()))
        return false;
    return UserType(items_[static_cast<std::size_t>(index)]);
}

void ComboBox::Describe(PropertyList& out) const {
    out.emplace_back("text", text_);
    out.emplace_back("items", JoinLines(items_, "\\n"));
    out.emplace_back("itemcount", std::to_string(items_.size()));
    Control::Describe(out);
}

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

void TrackBar::SetRange(int min, int max) {
    min_ = min;
    max_ = max;
    position_ = std::clamp(position_, min_, max_);
}

void TrackBar::SetPosition(int p) {
    p = std::clamp(p, min_, max_);
    if (p == position_)
        return;
    position_ = p;
    Changed();
    if (OnChange)
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
    min_ = min;
    max_ = max;
    position_ = std::clamp(position_, min_, max_);
}

void UpDown::SetPosition(int p) {
    position_ = std::clamp(p, min_, max_);
}

bool UpDown::UserClick(UpDownArrow arrow) {
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

void Image::SetPicture(const Text& file, int width, int height) {
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

void Timer::Tick() {
    if (Enabled() && OnTimer)
        OnTimer();
}

void Timer::Describe(PropertyList& out) const {
    out.emplace_back("interval", std::to_string(interval_));
    out.emplace_back("enabled", Enabled() ? "true" : "false");
}

void Form::SetCaption(const Text& c) {
    if (c == caption_)
        return;
    caption_ = c;
    Changed();
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
