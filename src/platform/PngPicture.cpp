// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PngPicture.h"

#include <png.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/IoError.h"

namespace ktq {
namespace {

[[noreturn]] void Refuse(const Text& shownName, const std::string& reason) {
    throw IoError("Cannot read the picture \"" + shownName + "\": " + reason);
}

// The bytes libpng reads, and the words of the error that stopped it.
struct PngSource {
    std::string_view bytes;
    std::size_t at = 0;
    std::string error;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t n) {
    auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
    if (source->bytes.size() - source->at < n)
        png_error(png, "the data ends early");
    std::memcpy(out, source->bytes.data() + source->at, n);
    source->at += n;
}

[[noreturn]] void OnError(png_structp png, png_const_charp message) {
    static_cast<PngSource*>(png_get_error_ptr(png))->error = message;
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

int ScaleDivisor(int width, int height, PictureBox within) {
    if (within.width <= 0 || within.height <= 0)
        return 1;
    const int byWidth = (width + within.width - 1) / within.width;
    const int byHeight = (height + within.height - 1) / within.height;
    return std::max({1, byWidth, byHeight});
}

// The picture scaled down by k as its rows arrive: each pixel of the result
// averages the block of k x k pixels it covers (smaller at the right and
// bottom edges), so only one row of block sums is ever held.
class ScaledRows {
  public:
    ScaledRows(Picture& p, int k) : p_(p), k_(k) {
        p.width = (p.sourceWidth + k - 1) / k;
        p.height = (p.sourceHeight + k - 1) / k;
        p.rgb.assign(static_cast<std::size_t>(p.width) * p.height * 3, 0);
        sums_.assign(static_cast<std::size_t>(p.width) * 3, 0);
    }
    // One row of RGBA pixels, put on white as on a page.
    void Add(const png_byte* rgba) {
        for (int x = 0; x < p_.sourceWidth; ++x, rgba += 4) {
            unsigned* sum = sums_.data() + static_cast<std::size_t>(x / k_) * 3;
            for (int c = 0; c < 3; ++c)
                sum[c] += (rgba[c] * rgba[3] + 255u * (255u - rgba[3]) + 127u) / 255u;
        }
        if (++rowsAdded_ % k_ == 0 || rowsAdded_ == p_.sourceHeight)
            Emit();
    }

  private:
    void Emit() {
        const int y = (rowsAdded_ - 1) / k_;
        const unsigned rows = static_cast<unsigned>(rowsAdded_ - y * k_);
        std::uint8_t* out = p_.rgb.data() + static_cast<std::size_t>(y) * p_.width * 3;
        for (int x = 0; x < p_.width; ++x) {
            const unsigned count =
                rows * static_cast<unsigned>(std::min(p_.sourceWidth, (x + 1) * k_) - x * k_);
            for (int c = 0; c < 3; ++c, ++out)
                *out = static_cast<std::uint8_t>((sums_[x * 3 + c] + count / 2) / count);
        }
        std::fill(sums_.begin(), sums_.end(), 0);
    }

    Picture& p_;
    int k_;
    int rowsAdded_ = 0;
    std::vector<unsigned> sums_;
};

// What the decoding holds outside libpng's jumps, freed as it ends.
struct PngBuffers {
    std::unique_ptr<ScaledRows> scaled;
    std::vector<png_byte> image;  // an interlaced picture, whole
    std::vector<png_bytep> rows;
};

// False, with the reason in `source.error`, when libpng stops. Only plain
// values live here: a jump out of libpng skips no destructor.
bool ReadPng(png_structp png, png_infop info, PngSource& source, PictureBox within, Picture& p,
             PngBuffers& b) {
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_read_fn(png, &source, ReadFromMemory);
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    if (!WithinPictureBounds(width, height)) {
        source.error = TooLargePictureReason(width, height);
        return false;
    }
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    p.sourceWidth = static_cast<int>(width);
    p.sourceHeight = static_cast<int>(height);
    b.scaled = std::make_unique<ScaledRows>(p, ScaleDivisor(p.sourceWidth, p.sourceHeight, within));
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
    // An interlaced picture is whole only after its last pass.
    b.image.resize(rowBytes * (passes > 1 ? height : 1));
    if (passes > 1) {
        for (png_uint_32 y = 0; y < height; ++y) b.rows.push_back(b.image.data() + y * rowBytes);
        png_read_image(png, b.rows.data());
    }
    for (png_uint_32 y = 0; y < height; ++y) {
        png_byte* row = b.image.data() + (passes > 1 ? y * rowBytes : 0);
        if (passes == 1)
            png_read_row(png, row, nullptr);
        b.scaled->Add(row);
    }
    png_read_end(png, nullptr);
    return true;
}

}  // namespace

Picture DecodePng(std::string_view bytes, const Text& shownName, PictureBox within) {
    PngSource source{bytes, 0, {}};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &source, OnError, OnWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    Picture p;
    PngBuffers buffers;
    const bool read = info != nullptr && ReadPng(png, info, source, within, p, buffers);
    png_destroy_read_struct(&png, &info, nullptr);
    if (!read)
        Refuse(shownName, source.error.empty() ? "out of memory" : source.error);
    return p;
}

}  // namespace ktq
