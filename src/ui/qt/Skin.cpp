#include "ui/qt/Skin.h"

#include <QCloseEvent>
#include <QMoveEvent>
#include <QTimer>
#include <QWidget>

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
        if (!mirroring && isVisible())
            skin_.UserMovedWindow(x(), y());
    }

  private:
    Skin& skin_;
};

Skin::Skin(TForm1& form) : form_(form), window_(std::make_unique<FormWindow>(*this)) {
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
    for (Control* c : form_.AllControls()) {
        if (auto* t = dynamic_cast<Timer*>(c)) {
            auto* qt = new QTimer(window_.get());
            QObject::connect(qt, &QTimer::timeout, [this, t] { UserInput([t] { t->Tick(); }); });
            timerOf_[t] = qt;
            MirrorTimer(*t);
        } else {
            QWidget* parent = c->Parent() ? WidgetOf(*c->Parent()) : window_.get();
            std::unique_ptr<ControlView> view = MakeView(*c, parent, *this);
            if (!view)
                continue;
            viewOf_[c] = view.get();
            views_.push_back(std::move(view));
        }
        c->SetObserver([this](Control& changed) { Changed(changed); });
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
            for (Control* c : form_.AllControls()) {
                if (!batch.count(c))
                    continue;
                if (auto* t = dynamic_cast<Timer*>(c))
                    MirrorTimer(*t);
                else if (auto it = viewOf_.find(c); it != viewOf_.end())
                    it->second->Mirror();
            }
        }
    });
    dirty_.clear();
    flushing_ = false;
}

void Skin::UserInput(const std::function<void()>& action) {
    form_.RunGuarded(action);
    Flush();
}

void Skin::MirrorForm() {
    FormWindow& w = *window_;
    w.mirroring = true;
    const QString title = ToQString(form_.Caption());
    if (w.windowTitle() != title)
        w.setWindowTitle(title);
    // The window is not resizable by dragging; the program sets its height.
    const QSize client(form_.Width() - kFrameWidth, form_.Height() - kFrameHeight);
    if (w.minimumSize() != client || w.maximumSize() != client)
        w.setFixedSize(client);
    if (form_.Left() != shownLeft_ || form_.Top() != shownTop_) {
        shownLeft_ = form_.Left();
        shownTop_ = form_.Top();
        w.move(shownLeft_, shownTop_);
    }
    const QString tip = ToQString(form_.Hint());
    if (w.toolTip() != tip)
        w.setToolTip(tip);
    ApplyLook(w, form_, QPalette::Window, true);
    if (form_.Focused() != shownFocus_) {
        shownFocus_ = form_.Focused();
        if (QWidget* focus = shownFocus_ ? WidgetOf(*shownFocus_) : nullptr)
            focus->setFocus(Qt::OtherFocusReason);
    }
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
