// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/RichEditWidget.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace ktq {
namespace {

constexpr int kMarkMargin = 18;
constexpr int kMarkSize = 12;
constexpr qreal kMarkPen = 2.5;

}  // namespace

void RichEditWidget::KeepMarkMargin() {
    margin_ = kMarkMargin;
    setViewportMargins(margin_, 0, 0, 0);
}

void RichEditWidget::SetMark(AnswerMark mark) {
    if (mark_ == mark)
        return;
    mark_ = mark;
    update(MarkRect().adjusted(-2, -2, 2, 2));
}

QRect RichEditWidget::MarkRect() const {
    const int top = viewport()->geometry().top() + 4;
    return QRect((margin_ - kMarkSize) / 2, top, kMarkSize, kMarkSize);
}

bool RichEditWidget::event(QEvent* e) {
    const bool handled = QTextEdit::event(e);
    // The margin lies outside the viewport: the box paints it itself.
    if (e->type() == QEvent::Paint && margin_ > 0) {
        PaintMargin();
        QPainter painter(this);
        PaintFocus(painter, QPoint());
    }
    return handled;
}

void RichEditWidget::PaintMargin() {
    QPainter painter(this);
    painter.fillRect(QRect(0, 0, margin_, height()), palette().color(QPalette::Base));
    if (mark_ == AnswerMark::None)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Text), kMarkPen, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    const QRectF r = MarkRect();
    QPainterPath path;
    if (mark_ == AnswerMark::Right) {
        path.moveTo(r.left(), r.center().y());
        path.lineTo(r.left() + r.width() * 0.4, r.bottom());
        path.lineTo(r.right(), r.top());
    } else {
        path.moveTo(r.topLeft());
        path.lineTo(r.bottomRight());
        path.moveTo(r.topRight());
        path.lineTo(r.bottomLeft());
    }
    painter.drawPath(path);
}

void RichEditWidget::paintEvent(QPaintEvent* e) {
    QTextEdit::paintEvent(e);
    QPainter painter(viewport());
    PaintFocus(painter, -viewport()->geometry().topLeft());
}

void RichEditWidget::PaintFocus(QPainter& painter, QPoint offset) {
    if (!hasFocus())
        return;
    // One frame round the text and the mark's margin, drawn in two parts:
    // framing the text alone left the margin as a strip beside it.
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.rect = viewport()->geometry().adjusted(-margin_, 0, 0, 0).translated(offset);
    frame.state |= QStyle::State_KeyboardFocusChange;
    frame.backgroundColor = palette().color(QPalette::Base);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}

void RichEditWidget::focusInEvent(QFocusEvent* e) {
    QTextEdit::focusInEvent(e);
    update();
    viewport()->update();
}

void RichEditWidget::focusOutEvent(QFocusEvent* e) {
    QTextEdit::focusOutEvent(e);
    update();
    viewport()->update();
}

}  // namespace ktq
