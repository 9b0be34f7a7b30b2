// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/Views.h"

namespace ktq {
namespace {

// The view of each kind of control; the timers have no widget.
class ViewMaker : public ControlVisitor {
  public:
    ViewMaker(QWidget* parent, SkinContext& skin) : parent_(parent), skin_(skin) {}
    void Visit(Label& c) override { view = MakeLabelView(c, parent_, skin_); }
    void Visit(Button& c) override { view = MakeButtonView(c, parent_, skin_); }
    void Visit(CheckBox& c) override { view = MakeCheckBoxView(c, parent_, skin_); }
    void Visit(Edit& c) override { view = MakeEditView(c, parent_, skin_); }
    void Visit(ComboBox& c) override { view = MakeComboBoxView(c, parent_, skin_); }
    void Visit(Memo& c) override { view = MakeMemoView(c, parent_, skin_); }
    void Visit(RichEdit& c) override { view = MakeRichEditView(c, parent_, skin_); }
    void Visit(ListBox& c) override { view = MakeListBoxView(c, parent_, skin_); }
    void Visit(TrackBar& c) override { view = MakeTrackBarView(c, parent_, skin_); }
    void Visit(UpDown& c) override { view = MakeUpDownView(c, parent_, skin_); }
    void Visit(Panel& c) override { view = MakePanelView(c, parent_, skin_); }
    void Visit(Image& c) override { view = MakeImageView(c, parent_, skin_); }
    std::unique_ptr<ControlView> view;

  private:
    QWidget* parent_;
    SkinContext& skin_;
};

}  // namespace

std::unique_ptr<ControlView> MakeView(Control& c, QWidget* parent, SkinContext& skin) {
    ViewMaker maker(parent, skin);
    c.Accept(maker);
    return std::move(maker.view);
}

}  // namespace ktq
