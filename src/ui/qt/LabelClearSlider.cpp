#include "ui/qt/LabelClearSlider.h"

#include <QLabel>
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
        if (label == nullptr || label->isHidden() || !label->geometry().intersects(geometry()))
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
