// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The factories of the views, one per control kind.
#include <memory>

#include "ui/Controls.h"
#include "ui/qt/ControlView.h"

class QWidget;

namespace ktq {

// The view of `c` when it is a `Kind`; nothing otherwise.
template <class View, class Kind>
std::unique_ptr<ControlView> ViewIf(Control& c, QWidget* parent, SkinContext& skin) {
    auto* kind = dynamic_cast<Kind*>(&c);
    return kind ? std::make_unique<View>(*kind, parent, skin) : nullptr;
}

// Each file's views: the view of a control of one of its kinds, else nothing.
using ViewFactory = std::unique_ptr<ControlView> (*)(Control& c, QWidget* parent,
                                                     SkinContext& skin);
std::unique_ptr<ControlView> MakeLabelViews(Control& c, QWidget* parent, SkinContext& skin);
std::unique_ptr<ControlView> MakeButtonViews(Control& c, QWidget* parent, SkinContext& skin);
std::unique_ptr<ControlView> MakeListViews(Control& c, QWidget* parent, SkinContext& skin);
// A rich edit before a memo: it is one too.
std::unique_ptr<ControlView> MakeTextBoxViews(Control& c, QWidget* parent, SkinContext& skin);
std::unique_ptr<ControlView> MakeRangeViews(Control& c, QWidget* parent, SkinContext& skin);
std::unique_ptr<ControlView> MakePictureViews(Control& c, QWidget* parent, SkinContext& skin);

}  // namespace ktq
