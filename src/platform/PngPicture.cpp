// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PngPicture.h"

#include <png.h>

#include <algorithm>

#include "platform/IoError.h"

namespace ktq {
namespace {

[[noreturn]] void Refuse(const Text& shownName, const std::string& reason) {
    throw IoError("Cannot read the picture \"" + shownName + "\": " + reason);
}

// Frees libpng's state however the decoding ends.
struct ImageReader {
    png_image image{};
    ImageReader() { image.version = PNG_IMAGE_VERSION; }
    ~ImageReader() { png_image_free(&image); }
    ImageReader(const ImageReader&) = delete;
    ImageReader& operator=(const ImageReader&) = delete;
};

int ScaleDivisor(int width, int height, PictureBox within) {
    if (within.width <= 0 || within.height <= 0)
        return 1;
    const int byWidth = (width + within.width - 1) / within.width;
    const int byHeight = (height + within.height - 1) / within.height;
    return std::max({1, byWidth, byHeight});
}

// Each pixel of the result averages the block of k x k pixels it covers
// (smaller at the right and bottom edges).
void ScaleDown(Picture& p, int k) {
    const int width = (p.width + k - 1) / k;
    const int height = (p.height + k - 1) / k;
    std::vector<std::uint8_t> out(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        const int y1 = std::min(p.height, (y + 1) * k);
        for (int x = 0; x < width; ++x) {
            const int x1 = std::min(p.width, (x + 1) * k);
            unsigned sum[3] = {0, 0, 0};
            for (int sy = y * k; sy < y1; ++sy) {
                const std::uint8_t* row =
                    p.rgb.data() + (static_cast<std::size_t>(sy) * p.width) * 3;
                for (int sx = x * k; sx < x1; ++sx)
                    for (int c = 0; c < 3; ++c) sum[c] += row[sx * 3 + c];
            }
            const unsigned count = static_cast<unsigned>((y1 - y * k) * (x1 - x * k));
            std::uint8_t* target = out.data() + (static_cast<std::size_t>(y) * width + x) * 3;
            for (int c = 0; c < 3; ++c)
                target[c] = static_cast<std::uint8_t>((sum[c] + count / 2) / count);
        }
    }
    p.width = width;
    p.height = height;
    p.rgb = std::move(out);
}

}  // namespace

Picture DecodePng(std::string_view bytes, const Text& shownName, PictureBox within) {
    ImageReader reader;
    png_image& image = reader.image;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()))
        Refuse(shownName, image.message);
    if (!WithinPictureBounds(image.width, image.height))
        Refuse(shownName, TooLargePictureReason(image.width, image.height));
    Picture p;
    p.sourceWidth = p.width = static_cast<int>(image.width);
    p.sourceHeight = p.height = static_cast<int>(image.height);
    image.format = PNG_FORMAT_RGB;
    p.rgb.resize(PNG_IMAGE_SIZE(image));
    const png_color white{255, 255, 255};
    if (!png_image_finish_read(&image, &white, p.rgb.data(), 0, nullptr))
        Refuse(shownName, image.message);
    if (const int k = ScaleDivisor(p.width, p.height, within); k > 1)
        ScaleDown(p, k);
    return p;
}

}  // namespace ktq
