// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The list box, panels, the picture and the timers.
#include "ui/Control.h"
#include "ui/ControlVisitor.h"
#include "ui/Handlers.h"

namespace ktq {

class ListBox : public Control {
  public:
    using Control::Control;
    const char* Kind() const override { return "listbox"; }
    void Accept(ControlVisitor& v) override { v.Visit(*this); }
    const LineList& Items() const { return items_; }
    LineList& MutableItems() { return items_; }
    void AddItem(const Text& item);
    void Clear();
    void Describe(PropertyList& out) const override;

  private:
    LineList items_;
};

class Panel : public Control {
  public:
    using Control::Control;
    const char* Kind() const override { return "panel"; }
    void Accept(ControlVisitor& v) override { v.Visit(*this); }
};

class Image : public Control {
  public:
    using Control::Control;
    const char* Kind() const override { return "image"; }
    void Accept(ControlVisitor& v) override { v.Visit(*this); }
    // The picture is a file; the skin decodes and shows it stretched.
    const Text& PictureFile() const { return pictureFile_; }
    void SetPicture(const Text& file, int width, int height);
    int PictureWidth() const { return pictureWidth_; }
    int PictureHeight() const { return pictureHeight_; }
    Handler OnClick;
    bool TakesClick() const override { return true; }
    bool UserClick() override;
    void Describe(PropertyList& out) const override;

  private:
    Text pictureFile_;
    int pictureWidth_ = 0, pictureHeight_ = 0;
};

class Timer : public Control {
  public:
    using Control::Control;
    const char* Kind() const override { return "timer"; }
    void Accept(ControlVisitor& v) override { v.Visit(*this); }
    int Interval() const { return interval_; }
    void SetInterval(int ms);
    Handler OnTimer;
    // One tick; runs the handler only while the timer is enabled.
    void Tick();
    void Describe(PropertyList& out) const override;

  private:
    int interval_ = 1000;
};

}  // namespace ktq
