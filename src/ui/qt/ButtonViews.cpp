// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QPushButton>

#include "ui/qt/QtLook.h"
#include "ui/qt/Views.h"

namespace ktq {
namespace {

class ButtonView : public ControlView {
  public:
    ButtonView(Button& c, QWidget* parent, SkinContext& skin)
        : ControlView(c, skin), button_(new QPushButton(parent)), model_(c) {
        button_->setAutoDefault(false);
        QObject::connect(button_, &QPushButton::clicked,
                         [this] { Input([this] { model_.UserClick(); }); });
    }
    QWidget* Widget() const override { return button_; }

  protected:
    void MirrorContent() override {
        const QString text = ToQString(model_.GetText());
        if (button_->text() != text)
            button_->setText(text);
    }
    QPalette::ColorRole BackgroundRole() const override { return QPalette::Button; }

  private:
    QPushButton* button_;
    Button& model_;
};

class CheckBoxView : public ControlView {
  public:
    CheckBoxView(CheckBox& c, QWidget* parent, SkinContext& skin)
        : ControlView(c, skin), box_(new QCheckBox(parent)), model_(c) {
        QObject::connect(box_, &QCheckBox::clicked,
                         [this] { Input([this] { model_.UserClick(); }); });
    }
    QWidget* Widget() const override { return box_; }

  protected:
    void MirrorContent() override {
        const QString text = ToQString(model_.GetText());
        if (box_->text() != text)
            box_->setText(text);
        if (box_->isChecked() != model_.Checked())
            box_->setChecked(model_.Checked());
    }
    QPalette::ColorRole BackgroundRole() const override { return QPalette::Window; }

  private:
    QCheckBox* box_;
    CheckBox& model_;
};

}  // namespace

std::unique_ptr<ControlView> MakeButtonViews(Control& c, QWidget* parent, SkinContext& skin) {
    if (auto view = ViewIf<ButtonView, Button>(c, parent, skin))
        return view;
    return ViewIf<CheckBoxView, CheckBox>(c, parent, skin);
}

}  // namespace ktq
