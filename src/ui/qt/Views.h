// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The factories of the views, one per control kind.
#include <memory>

#include "ui/Controls.h"
#include "ui/qt/ControlView.h"

class QWidget;

namespace ktq {

std::unique_ptr<ControlView> MakeLabelView(Label& c, QWidget* parent, SkinContext& skin);
std::unique_ptr<ControlView> MakeButtonView(Button& c, QWidget* parent, SkinContext& skin);
std::unique_ptr<ControlView> MakeCheckBoxView(CheckBox& c, QWidget* parent, SkinContext& skin);
std::unique_ptr<ControlView> MakeEditView(Edit& c, QWidget* parent, SkinContext& skin);
std::unique_ptr<ControlView> MakeMemoView(Memo& c, QWidget* parent, SkinContext& skin);
std::unique_ptr<ControlView> MakeRichEditView(RichEdit& c, QWidget* parent, SkinContext& skin);
std::unique_ptr<ControlView> MakeComboBoxView(ComboBox& c, QWidget* parent, SkinContext& skin);
std::unique_ptr<ControlView> MakeListBoxView(ListBox& c, QWidget* parent, SkinContext& skin);
std::unique_ptr<ControlView> MakeTrackBarView(TrackBar& c, QWidget* parent, SkinContext& skin);
std::unique_ptr<ControlView> MakeUpDownView(UpDown& c, QWidget* parent, SkinContext& skin);
std::unique_ptr<ControlView> MakePanelView(Panel& c, QWidget* parent, SkinContext& skin);
std::unique_ptr<ControlView> MakeImageView(Image& c, QWidget* parent, SkinContext& skin);

}  // namespace ktq
