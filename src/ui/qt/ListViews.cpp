// SPDX-License-Identifier: GPL-3.0-or-later
// Single-line entries, combo boxes (editable, with a drop-down list) and
// list boxes.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

#include "ui/qt/ControlTexts.h"
#include "ui/qt/QtLook.h"
#include "ui/qt/Views.h"
#include "ui/qt/WidgetDesign.h"

namespace ktq {
namespace {

QStringList ToQStrings(const LineList& items) {
    QStringList list;
    for (const Text& i : items) list << ToQString(i);
    return list;
}

class EditView : public ControlView {
  public:
    EditView(Edit& c, QWidget* parent, SkinContext& skin)
        : ControlView(c, skin), edit_(new QLineEdit(parent)), model_(c) {
        QObject::connect(edit_, &QLineEdit::textEdited, [this](const QString& t) {
            const Text typed = FromQString(t);
            Typing([&] { model_.UserType(typed); });
        });
    }
    QWidget* Widget() const override { return edit_; }

  protected:
    void MirrorContent() override {
        // Compared first, so the caret stays where the user is typing.
        if (FromQString(edit_->text()) != model_.GetText())
            edit_->setText(ToQString(model_.GetText()));
    }

  private:
    QLineEdit* edit_;
    Edit& model_;
};

class ComboBoxView : public ControlView {
  public:
    ComboBoxView(ComboBox& c, QWidget* parent, SkinContext& skin)
        : ControlView(c, skin), box_(new QComboBox(parent)), model_(c) {
        box_->setEditable(true);
        box_->setInsertPolicy(QComboBox::NoInsert);
        // Completion would change the text behind the user's back.
        box_->setCompleter(nullptr);
        // The focus is in the entry: a reader names it as the box.
        box_->lineEdit()->setAccessibleName(ToQString(AccessibleNameOf(c)));
        if (DesignOf(c.Name()).arrowPointer)
            box_->lineEdit()->setCursor(Qt::ArrowCursor);
        // The box would pick the item matching a typed text again when the
        // focus leaves it or Enter is pressed: a second change for one typed.
        QObject::disconnect(box_->lineEdit(), &QLineEdit::editingFinished, box_, nullptr);
        QObject::disconnect(box_->lineEdit(), &QLineEdit::returnPressed, box_, nullptr);
        QObject::connect(box_->lineEdit(), &QLineEdit::returnPressed,
                         [this] { Input([&] { model_.UserEnter(); }); });
        QObject::connect(box_, &QComboBox::activated,
                         [this](int index) { Input([&] { model_.UserPick(index); }); });
        QObject::connect(box_->lineEdit(), &QLineEdit::textEdited, [this](const QString& t) {
            const Text typed = FromQString(t);
            Typing([&] { model_.UserType(typed); });
        });
    }
    QWidget* Widget() const override { return box_; }

  protected:
    void MirrorContent() override {
        const QSignalBlocker block(box_->lineEdit());
        if (!shownItems_ || *shownItems_ != model_.Items()) {
            box_->clear();
            box_->addItems(ToQStrings(model_.Items()));
            box_->setCurrentIndex(-1);
            shownItems_ = model_.Items();
            box_->setEditText(ToQString(model_.GetText()));
        }
        if (FromQString(box_->currentText()) != model_.GetText())
            box_->setEditText(ToQString(model_.GetText()));
    }

  private:
    QComboBox* box_;
    ComboBox& model_;
    std::optional<LineList> shownItems_;
};

class ListBoxView : public ControlView {
  public:
    ListBoxView(ListBox& c, QWidget* parent, SkinContext& skin)
        : ControlView(c, skin), list_(new QListWidget(parent)), model_(c) {}
    QWidget* Widget() const override { return list_; }

  protected:
    void MirrorContent() override {
        if (shownItems_ && *shownItems_ == model_.Items())
            return;
        list_->clear();
        list_->addItems(ToQStrings(model_.Items()));
        shownItems_ = model_.Items();
    }

  private:
    QListWidget* list_;
    ListBox& model_;
    std::optional<LineList> shownItems_;
};

}  // namespace

std::unique_ptr<ControlView> MakeListViews(Control& c, QWidget* parent, SkinContext& skin) {
    if (auto view = ViewIf<EditView, Edit>(c, parent, skin))
        return view;
    if (auto view = ViewIf<ComboBoxView, ComboBox>(c, parent, skin))
        return view;
    return ViewIf<ListBoxView, ListBox>(c, parent, skin);
}

}  // namespace ktq
