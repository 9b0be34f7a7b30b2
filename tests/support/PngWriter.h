// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// PNG files made with libpng itself: every pixel the same samples, in the format's order.
#include <png.h>

#include <string>
#include <vector>

namespace ktq::testsupport {

inline std::string WritePng(int width = 64, int height = 48, png_uint_32 format = PNG_FORMAT_RGB,
                            std::vector<png_byte> pixel = {255, 165, 0}) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = format;
    std::vector<png_byte> pixels;
    for (int i = 0; i < width * height; ++i)
        pixels.insert(pixels.end(), pixel.begin(), pixel.end());
    png_alloc_size_t size = 0;
    png_image_write_get_memory_size(image, size, 0, pixels.data(), 0, nullptr);
    std::string bytes(size, '\0');
    png_image_write_to_memory(&image, bytes.data(), &size, 0, pixels.data(), 0, nullptr);
    return bytes;
}

}  // namespace ktq::testsupport
