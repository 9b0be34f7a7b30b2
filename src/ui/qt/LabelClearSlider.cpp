// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/LabelClearSlider.h"

#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>

namespace ktq {
namespace {

constexpr int kGap = 2;

}  // namespace

void LabelClearSlider::initStyleOption(QStyleOptionSlider* option) const {
    QSlider::initStyleOption(option);
    if (parentWidget() == nullptr)
        return;
    int left = 0, right = width();
    for (const QObject* child : parentWidget()->children()) {
        const auto* label = qobject_cast<const QLabel*>(child);
        // Laid over the slider, not the caption above that touches its edge.
        if (label == nullptr || label->isHidden() ||
            !geometry().contains(label->geometry().center()))
            continue;
        const QRect over = label->geometry().translated(-pos());
        if (over.center().x() < width() / 2)
            left = std::max(left, over.right() + 1 + kGap);
        else
            right = std::min(right, over.left() - kGap);
    }
    if (right - left >= height())
        option->rect = QRect(left, 0, right - left, height());
}

void LabelClearSlider::paintEvent(QPaintEvent*) {
    // Drawn from the stretch's own origin: the style puts the ticks from the
    // left edge of the widget, wherever the stretch begins.
    QStyleOptionSlider option;
    initStyleOption(&option);
    QPainter painter(this);
    painter.translate(option.rect.left(), 0);
    option.rect.moveLeft(0);
    option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
    if (tickPosition() != NoTicks)
        option.subControls |= QStyle::SC_SliderTickmarks;
    style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
}

QRect LabelClearSlider::GrooveRect() const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
}

QRect LabelClearSlider::HandleRect() const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
}

}  // namespace ktq
