// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ktq {
class TForm1;
// Puts every control of the window into its designed state.
void ApplyFormDesign(TForm1& form);
// The picture Image1 shows until a figure is loaded.
inline constexpr const char* kDefaultPictureName = ":default-figure.jpg";
inline constexpr int kDefaultPictureWidth = 380;
inline constexpr int kDefaultPictureHeight = 351;
}  // namespace ktq
