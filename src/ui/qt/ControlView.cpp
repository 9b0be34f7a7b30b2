// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/ControlView.h"

#include <QAbstractScrollArea>
#include <QSignalBlocker>
#include <QWidget>

#include "ui/qt/ControlTexts.h"
#include "ui/qt/QtLook.h"

namespace ktq {

QSize ControlView::ShownSize() const {
    return QSize(control_.Width(), control_.Height());
}

bool ControlView::Seen() const {
    for (const Control* c = &control_; c != nullptr; c = c->Parent())
        if (!c->Visible())
            return false;
    return true;
}

void ControlView::Mirror() {
    QWidget* w = Widget();
    const QSignalBlocker block(w);
    // What a hidden widget shows (font, colours, text, picture) is made when
    // it is shown: a third of the views are hidden at start, and their fonts
    // and texts cost a tenth of the start-up. What it is (place, state, hint,
    // name) is kept current.
    const bool seen = Seen();
    stale_ = !seen;
    if (seen) {
        // Font and text first: a label's size follows them.
        ApplyLook(*w, control_, BackgroundRole(), FillsBackground());
        MirrorContent();
    }
    const QRect bounds(QPoint(control_.Left(), control_.Top()),
                       seen ? ShownSize() : ControlView::ShownSize());
    if (w->geometry() != bounds)
        w->setGeometry(bounds);
    // A control without size shows nothing, and must take no Tab stop.
    const bool shown = control_.Visible() && !bounds.isEmpty();
    if (w->isHidden() == shown)
        w->setVisible(shown);
    if (w->isEnabledTo(w->parentWidget()) != control_.Enabled())
        w->setEnabled(control_.Enabled());
    // The control's own hint: Qt shows a parent's tip where a widget has none,
    // and a reader takes the tip as the description, which must be the
    // control's own or nothing.
    const QString tip = ToQString(control_.Hint());
    if (w->toolTip() != tip)
        w->setToolTip(tip);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(w);
        area && area->viewport()->toolTip() != tip)
        area->viewport()->setToolTip(tip);
    const QString name = ToQString(AccessibleNameOf(control_));
    if (w->accessibleName() != name)
        w->setAccessibleName(name);
}

}  // namespace ktq
