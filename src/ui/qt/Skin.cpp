// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/Skin.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QMoveEvent>
#include <QShowEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "ui/qt/AnswerBoxSupport.h"
#include "ui/qt/ControlTexts.h"
#include "ui/qt/QtLook.h"

namespace ktq {

class FormWindow : public QWidget {
  public:
    explicit FormWindow(Skin& skin) : skin_(skin) {}
    bool mirroring = false;

  protected:
    void closeEvent(QCloseEvent* e) override {
        skin_.UserClosedWindow();
        e->accept();
    }
    void moveEvent(QMoveEvent* e) override {
        QWidget::moveEvent(e);
        // The window system tells its frame late, when it has placed the window.
        skin_.FitClientArea();
        if (!mirroring && isVisible())
            skin_.UserMovedWindow(x(), y());
    }
    void showEvent(QShowEvent* e) override {
        QWidget::showEvent(e);
        skin_.FitClientArea();
    }

  private:
    Skin& skin_;
};

Skin::Skin(TForm1& form)
    : form_(form),
      window_(std::make_unique<FormWindow>(*this)),
      accessibility_([](QAccessibleEvent* e) { QAccessible::updateAccessibility(e); }) {
    Build();
}

Skin::~Skin() {
    form_.SetObserver(nullptr);
    for (Control* c : form_.AllControls()) c->SetObserver(nullptr);
    // The widgets belong to the window; the views only point at them.
    window_.reset();
}

QWidget& Skin::Window() {
    return *window_;
}

QWidget* Skin::WidgetOf(const Control& control) const {
    if (&control == &form_)
        return window_.get();
    auto it = viewOf_.find(&control);
    return it == viewOf_.end() ? nullptr : it->second->Widget();
}

QTimer* Skin::TimerOf(const Timer& timer) const {
    auto it = timerOf_.find(&timer);
    return it == timerOf_.end() ? nullptr : it->second;
}

void Skin::Build() {
    window_->setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    for (Timer* t : Timers()) {
        auto* qt = new QTimer(window_.get());
        QObject::connect(qt, &QTimer::timeout, [this, t] { UserInput([t] { t->Tick(); }); });
        timerOf_[t] = qt;
        MirrorTimer(*t);
    }
    for (Control* c : form_.AllControls()) {
        c->SetObserver([this](Control& changed) { Changed(changed); });
        QWidget* parent = c->Parent() ? WidgetOf(*c->Parent()) : window_.get();
        // Every kind but the timers has a view.
        if (std::unique_ptr<ControlView> view = MakeView(*c, parent, *this)) {
            viewOf_[c] = view.get();
            views_.push_back(std::move(view));
        }
    }
    form_.SetObserver([this](Control& changed) { Changed(changed); });

    for (Control* c : form_.StackingOrder()) {
        if (QWidget* w = WidgetOf(*c))
            w->raise();
    }
    QWidget* previous = nullptr;
    for (Control* c : form_.TabOrder()) {
        QWidget* w = WidgetOf(*c);
        if (!w || (w->focusPolicy() == Qt::NoFocus && !w->focusProxy()))
            continue;
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
    for (auto& view : views_) view->Mirror();
    MirrorForm();
    FitClientArea();
    InstallAnswerKeys(*window_, form_, *this);
}

void Skin::Changed(Control& control) {
    dirty_.insert(&control);
    if (flushQueued_)
        return;
    flushQueued_ = true;
    QTimer::singleShot(0, window_.get(), [this] { Flush(); });
}

void Skin::Flush() {
    if (flushing_)
        return;  // a message box shown while mirroring runs the event loop
    flushing_ = true;
    flushQueued_ = false;
    form_.RunGuarded([this] {
        while (!dirty_.empty()) {
            std::set<const Control*> batch;
            batch.swap(dirty_);
            if (batch.count(&form_))
                MirrorForm();
            // Creation order: a parent before its children.
            for (Timer* t : Timers()) {
                if (batch.count(t))
                    MirrorTimer(*t);
            }
            for (Control* c : form_.AllControls()) {
                if (!batch.count(c))
                    continue;
                if (auto it = viewOf_.find(c); it != viewOf_.end())
                    it->second->Mirror();
            }
            // With every widget in place: the window around them, then the focus.
            FitClientArea();
            ShowFocusRequest();
            AnnounceFeedback(form_, *this, accessibility_);
        }
    });
    dirty_.clear();
    flushing_ = false;
}

void Skin::UserInput(const std::function<void()>& action) {
    form_.RunGuarded(action);
    Flush();
}

void Skin::UserTyping(const std::function<void()>& action) {
    typing_ = true;
    UserInput(action);
    typing_ = false;
}

void Skin::UseWindowFrame(std::optional<QMargins> frame) {
    frame_ = frame;
    FitClientArea();
}

QMargins Skin::WindowFrame() const {
    if (frame_)
        return *frame_;
    const QWindow* handle = window_->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

void Skin::FitClientArea() {
    FormWindow& w = *window_;
    const QMargins frame = WindowFrame();
    QSize client(form_.Width() - frame.left() - frame.right(),
                 form_.Height() - frame.top() - frame.bottom());
    // A frame thicker than the layout leaves room for must not cut off what
    // is shown: the window grows around it instead.
    for (Control* c : form_.AllControls()) {
        QWidget* widget = c->Parent() == &form_ ? WidgetOf(*c) : nullptr;
        if (widget && c->Showing() && !widget->size().isEmpty() && !ShowsNothing(*c))
            client = client.expandedTo(
                QSize(widget->geometry().right() + 1, widget->geometry().bottom() + 1));
    }
    // The window is not resizable by dragging; the program sets its height.
    if (w.minimumSize() != client || w.maximumSize() != client) {
        w.mirroring = true;
        w.setFixedSize(client);
        w.mirroring = false;
    }
}

void Skin::ShowFocusRequest() {
    if (form_.FocusRequests() == shownFocusRequests_)
        return;
    shownFocusRequests_ = form_.FocusRequests();
    if (typing_ || form_.Focused() == nullptr)
        return;
    // Focus on a control lying past the window's edge would swallow the keys.
    QWidget* focus = WidgetOf(*form_.Focused());
    if (focus && focus->isVisible() && !focus->visibleRegion().isEmpty())
        focus->setFocus(Qt::OtherFocusReason);
}

void Skin::MirrorForm() {
    FormWindow& w = *window_;
    w.mirroring = true;
    const QString title = ToQString(form_.Caption());
    if (w.windowTitle() != title)
        w.setWindowTitle(title);
    if (form_.Left() != shownLeft_ || form_.Top() != shownTop_) {
        shownLeft_ = form_.Left();
        shownTop_ = form_.Top();
        w.move(shownLeft_, shownTop_);
    }
    const QString tip = ToQString(form_.Hint());
    if (w.toolTip() != tip)
        w.setToolTip(tip);
    ApplyLook(w, form_, QPalette::Window, true);
    w.mirroring = false;
}

void Skin::MirrorTimer(Timer& timer) {
    QTimer* qt = timerOf_.at(&timer);
    if (qt->interval() != timer.Interval())
        qt->setInterval(timer.Interval());
    if (timer.Enabled() && !qt->isActive())
        qt->start();
    if (!timer.Enabled() && qt->isActive())
        qt->stop();
}

void Skin::UserMovedWindow(int left, int top) {
    shownLeft_ = left;
    shownTop_ = top;
    form_.SetBounds(left, top, form_.Width(), form_.Height());
}

void Skin::UserClosedWindow() {
    UserInput([this] { form_.FormClose(); });
}

}  // namespace ktq
