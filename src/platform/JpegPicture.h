#pragma once
// JPEG pictures, decoded with libjpeg (libjpeg-turbo).
#include <cstdint>
#include <string_view>
#include <vector>

#include "text/Text.h"

namespace ktq {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // width * height * 3 bytes, rows top first
};

// Decodes JPEG bytes; throws IoError when they are not a picture libjpeg can read.
Picture DecodeJpeg(std::string_view bytes, const Text& shownName);
// Reads and decodes a file named relative to the working folder.
Picture DecodeJpegFile(const Text& name);
// Only the size, without decoding the picture itself.
void ReadJpegSize(std::string_view bytes, const Text& shownName, int& width, int& height);

}  // namespace ktq
