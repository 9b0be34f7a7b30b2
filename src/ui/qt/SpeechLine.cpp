// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/SpeechLine.h"

#include <QAccessible>
#include <QWidget>

#include "ui/qt/AccessibleViews.h"

namespace ktq {

SpeechLine::SpeechLine(QWidget& window) : line_(new QWidget(&window)) {
    line_->setObjectName(kSpeechLineName);
    line_->setGeometry(0, 0, 1, 1);
    line_->setFocusPolicy(Qt::NoFocus);
    line_->setAttribute(Qt::WA_TransparentForMouseEvents);
    line_->lower();
    line_->hide();
}

void SpeechLine::Say(const QString& words, const Sink& sink) {
    line_->setAccessibleName(words);
    // Shown anew for every announcement, the same words again included: the
    // showing is what the reader hears.
    line_->hide();
    line_->show();
    QAccessibleEvent alert(line_, QAccessible::Alert);
    sink(&alert);
}

}  // namespace ktq
