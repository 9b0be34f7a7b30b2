// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls that hold one text: labels, buttons, check boxes, edit boxes
// and combo boxes. Setting an edit box to a different text runs its change
// handler; a combo box's text set from code runs nothing; a check box set to
// a state it does not have runs its click handler.
#include "ui/Control.h"
#include "ui/ControlVisitor.h"
#include "ui/Handlers.h"

namespace ktq {

class TextControl : public Control {
  public:
    using Control::Control;
    const Text& GetText() const { return text_; }
    virtual void SetText(const Text& t) { Assign(text_, t); }
    void Describe(PropertyList& out) const override;

  protected:
    Text text_;
};

class Label : public TextControl {
  public:
    using TextControl::TextControl;
    const char* Kind() const override { return "label"; }
    void Accept(ControlVisitor& v) override { v.Visit(*this); }
    Text Caption() const override { return text_; }
};

class Button : public TextControl {
  public:
    using TextControl::TextControl;
    const char* Kind() const override { return "button"; }
    void Accept(ControlVisitor& v) override { v.Visit(*this); }
    Text Caption() const override { return text_; }
    Handler OnClick;
    bool TakesClick() const override { return true; }
    bool UserClick() override;
};

class CheckBox : public TextControl {
  public:
    using TextControl::TextControl;
    const char* Kind() const override { return "checkbox"; }
    void Accept(ControlVisitor& v) override { v.Visit(*this); }
    Text Caption() const override { return text_; }
    bool Checked() const { return checked_; }
    void SetChecked(bool c);
    Handler OnClick;
    bool TakesClick() const override { return true; }
    bool UserClick() override;
    void Describe(PropertyList& out) const override;

  private:
    bool checked_ = false;
};

class Edit : public TextControl {
  public:
    using TextControl::TextControl;
    const char* Kind() const override { return "edit"; }
    void Accept(ControlVisitor& v) override { v.Visit(*this); }
    void SetText(const Text& t) override;
    Handler OnChange;
    bool TakesTyping() const override { return true; }
    bool UserType(const Text& t) override;
};

class ComboBox : public TextControl {
  public:
    using TextControl::TextControl;
    const char* Kind() const override { return "combobox"; }
    void Accept(ControlVisitor& v) override { v.Visit(*this); }
    const LineList& Items() const { return items_; }
    void AddItem(const Text& item);
    // Many at once: one change, however many they are.
    void AddItems(LineList items);
    // The first `count` items at once: one change, whatever the count.
    void DeleteLeadingItems(std::size_t count);
    // Empties the items and the text.
    void Clear();
    Handler OnChange;
    // The user typed or picked a text: the change handler runs every time.
    bool TakesTyping() const override { return true; }
    bool UserType(const Text& t) override;
    bool UserPick(int index);
    // Enter pressed in the entry: the text stays as it is.
    bool UserEnter();
    Handler OnEnter;
    // The item the user picked for the text now shown; -1 when it was typed
    // or set otherwise. Items may show the same text.
    int PickedIndex() const { return pickedIndex_; }
    void SetText(const Text& t) override;
    void Describe(PropertyList& out) const override;

  private:
    LineList items_;
    int pickedIndex_ = -1;
};

}  // namespace ktq
