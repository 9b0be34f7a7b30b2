// SPDX-License-Identifier: GPL-3.0-or-later
// Track bars and up-down controls.
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>

#include "ui/qt/EventHook.h"
#include "ui/qt/LabelClearSlider.h"
#include "ui/qt/QtLook.h"
#include "ui/qt/Views.h"
#include "ui/qt/WidgetDesign.h"

namespace ktq {
namespace {

class TrackBarView : public ControlView {
  public:
    TrackBarView(TrackBar& c, QWidget* parent, SkinContext& skin)
        : ControlView(c, skin), slider_(new LabelClearSlider(Qt::Horizontal, parent)), model_(c) {
        slider_->setTickPosition(QSlider::TicksBelow);
        slider_->setTickInterval(1);
        slider_->setPageStep(1);
        if (DesignOf(c.Name()).arrowPointer)
            slider_->setCursor(Qt::ArrowCursor);
        // Signals are blocked while mirroring, so every change here is the user's.
        QObject::connect(slider_, &QSlider::valueChanged,
                         [this](int v) { Input([&] { model_.UserSetPosition(v); }); });
    }
    QWidget* Widget() const override { return slider_; }

  protected:
    void MirrorContent() override {
        if (slider_->minimum() != model_.Min() || slider_->maximum() != model_.Max())
            slider_->setRange(model_.Min(), model_.Max());
        if (slider_->value() != model_.Position())
            slider_->setValue(model_.Position());
    }
    QPalette::ColorRole BackgroundRole() const override { return QPalette::Window; }

  private:
    QSlider* slider_;
    TrackBar& model_;
};

class UpDownView : public ControlView {
  public:
    UpDownView(UpDown& c, QWidget* parent, SkinContext& skin)
        : ControlView(c, skin), frame_(new QWidget(parent)), model_(c) {
        auto* layout = new QHBoxLayout(frame_);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        previous_ = Arrow(Qt::LeftArrow, UpDownArrow::Previous);
        next_ = Arrow(Qt::RightArrow, UpDownArrow::Next);
        layout->addWidget(previous_);
        layout->addWidget(next_);
        // Each arrow is a Tab stop of its own (the frame is none: Qt would
        // send Tab through a frame's focus proxy a second time); the arrow
        // keys step from either.
    }
    QWidget* Widget() const override { return frame_; }
    std::vector<QWidget*> TabStops() const override { return {previous_, next_}; }
    QToolButton* Button(UpDownArrow a) const { return a == UpDownArrow::Next ? next_ : previous_; }

  protected:
    void MirrorContent() override {
        const QString hint = ToQString(model_.Hint());
        for (QToolButton* b : {previous_, next_}) {
            if (b->accessibleDescription() != hint)
                b->setAccessibleDescription(hint);
        }
    }
    QPalette::ColorRole BackgroundRole() const override { return QPalette::Button; }

  private:
    bool StepKey(QEvent* e) {
        if (e->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key != Qt::Key_Left && key != Qt::Key_Right)
            return false;
        const UpDownArrow arrow = key == Qt::Key_Right ? UpDownArrow::Next : UpDownArrow::Previous;
        Input([&] { model_.UserStep(arrow); });
        return true;
    }

    QToolButton* Arrow(Qt::ArrowType type, UpDownArrow arrow) {
        auto* b = new QToolButton(frame_);
        b->setArrowType(type);
        b->setAutoRepeat(true);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        b->setObjectName(arrow == UpDownArrow::Next ? "next" : "previous");
        b->setAccessibleName(arrow == UpDownArrow::Next ? "Next question" : "Previous question");
        b->setFocusPolicy(Qt::StrongFocus);
        new EventHook(b, [this](QEvent* e) { return StepKey(e); });
        QObject::connect(b, &QToolButton::clicked,
                         [this, arrow] { Input([&] { model_.UserStep(arrow); }); });
        return b;
    }

    QWidget* frame_;
    UpDown& model_;
    QToolButton* previous_ = nullptr;
    QToolButton* next_ = nullptr;
};

}  // namespace

std::unique_ptr<ControlView> MakeRangeViews(Control& c, QWidget* parent, SkinContext& skin) {
    if (auto view = ViewIf<TrackBarView, TrackBar>(c, parent, skin))
        return view;
    return ViewIf<UpDownView, UpDown>(c, parent, skin);
}

}  // namespace ktq
