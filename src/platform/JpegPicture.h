// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// JPEG pictures, decoded with libjpeg (libjpeg-turbo).
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"
#include "text/Text.h"

namespace ktq {

struct PictureBox {
    int width = 0;
    int height = 0;
};

// Figures are shown at most 600 x 310; decoding to twice that keeps them
// sharp while a huge picture costs no more memory than a small one.
inline constexpr PictureBox kFigureDecodeBox{1200, 620};
// Sizes no figure has; a header claiming more is refused before decoding.
inline constexpr int kLargestPictureSide = 20000;
inline constexpr std::int64_t kLargestPicturePixels = 100'000'000;

struct Picture {
    int width = 0;  // as decoded, possibly scaled down
    int height = 0;
    int sourceWidth = 0;  // as the file declares it
    int sourceHeight = 0;
    std::vector<std::uint8_t> rgb;  // width * height * 3 bytes, rows top first
};

// Decodes JPEG bytes (RGB, grayscale, CMYK or YCCK), scaled down by libjpeg
// while the result would exceed `within` on either side. Throws IoError when
// the bytes are no picture, when its data ends early or is corrupt, or when
// it declares a size beyond the limits above.
Picture DecodeJpeg(std::string_view bytes, const Text& shownName,
                   PictureBox within = kFigureDecodeBox);
// Reads and decodes a file named relative to the working folder.
Picture DecodeJpegFile(FileSystem& files, const FileName& name,
                       PictureBox within = kFigureDecodeBox);
// Only the declared size, from the header, without decoding the picture.
void ReadJpegSize(std::string_view bytes, const Text& shownName, int& width, int& height);

}  // namespace ktq
