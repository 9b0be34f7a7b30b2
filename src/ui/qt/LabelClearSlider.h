// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A slider that draws its groove, ticks and handle clear of the labels laid
// over its ends (the cycle number on the left, the delay on the right), and
// takes the pointer over that same narrower stretch.
#include <QSlider>

class QStyleOptionSlider;

namespace ktq {

class LabelClearSlider : public QSlider {
  public:
    using QSlider::QSlider;
    // In the slider's coordinates, as drawn now.
    QRect GrooveRect() const;
    QRect HandleRect() const;

  protected:
    void initStyleOption(QStyleOptionSlider* option) const override;
    void paintEvent(QPaintEvent* e) override;
};

}  // namespace ktq
