// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLabel>

#include "ui/qt/AccessibleViews.h"
#include "ui/qt/ControlTexts.h"
#include "ui/qt/QtLook.h"
#include "ui/qt/Views.h"

namespace ktq {
namespace {

class LabelView : public ControlView {
  public:
    LabelView(Label& c, QWidget* parent, SkinContext& skin)
        : ControlView(c, skin), label_(new QLabel(parent)), model_(c) {
        label_->setTextFormat(Qt::PlainText);
        label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (IsDisplay(c))
            MarkAsDisplay(*label_);
    }
    QWidget* Widget() const override { return label_; }

  protected:
    void MirrorContent() override {
        const QString text = ToQString(model_.GetText());
        if (label_->text() != text)
            label_->setText(text);
    }
    QPalette::ColorRole BackgroundRole() const override { return QPalette::Window; }
    // A label on the window's own colour lets what lies below show through.
    bool FillsBackground() const override { return model_.GetColor() != kClBtnFace; }
    QSize ShownSize() const override {
        // Labels size themselves to their text, never below the designed size.
        QSize text = label_->fontMetrics().size(Qt::TextSingleLine, label_->text());
        return QSize(std::max(model_.Width(), text.width()),
                     std::max(model_.Height(), text.height()));
    }

  private:
    QLabel* label_;
    Label& model_;
};

}  // namespace

std::unique_ptr<ControlView> MakeLabelViews(Control& c, QWidget* parent, SkinContext& skin) {
    return ViewIf<LabelView, Label>(c, parent, skin);
}

}  // namespace ktq
