#pragma once
// The window of TForm1: a top-level widget holding one widget per control,
// kept in step with the model, and two QTimers driving Timer1 and Timer2.
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "ui/TForm1.h"
#include "ui/qt/ControlView.h"

class QTimer;
class QWidget;

namespace ktq {

class FormWindow;

class Skin : public SkinContext {
  public:
    // The outer size of the model's window includes this nominal frame.
    static constexpr int kFrameWidth = 16;
    static constexpr int kFrameHeight = 38;

    explicit Skin(TForm1& form);
    ~Skin() override;

    QWidget& Window();
    QWidget* WidgetOf(const Control& control) const;
    QTimer* TimerOf(const Timer& timer) const;
    // Brings every widget whose control changed up to date. Changes made
    // outside user input are also flushed from the event loop.
    void Flush();
    void UserInput(const std::function<void()>& action) override;
    FileSystem& Files() override { return form_.Files(); }

  private:
    friend class FormWindow;
    void Build();
    void Changed(Control& control);
    void MirrorForm();
    void MirrorTimer(Timer& timer);
    void UserMovedWindow(int left, int top);
    void UserClosedWindow();

    TForm1& form_;
    std::unique_ptr<FormWindow> window_;
    std::vector<std::unique_ptr<ControlView>> views_;
    std::map<const Control*, ControlView*> viewOf_;
    std::map<const Control*, QTimer*> timerOf_;
    std::set<const Control*> dirty_;
    bool flushQueued_ = false;
    bool flushing_ = false;
    int shownLeft_ = -1, shownTop_ = -1;
    const Control* shownFocus_ = nullptr;
};

}  // namespace ktq
