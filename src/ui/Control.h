// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The control model: what every control of the window holds, with the
// change-event rules built into the setters once for everybody. Code changes
// go through the setters; a user's input goes through the user* entry points.
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "text/Text.h"

namespace ktq {

// Red in bits 0-7, green 8-15, blue 16-23. The named system colours follow
// the desktop theme; they are kept apart by the high byte.
using Color = std::uint32_t;
constexpr Color kClWindow = 0x80000005;
constexpr Color kClWindowText = 0x80000008;
constexpr Color kClBtnFace = 0x8000000F;
constexpr Color kBlue = 0xFF0000;
constexpr Color kWhite = 0xFFFFFF;
constexpr Color kNavy = 0x800000;
constexpr Color kGreen = 0x008000;
constexpr Color kYellow = 0x00FFFF;
constexpr Color kCream = 0xF0FBFF;

std::string ColorText(Color c);

struct Font {
    Text name = "MS Sans Serif";
    int size = 8;         // points
    int pixelHeight = 0;  // a character cell height in pixels, when designed so
    bool bold = false;
    bool italic = false;
    Color color = kClWindowText;
    friend bool operator==(const Font&, const Font&) = default;
};

enum class MouseButton { Left, Right, Middle };

using PropertyList = std::vector<std::pair<std::string, std::string>>;

class ControlVisitor;

class Control {
  public:
    // A control with a parent registers with the window it belongs to (the
    // top of its parents), in the order the controls are made.
    Control(std::string name, Control* parent);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    Control* Parent() const { return parent_; }
    virtual const char* Kind() const = 0;
    // Hands the control to the visitor's member for its kind.
    virtual void Accept(ControlVisitor& visitor) = 0;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);

    bool Visible() const { return visible_; }
    void SetVisible(bool v) { Assign(visible_, v); }
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible itself and inside visible parents: what a user can see.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) { Assign(enabled_, v); }
    bool Usable() const;

    const Text& Hint() const { return hint_; }
    void SetHint(const Text& hint) { Assign(hint_, hint); }
    // The hint shown: the control's own, else the nearest parent's.
    Text EffectiveHint() const;
    // The caption a user reads on it (labels, buttons, check boxes, the
    // window); empty for the others.
    virtual Text Caption() const { return Text(); }

    const Font& GetFont() const { return font_; }
    void SetFont(const Font& f) { Assign(font_, f); }
    void SetFontColor(Color c);
    void SetFontBold(bool b);
    void SetFontSize(int points);
    void SetFontName(const Text& name);
    Color GetColor() const { return color_; }
    void SetColor(Color c) { Assign(color_, c); }

    // A user's input. A kind that takes no such input refuses it: Takes...()
    // is false and the entry point does nothing. Otherwise the entry point is
    // false when the user cannot reach the control (hidden or disabled).
    virtual bool TakesClick() const { return false; }
    virtual bool UserClick() { return false; }
    virtual bool TakesTyping() const { return false; }
    virtual bool UserType(const Text&) { return false; }
    virtual bool TakesPointer() const { return false; }
    virtual bool UserMouseDown(MouseButton) { return false; }
    virtual bool UserMouseMove() { return false; }

    // Repainting at once is the skin's business: every change is mirrored.
    void Repaint() {}

    // One observer, the skin: told after every change of the control.
    void SetObserver(std::function<void(Control&)> observer) { observer_ = std::move(observer); }

    virtual void Describe(PropertyList& out) const;

  protected:
    // The one way a property changes: the observer hears of every change and
    // of nothing else. True when the value was different.
    template <class T>
    bool Assign(T& field, const T& value) {
        if (field == value)
            return false;
        field = value;
        Changed();
        return true;
    }
    void Changed();
    // The controls registered with this one as their window, in order.
    const std::vector<Control*>& Members() const { return members_; }

  private:
    std::string name_;
    Control* parent_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    Text hint_;
    Font font_;
    Color color_ = kClBtnFace;
    std::function<void(Control&)> observer_;
    std::vector<Control*> members_;
};

}  // namespace ktq
