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

class Control {
  public:
    Control(std::string name, Control* parent);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    Control* Parent() const { return parent_; }
    virtual const char* Kind() const = 0;

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
    void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible itself and inside visible parents: what a user can see.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    bool Usable() const;

    const Text& Hint() const { return hint_; }
    void SetHint(Text hint);
    // The hint shown: the control's own, else the nearest parent's.
    Text EffectiveHint() const;

    const Font& GetFont() const { return font_; }
    void SetFont(const Font& f);
    void SetFontColor(Color c);
    void SetFontBold(bool b);
    void SetFontSize(int points);
    void SetFontName(const Text& name);
    Color GetColor() const { return color_; }
    void SetColor(Color c);

    // Repainting at once is the skin's business: every change is mirrored.
    void Repaint() {}

    // One observer, the skin: told after every change of the control.
    void SetObserver(std::function<void(Control&)> observer) { observer_ = std::move(observer); }

    virtual void Describe(PropertyList& out) const;

  protected:
    void Changed();

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
};

}  // namespace ktq
