#pragma once
// Writes PNG files with libpng itself, so the decoder's tests cover the
// colour types real files use without committing binaries.
#include <png.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace ktq::testsupport {

struct PngSpec {
    int width = 64;
    int height = 48;
    // PNG_FORMAT_RGB, PNG_FORMAT_GRAY, PNG_FORMAT_RGBA, PNG_FORMAT_RGB_COLORMAP...
    png_uint_32 format = PNG_FORMAT_RGB;
    // Every pixel's samples in the format's order (at most 4).
    std::uint8_t color[4] = {255, 165, 0, 255};
};

inline std::string WritePng(const PngSpec& spec) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(spec.width);
    image.height = static_cast<png_uint_32>(spec.height);
    // A colour-mapped picture is written from RGB samples through a map of one colour.
    const bool mapped = (spec.format & PNG_FORMAT_FLAG_COLORMAP) != 0;
    image.format = spec.format;
    const std::size_t channels = mapped ? 1 : PNG_IMAGE_SAMPLE_CHANNELS(spec.format);
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(spec.width) * spec.height * channels);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = mapped ? 0 : spec.color[i % channels];
    std::vector<std::uint8_t> colormap(spec.color, spec.color + 3);
    if (mapped)
        image.colormap_entries = 1;
    png_alloc_size_t size = 0;
    const void* map = mapped ? colormap.data() : nullptr;
    if (!png_image_write_get_memory_size(image, size, 0, pixels.data(), 0, map))
        throw std::runtime_error(image.message);
    std::string bytes(size, '\0');
    if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, pixels.data(), 0, map))
        throw std::runtime_error(image.message);
    bytes.resize(size);
    return bytes;
}

}  // namespace ktq::testsupport
