// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The widget of a rich-text box. It shows where the keyboard focus is (the
// answer boxes are pressed from the keyboard and have no frame line of their
// own), and an answer box draws the mark of its feedback in its left margin:
// a check beside the correct answer, a cross beside a wrong choice, shapes
// that read without their colours.
#include <QTextEdit>

class QPainter;

namespace ktq {

enum class AnswerMark { None, Right, Wrong };

class RichEditWidget : public QTextEdit {
  public:
    using QTextEdit::QTextEdit;
    // Keeps a margin for the mark, so the text does not move when it shows.
    void KeepMarkMargin();
    void SetMark(AnswerMark mark);
    AnswerMark Mark() const { return mark_; }
    // Where the mark is drawn, in the widget's coordinates.
    QRect MarkRect() const;

  protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

  private:
    void PaintMargin();
    // The focus frame, in a painter whose origin lies at `offset` from the box's.
    void PaintFocus(QPainter& painter, QPoint offset);
    int margin_ = 0;
    AnswerMark mark_ = AnswerMark::None;
};

}  // namespace ktq
