// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/AccessibleViews.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace ktq {
namespace {

constexpr const char* kDisplayProperty = "ktqDisplay";

// Read only: a reader may read the text, never change or select it.
class DisplayAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit DisplayAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return Shown();
        return QAccessibleWidget::text(t);
    }

    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return Shown().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(Shown().size()); }
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return QString();
    }

  private:
    QString Shown() const { return static_cast<QLabel*>(widget())->text(); }
};

// Qt names an editable combo box after the text it holds on Linux; this one
// keeps its own name and gives the text as its value.
class ComboAccessible : public QAccessibleWidget {
  public:
    explicit ComboAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return Box()->currentText();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = Box()->view() != nullptr && Box()->view()->isVisible();
        s.editable = Box()->isEditable();
        return s;
    }

  private:
    QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (!object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (widget->objectName() == kSpeechLineName)
        return new QAccessibleWidget(widget, QAccessible::Notification);
    if (auto* label = qobject_cast<QLabel*>(widget);
        label && label->property(kDisplayProperty).toBool())
        return new DisplayAccessible(label);
    if (auto* box = qobject_cast<QComboBox*>(widget))
        return new ComboAccessible(box);
    return nullptr;
}

}  // namespace

void InstallAccessibleViews() {
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(Factory);
    installed = true;
}

void MarkAsDisplay(QWidget& label) {
    label.setProperty(kDisplayProperty, true);
}

}  // namespace ktq
