#include "ui/qt/ControlView.h"

#include <QSignalBlocker>
#include <QWidget>

#include "ui/qt/ControlTexts.h"
#include "ui/qt/QtLook.h"

namespace ktq {

QSize ControlView::ShownSize() const {
    return QSize(control_.Width(), control_.Height());
}

void ControlView::Mirror() {
    QWidget* w = Widget();
    const QSignalBlocker block(w);
    // Font and text first: a label's size follows them.
    ApplyLook(*w, control_, BackgroundRole(), FillsBackground());
    MirrorContent();
    const QRect bounds(QPoint(control_.Left(), control_.Top()), ShownSize());
    if (w->geometry() != bounds)
        w->setGeometry(bounds);
    if (w->isHidden() == control_.Visible())
        w->setVisible(control_.Visible());
    if (w->isEnabledTo(w->parentWidget()) != control_.Enabled())
        w->setEnabled(control_.Enabled());
    const QString tip = ToQString(control_.EffectiveHint());
    if (w->toolTip() != tip)
        w->setToolTip(tip);
    const QString name = ToQString(AccessibleNameOf(control_));
    if (w->accessibleName() != name)
        w->setAccessibleName(name);
}

}  // namespace ktq
