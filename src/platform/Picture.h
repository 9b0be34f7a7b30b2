// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A decoded figure, whatever its file format, and the bounds every decoder
// keeps to.
#include <cstdint>
#include <string>
#include <vector>

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

inline bool WithinPictureBounds(std::int64_t width, std::int64_t height) {
    return width <= kLargestPictureSide && height <= kLargestPictureSide &&
           width * height <= kLargestPicturePixels;
}

// Why such a picture is refused, in the words of the decoders' messages.
inline std::string TooLargePictureReason(std::int64_t width, std::int64_t height) {
    return "it declares " + std::to_string(width) + " x " + std::to_string(height) +
           " pixels, more than a figure can have";
}

struct Picture {
    int width = 0;  // as decoded, possibly scaled down
    int height = 0;
    int sourceWidth = 0;  // as the file declares it
    int sourceHeight = 0;
    std::vector<std::uint8_t> rgb;  // width * height * 3 bytes, rows top first
};

}  // namespace ktq
