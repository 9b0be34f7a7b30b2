// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/Views.h"

namespace ktq {

std::unique_ptr<ControlView> MakeView(Control& c, QWidget* parent, SkinContext& skin) {
    // The timers have no widget.
    for (ViewFactory make : {MakeLabelViews, MakeButtonViews, MakeListViews, MakeTextBoxViews,
                             MakeRangeViews, MakePictureViews}) {
        if (std::unique_ptr<ControlView> view = make(c, parent, skin))
            return view;
    }
    return nullptr;
}

}  // namespace ktq
