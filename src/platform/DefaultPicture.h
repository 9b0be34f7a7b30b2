// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string_view>

namespace ktq {
// The JPEG bytes of the picture Image1 shows before any figure, built into
// the program from assets/default-figure.jpg.
std::string_view DefaultPictureJpeg();
}  // namespace ktq
