#pragma once
// The control kinds of the window. Event rules, for code and user alike:
// an edit box set to a different text runs its change handler; a line
// appended to a multi-line box runs its change handler, clearing runs none;
// a check box set to a state it does not have runs its click handler; a
// track bar moved runs its change handler; a combo box's text set from code
// runs nothing.
#include <functional>
#include <optional>

#include "ui/Control.h"

namespace ktq {

using Handler = std::function<void()>;
using MouseHandler = std::function<void(MouseButton)>;

class Label : public Control {
  public:
    using Control::Control;
    const char* Kind() const override { return "label"; }
    const Text& GetText() const { return text_; }
    void SetText(const Text& t);
    void Describe(PropertyList& out) const override;

  private:
    Text text_;
};

class Button : public Control {
  public:
    using Control::Control;
    const char* Kind() const override { return "button"; }
    const Text& GetText() const { return text_; }
    void SetText(const Text& t);
    Handler OnClick;
    // False when the user could not reach the button (hidden or disabled).
    bool UserClick();
    void Describe(PropertyList& out) const override;

  private:
    Text text_;
};

class CheckBox : public Control {
  public:
    using Control::Control;
    const char* Kind() const override { return "checkbox"; }
    const Text& GetText() const { return text_; }
    void SetText(const Text& t);
    bool Checked() const { return checked_; }
    void SetChecked(bool c);
    Handler OnClick;
    bool UserClick();
    void Describe(PropertyList& out) const override;

  private:
    Text text_;
    bool checked_ = false;
};

class Edit : public Control {
  public:
    using Control::Control;
    const char* Kind() const override { return "edit"; }
    const Text& GetText() const { return text_; }
    void SetText(const Text& t);
    Handler OnChange;
    bool UserType(const Text& t);
    void Describe(PropertyList& out) const override;

  private:
    Text text_;
};

class Memo : public Control {
  public:
    using Control::Control;
    const char* Kind() const override { return "memo"; }
    const LineList& Lines() const { return lines_; }
    int LineCount() const { return static_cast<int>(lines_.size()); }
    Text GetText() const;
    void Clear();
    // A text holding line breaks becomes several lines; runs the change handler.
    void AppendLine(const Text& line);
    // Replaces all lines at once, as loading from a file does.
    void SetLines(const LineList& lines);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool r) { readOnly_ = r; }

    // Caret and selection, as character indexes into the text whose lines
    // are joined by CR LF.
    int LineIndex(int line) const;
    int CaretLine() const;
    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    void SetSelection(int start, int length);
    Text SelectedText() const;
    // Scrolls the caret into view: its line becomes the first one shown.
    void ScrollCaret();
    int TopLine() const { return topLine_; }

    // A box that keeps its newest line in view as lines are appended.
    bool FollowsAppends() const { return followsAppends_; }
    void SetFollowsAppends(bool f) { followsAppends_ = f; }

    Handler OnChange;
    Handler OnClick;
    MouseHandler OnMouseDown;
    Handler OnMouseMove;
    // A click that puts the caret at character index `position`, held within
    // the text (past the end is the empty line below the last one).
    bool UserClick(int position);
    // A click at the start of line `line` (0-based).
    bool UserClickLine(int line);
    bool UserMouseDown(MouseButton b);
    bool UserMouseMove();
    // The user replaced the whole text by typing; the caret stands where the
    // typing left it, `caret`, or at the end of the text.
    bool UserType(const Text& text, std::optional<int> caret = std::nullopt);
    void Describe(PropertyList& out) const override;

  private:
    void ShowLastLine();
    LineList lines_;
    bool readOnly_ = false;
    bool followsAppends_ = false;
    int selStart_ = 0;
    int selLength_ = 0;
    int topLine_ = 0;
};

class RichEdit : public Memo {
  public:
    using Memo::Memo;
    const char* Kind() const override { return "richedit"; }
};

class ComboBox : public Control {
  public:
    using Control::Control;
    const char* Kind() const override { return "combobox"; }
    const Text& GetText() const { return text_; }
    void SetText(const Text& t);
    const LineList& Items() const { return items_; }
    void AddItem(const Text& item);
    // The first `count` items at once: one change, whatever the count.
    void DeleteLeadingItems(std::size_t count);
    // Empties the items and the text.
    void Clear();
    Handler OnChange;
    // The user typed or picked a text: the change handler runs every time.
    bool UserType(const Text& t);
    bool UserPick(int index);
    void Describe(PropertyList& out) const override;

  private:
    Text text_;
    LineList items_;
};

class ListBox : public Control {
  public:
    using Control::Control;
    const char* Kind() const override { return "listbox"; }
    const LineList& Items() const { return items_; }
    LineList& MutableItems() { return items_; }
    void AddItem(const Text& item);
    void Clear();
    void Describe(PropertyList& out) const override;

  private:
    LineList items_;
};

class TrackBar : public Control {
  public:
    using Control::Control;
    const char* Kind() const override { return "trackbar"; }
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
    int Position() const { return position_; }
    void SetRange(int min, int max);
    void SetPosition(int p);
    std::function<void(UpDownArrow)> OnClick;
    // Reaches the handler only when the position moved.
    bool UserClick(UpDownArrow arrow);
    void Describe(PropertyList& out) const override;

  private:
    int min_ = 0, max_ = 100, position_ = 0;
};

class Panel : public Control {
  public:
    using Control::Control;
    const char* Kind() const override { return "panel"; }
};

class Image : public Control {
  public:
    using Control::Control;
    const char* Kind() const override { return "image"; }
    // The picture is a file; the skin decodes and shows it stretched.
    const Text& PictureFile() const { return pictureFile_; }
    void SetPicture(const Text& file, int width, int height);
    int PictureWidth() const { return pictureWidth_; }
    int PictureHeight() const { return pictureHeight_; }
    Handler OnClick;
    bool UserClick();
    void Describe(PropertyList& out) const override;

  private:
    Text pictureFile_;
    int pictureWidth_ = 0, pictureHeight_ = 0;
};

class Timer : public Control {
  public:
    using Control::Control;
    const char* Kind() const override { return "timer"; }
    int Interval() const { return interval_; }
    void SetInterval(int ms) { interval_ = ms; }
    Handler OnTimer;
    // One tick; runs the handler only while the timer is enabled.
    void Tick();
    void Describe(PropertyList& out) const override;

  private:
    int interval_ = 1000;
};

class Form : public Control {
  public:
    using Control::Control;
    const char* Kind() const override { return "form"; }
    const Text& Caption() const { return caption_; }
    void SetCaption(const Text& c);
    void SetConstraints(int minWidth, int maxWidth, int minHeight, int maxHeight);
    int MinHeight() const { return minHeight_; }
    int MaxHeightConstraint() const { return maxHeight_; }
    // A lower maximum shrinks a taller window at once.
    void SetMaxHeightConstraint(int maxHeight);
    // Bounds are held within the size limits; a change of size runs OnResize.
    void SetBounds(int left, int top, int width, int height) override;
    Control* Focused() const { return focused_; }
    // Asks for the keyboard focus on a control; every request counts, also
    // for the control that had it last. A control the user cannot see or
    // reach (hidden, disabled or without size) takes none.
    void SetFocus(Control* c);
    int FocusRequests() const { return focusRequests_; }
    Handler OnResize;
    void Describe(PropertyList& out) const override;

  private:
    Text caption_;
    int minWidth_ = 0, maxWidth_ = 0, minHeight_ = 0, maxHeight_ = 0;
    Control* focused_ = nullptr;
    int focusRequests_ = 0;
};

}  // namespace ktq
