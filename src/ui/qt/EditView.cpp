// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLineEdit>

#include "ui/qt/QtLook.h"
#include "ui/qt/Views.h"

namespace ktq {
namespace {

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

}  // namespace

std::unique_ptr<ControlView> MakeEditView(Edit& c, QWidget* parent, SkinContext& skin) {
    return std::make_unique<EditView>(c, parent, skin);
}

}  // namespace ktq
