// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The kinds of control, for code that must treat them differently (the
// skin's views, the driver's printing). Each member hands on to the member of
// the kind it is a case of, so a visitor overrides only what it cares about.
namespace ktq {

class Control;
class TextControl;
class Label;
class Button;
class CheckBox;
class Edit;
class ComboBox;
class Memo;
class RichEdit;
class ListBox;
class TrackBar;
class UpDown;
class Panel;
class Image;
class Timer;
class Form;

class ControlVisitor {
  public:
    virtual ~ControlVisitor() = default;
    virtual void VisitControl(Control&) {}
    virtual void VisitTextControl(TextControl& c);
    virtual void Visit(Label& c);
    virtual void Visit(Button& c);
    virtual void Visit(CheckBox& c);
    virtual void Visit(Edit& c);
    virtual void Visit(ComboBox& c);
    virtual void Visit(Memo& c);
    virtual void Visit(RichEdit& c);
    virtual void Visit(ListBox& c);
    virtual void Visit(TrackBar& c);
    virtual void Visit(UpDown& c);
    virtual void Visit(Panel& c);
    virtual void Visit(Image& c);
    virtual void Visit(Timer& c);
    virtual void Visit(Form& c);
};

}  // namespace ktq
