// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/SpeechLine.h"

#include <QAccessible>
#include <QWidget>

#include "ui/qt/AccessibleViews.h"

namespace ktq {

SpeechLine::SpeechLine(QWidget& window) {
    for (QWidget*& line : lines_) {
        line = new QWidget(&window);
        line->setObjectName(kSpeechLineName);
        line->setGeometry(0, 0, 1, 1);
        line->setFocusPolicy(Qt::NoFocus);
        line->setAttribute(Qt::WA_TransparentForMouseEvents);
        line->lower();
        line->hide();
    }
}

void SpeechLine::Say(const QString& words, const Sink& sink) {
    QWidget* previous = lines_[current_];
    current_ = (current_ + 1) % lines_.size();
    QWidget* line = lines_[current_];
    line->setAccessibleName(words);
    // The showing is what the reader hears; the lines take turns, so each
    // shows anew, the same words again included.
    line->show();
    previous->hide();
    QAccessibleEvent alert(line, QAccessible::Alert);
    sink(&alert);
}

}  // namespace ktq
