// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Multi-line boxes. A line appended runs the change handler; clearing runs
// none. Caret and selection are character indexes into the text whose lines
// are joined by CR LF.
#include <optional>

#include "ui/Control.h"
#include "ui/ControlVisitor.h"
#include "ui/Handlers.h"

namespace ktq {

class Memo : public Control {
  public:
    using Control::Control;
    const char* Kind() const override { return "memo"; }
    void Accept(ControlVisitor& v) override { v.Visit(*this); }
    const LineList& Lines() const { return lines_; }
    int LineCount() const { return static_cast<int>(lines_.size()); }
    Text GetText() const;
    void Clear();
    // A text holding line breaks becomes several lines; runs the change handler.
    void AppendLine(const Text& line);
    // Replaces all lines at once, as loading from a file does.
    void SetLines(const LineList& lines);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool r);

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
    void SetFollowsAppends(bool f);

    Handler OnChange;
    Handler OnClick;
    MouseHandler OnMouseDown;
    Handler OnMouseMove;
    // A click that puts the caret at character index `position`, held within
    // the text (past the end is the empty line below the last one).
    bool UserClickAt(int position);
    // A click at the start of line `line` (0-based).
    bool UserClickLine(int line);
    // A click as the driver gives it: the left button pressed on the box.
    bool TakesClick() const override { return true; }
    bool UserClick() override;
    bool TakesPointer() const override { return true; }
    bool UserMouseDown(MouseButton b) override;
    bool UserMouseMove() override;
    // The user replaced the whole text by typing; the caret stands where the
    // typing left it, `caret`, or at the end of the text.
    bool TakesTyping() const override { return true; }
    bool UserType(const Text& text) override;
    bool UserTypeWithCaret(const Text& text, std::optional<int> caret);
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
    void Accept(ControlVisitor& v) override { v.Visit(*this); }
};

}  // namespace ktq
