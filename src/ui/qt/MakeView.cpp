#include "ui/qt/Views.h"

namespace ktq {

std::unique_ptr<ControlView> MakeView(Control& c, QWidget* parent, SkinContext& skin) {
    // RichEdit derives from Memo, so it is asked first.
    if (auto* r = dynamic_cast<RichEdit*>(&c))
        return MakeRichEditView(*r, parent, skin);
    if (auto* m = dynamic_cast<Memo*>(&c))
        return MakeMemoView(*m, parent, skin);
    if (auto* l = dynamic_cast<Label*>(&c))
        return MakeLabelView(*l, parent, skin);
    if (auto* b = dynamic_cast<Button*>(&c))
        return MakeButtonView(*b, parent, skin);
    if (auto* k = dynamic_cast<CheckBox*>(&c))
        return MakeCheckBoxView(*k, parent, skin);
    if (auto* e = dynamic_cast<Edit*>(&c))
        return MakeEditView(*e, parent, skin);
    if (auto* cb = dynamic_cast<ComboBox*>(&c))
        return MakeComboBoxView(*cb, parent, skin);
    if (auto* lb = dynamic_cast<ListBox*>(&c))
        return MakeListBoxView(*lb, parent, skin);
    if (auto* t = dynamic_cast<TrackBar*>(&c))
        return MakeTrackBarView(*t, parent, skin);
    if (auto* u = dynamic_cast<UpDown*>(&c))
        return MakeUpDownView(*u, parent, skin);
    if (auto* p = dynamic_cast<Panel*>(&c))
        return MakePanelView(*p, parent, skin);
    if (auto* i = dynamic_cast<Image*>(&c))
        return MakeImageView(*i, parent, skin);
    return nullptr;
}

}  // namespace ktq
