// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes JPEG files with libjpeg itself, so the decoder's tests cover the
// colour spaces and codings real files use without committing binaries.
#include <jpeglib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace ktq::testsupport {

enum class JpegKind { Rgb, Grayscale, Progressive, AdobeCmyk, PlainCmyk, AdobeYcck };

struct JpegSpec {
    int width = 64;
    int height = 48;
    JpegKind kind = JpegKind::Rgb;
    // The colour every pixel has: RGB, or the ink amounts (0 none, 255 full)
    // of cyan, magenta, yellow and black for the CMYK kinds.
    std::uint8_t color[4] = {255, 165, 0, 0};
    bool noise = false;  // varied pixels, so the entropy data is long
};

inline std::string WriteJpeg(const JpegSpec& spec) {
    jpeg_compress_struct info;
    jpeg_error_mgr err;
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(spec.width);
    info.image_height = static_cast<JDIMENSION>(spec.height);
    const bool inks = spec.kind == JpegKind::AdobeCmyk || spec.kind == JpegKind::PlainCmyk ||
                      spec.kind == JpegKind::AdobeYcck;
    info.input_components = spec.kind == JpegKind::Grayscale ? 1 : inks ? 4 : 3;
    info.in_color_space = spec.kind == JpegKind::Grayscale ? JCS_GRAYSCALE
                          : inks                           ? JCS_CMYK
                                                           : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    if (spec.kind == JpegKind::AdobeYcck)
        jpeg_set_colorspace(&info, JCS_YCCK);
    if (spec.kind == JpegKind::PlainCmyk)
        info.write_Adobe_marker = FALSE;
    if (spec.kind == JpegKind::Progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    const int channels = info.input_components;
    std::vector<JSAMPLE> row(static_cast<std::size_t>(spec.width * channels));
    unsigned seed = 12345;
    while (info.next_scanline < info.image_height) {
        for (int x = 0; x < spec.width; ++x) {
            for (int c = 0; c < channels; ++c) {
                int v = spec.color[c];
                // Adobe programs store inks inverted; a plain CMYK file does not.
                if (inks && spec.kind != JpegKind::PlainCmyk)
                    v = 255 - v;
                if (spec.noise) {
                    seed = seed * 1103515245u + 12345u;
                    v = static_cast<int>((seed >> 16) & 0xFF);
                }
                row[static_cast<std::size_t>(x * channels + c)] = static_cast<JSAMPLE>(v);
            }
        }
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&info, &r, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string bytes(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return bytes;
}

// A header declaring any size, with no picture data after it: what a
// damaged or hostile file may hold.
inline std::string JpegHeaderOnly(int width, int height) {
    std::string bytes = WriteJpeg({});
    const std::size_t sof = bytes.find("\xFF\xC0", 0, 2);
    bytes[sof + 5] = static_cast<char>(height >> 8);
    bytes[sof + 6] = static_cast<char>(height & 0xFF);
    bytes[sof + 7] = static_cast<char>(width >> 8);
    bytes[sof + 8] = static_cast<char>(width & 0xFF);
    const std::size_t sos = bytes.find("\xFF\xDA", 0, 2);
    return bytes.substr(0, sos + 14);  // the scan header, then nothing
}

}  // namespace ktq::testsupport
