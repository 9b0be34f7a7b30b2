// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/Skin.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QMoveEvent>
#include <QShowEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "ui/qt/AccessibleViews.h"
#include "ui/qt/AnswerBoxSupport.h"
#include "ui/qt/ControlTexts.h"
#include "ui/qt/FigureWindow.h"
#include "ui/qt/ProgressWindow.h"
#include "ui/qt/QtLook.h"
#include "ui/qt/WindowFrameQuery.h"

namespace ktq {

class FormWindow : public QWidget {
  public:
    explicit FormWindow(Skin& skin) : skin_(skin) {}
    bool mirroring = false;

    // The first show waits for the handler that asked for it to end:
    // activation follows it at once and sets the window's height, and the
    // window is then placed and sized once, with its frame, as it is mapped.
    void setVisible(bool visible) override {
        if (!shownOnce_) {
            if (visible && !showPending_)
                QMetaObject::invokeMethod(
                    this, [this] { ShowNow(); }, Qt::QueuedConnection);
            showPending_ = visible;
            return;
        }
        QWidget::setVisible(visible);
    }

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
        // Before the window is mapped: sized with its frame from the start.
        skin_.AskFrameOnFirstShow();
        skin_.FitClientArea();
    }

  private:
    void ShowNow() {
        shownOnce_ = true;
        if (showPending_)
            QWidget::setVisible(true);
    }

    Skin& skin_;
    bool shownOnce_ = false;
    bool showPending_ = false;
};

Skin::Skin(TForm1& form)
    : form_(form),
      window_(std::make_unique<FormWindow>(*this)),
      accessibility_([](QAccessibleEvent* e) { QAccessible::updateAccessibility(e); }) {
    InstallAccessibleViews();
    Build();
    speech_ = std::make_unique<SpeechLine>(*window_);
    form_.OnProgressRequested = [this] {
        if (progress_ == nullptr)
            progress_ = new ProgressWindow(form_, *this, window_.get());
        progress_->Present();
    };
    form_.OnFigureWindowRequested = [this](const Text& file) {
        if (figure_ == nullptr)
            figure_ = new FigureWindow(window_.get());
        figure_->Present(FigurePixmap(Files(), file), ToQString(file));
    };
}

Skin::~Skin() {
    form_.OnProgressRequested = nullptr;
    form_.OnFigureWindowRequested = nullptr;
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
        auto it = viewOf_.find(c);
        if (it == viewOf_.end())
            continue;
        for (QWidget* w : it->second->TabStops()) {
            if (w->focusPolicy() == Qt::NoFocus && !w->focusProxy())
                continue;
            if (previous)
                QWidget::setTabOrder(previous, w);
            previous = w;
        }
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
    Control* focused = ControlOf(QApplication::focusWidget());
    form_.RunGuarded([this, focused] {
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
            // A panel shown shows what it holds: those hidden with it catch up.
            for (auto& view : views_)
                if (view->Stale() && view->Seen())
                    view->Mirror();
            // With every widget in place: the window around them, then the focus.
            FitClientArea();
            MoveFocusOffDisabled(focused);
            ShowFocusRequest();
            ShowFeedbackBeyondColour(form_, *this);
        }
    });
    dirty_.clear();
    flushing_ = false;
    SpeakAnnouncement();
}

void Skin::UserInput(const std::function<void()>& action) {
    form_.RunGuarded(action);
    Flush();
    if (progress_ != nullptr)
        progress_->FollowAnswers();
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
    const QMargins told = handle ? handle->frameMargins() : QMargins();
    return told.isNull() && askedFrame_ ? *askedFrame_ : told;
}

void Skin::AskFrameOnFirstShow() {
    if (frameAsked_ || frame_)
        return;
    frameAsked_ = true;
    askedFrame_ = AskFrameBeforeMapping(*window_);
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

Control* Skin::ControlOf(const QWidget* widget) const {
    for (; widget != nullptr && widget != window_.get(); widget = widget->parentWidget()) {
        for (const auto& [control, view] : viewOf_) {
            if (view->Widget() == widget)
                return const_cast<Control*>(control);
        }
    }
    return nullptr;
}

void Skin::MoveFocusOffDisabled(Control* focused) {
    QWidget* widget = focused ? WidgetOf(*focused) : nullptr;
    if (widget == nullptr || (widget->isEnabled() && widget->isVisible()))
        return;
    // Qt would take the next widget that was enabled before this change was
    // mirrored; the next step of the work is the next control that is now.
    const std::vector<Control*> order = form_.TabOrder();
    auto at = std::find(order.begin(), order.end(), focused);
    if (at == order.end())
        return;
    for (std::size_t step = 1; step < order.size(); ++step) {
        Control* next = order[(static_cast<std::size_t>(at - order.begin()) + step) % order.size()];
        auto view = viewOf_.find(next);
        if (view == viewOf_.end())
            continue;
        for (QWidget* stop : view->second->TabStops()) {
            if (stop->isEnabled() && stop->isVisible() && stop->focusPolicy() != Qt::NoFocus) {
                stop->setFocus(Qt::TabFocusReason);
                return;
            }
        }
    }
}

void Skin::SpeakAnnouncement() {
    if (form_.state.AnnouncementCount == spokenAnnouncements_ || speechPosted_)
        return;
    // Said after every event the window sends for the change, Qt's posted
    // ones too: a busy screen reader skips what is not focused while many
    // events wait behind it, and behind the last of them none wait.
    speechPosted_ = true;
    QMetaObject::invokeMethod(
        window_.get(),
        [this] {
            speechPosted_ = false;
            spokenAnnouncements_ = form_.state.AnnouncementCount;
            speech_->Say(ToQString(form_.state.Announcement), accessibility_);
        },
        Qt::QueuedConnection);
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
    // Where the user puts the window is theirs: it is not brought back.
    form_.Form::SetBounds(left, top, form_.Width(), form_.Height());
}

void Skin::UserClosedWindow() {
    UserInput([this] { form_.FormClose(); });
}

}  // namespace ktq
