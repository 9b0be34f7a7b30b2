// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// JPEG pictures, decoded with libjpeg (libjpeg-turbo).
#include <string_view>

#include "platform/Picture.h"
#include "text/Text.h"

namespace ktq {

// Decodes JPEG bytes (RGB, grayscale, CMYK or YCCK), scaled down by libjpeg
// while the result would exceed `within` on either side. Throws IoError when
// the bytes are no picture, when its data ends early or is corrupt, or when
// it declares a size beyond the limits of Picture.h.
Picture DecodeJpeg(std::string_view bytes, const Text& shownName,
                   PictureBox within = kFigureDecodeBox);
// Only the declared size, from the header, without decoding the picture.
void ReadJpegSize(std::string_view bytes, const Text& shownName, int& width, int& height);

}  // namespace ktq
