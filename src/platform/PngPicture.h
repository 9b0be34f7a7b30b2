// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// PNG pictures, decoded with libpng.
#include <string_view>

#include "platform/Picture.h"
#include "text/Text.h"

namespace ktq {

// Decodes PNG bytes of any colour type and depth into RGB; transparent parts
// are shown on white, as on a page. A picture larger than `within` is scaled
// down by the smallest whole factor that fits it, each pixel the average of
// those it stands for, as its rows are read: only the scaled picture is held
// (an interlaced one, rare in figures, is held whole first). Throws IoError,
// in the words a damaged JPEG gets, when the bytes are no PNG, when its data
// is damaged or ends early, or when it declares a size beyond the limits of
// Picture.h.
Picture DecodePng(std::string_view bytes, const Text& shownName,
                  PictureBox within = kFigureDecodeBox);

}  // namespace ktq
