// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/JpegPicture.h"

#include <csetjmp>
#include <cstdio>
#include <string_view>
// jpeglib.h needs size_t and FILE declared first.
#include <jerror.h>
#include <jpeglib.h>

#include "platform/IoError.h"

namespace ktq {
namespace {

// More than any figure needs; a progressive picture keeps all its
// coefficients in memory, and a header may claim any size.
constexpr long kDecoderMemoryLimit = 64L * 1024 * 1024;

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void Fail(j_common_ptr info) {
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, err->message);
    std::longjmp(err->jump, 1);
}

void OnError(j_common_ptr info) {
    Fail(info);
}

// libjpeg only warns when the data ends early or is damaged, and fills the
// rest with grey; such a picture counts as not decoded. Warnings about
// metadata (an unknown JFIF revision, a bad ICC profile) are harmless.
void OnMessage(j_common_ptr info, int level) {
    if (level >= 0 || info->err->msg_code == JWRN_BOGUS_ICC)
        return;
    switch (info->err->msg_code) {
        case JWRN_JPEG_EOF:
        case JWRN_NOT_SEQUENTIAL:
        case JWRN_BOGUS_PROGRESSION:
            Fail(info);
        default:
            break;
    }
    // Every other kind of damaged data, arithmetic coding included, which
    // not every libjpeg declares.
    char text[JMSG_LENGTH_MAX];
    (*info->err->format_message)(info, text);
    if (std::string_view(text).starts_with("Corrupt JPEG data"))
        Fail(info);
}

// The largest scale n/8 at which the picture fits the box; 1/8 when none does.
int ScaleEighths(int width, int height, PictureBox within) {
    if (within.width <= 0 || within.height <= 0)
        return 8;
    for (int n = 8; n > 1; --n) {
        const long long w = (static_cast<long long>(width) * n + 7) / 8;
        const long long h = (static_cast<long long>(height) * n + 7) / 8;
        if (w <= within.width && h <= within.height)
            return n;
    }
    return 1;
}

// CMYK as Adobe programs write it is stored inverted; libjpeg hands the
// samples back as stored.
void CmykRowToRgb(const JSAMPLE* cmyk, std::uint8_t* rgb, JDIMENSION width, bool inverted) {
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
        const int k = inverted ? cmyk[3] : 255 - cmyk[3];
        for (int c = 0; c < 3; ++c) {
            const int ink = inverted ? cmyk[c] : 255 - cmyk[c];
            rgb[c] = static_cast<std::uint8_t>((ink * k + 127) / 255);
        }
    }
}

void DecodeRows(jpeg_decompress_struct& info, Picture& out, std::vector<JSAMPLE>& cmykRow) {
    const bool cmyk = info.out_color_space == JCS_CMYK;
    const bool inverted = info.saw_Adobe_marker != 0;
    const std::size_t stride = static_cast<std::size_t>(info.output_width) * 3;
    if (cmyk)
        cmykRow.resize(static_cast<std::size_t>(info.output_width) * 4);
    while (info.output_scanline < info.output_height) {
        JSAMPROW target = out.rgb.data() + stride * info.output_scanline;
        JSAMPROW row = cmyk ? cmykRow.data() : target;
        if (jpeg_read_scanlines(&info, &row, 1) != 1)
            ERREXIT(&info, JERR_INPUT_EMPTY);
        if (cmyk)
            CmykRowToRgb(row, target, info.output_width, inverted);
    }
}

// Runs libjpeg on the bytes; with `decode` false only the header is read.
// Kept free of C++ objects with destructors between setjmp and longjmp: the
// buffers belong to the caller.
bool RunDecoder(std::string_view bytes, bool decode, PictureBox within, Picture& out,
                std::vector<JSAMPLE>& cmykRow, char* message) {
    jpeg_decompress_struct info;
    ErrorManager err;
    info.err = jpeg_std_error(&err.base);
    err.base.error_exit = OnError;
    err.base.emit_message = OnMessage;
    err.message[0] = '\0';
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&info);
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", err.message);
        return false;
    }
    jpeg_create_decompress(&info);
    info.mem->max_memory_to_use = kDecoderMemoryLimit;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    out.sourceWidth = out.width = static_cast<int>(info.image_width);
    out.sourceHeight = out.height = static_cast<int>(info.image_height);
    if (!WithinPictureBounds(info.image_width, info.image_height)) {
        std::snprintf(message, JMSG_LENGTH_MAX, "%s",
                      TooLargePictureReason(info.image_width, info.image_height).c_str());
        jpeg_destroy_decompress(&info);
        return false;
    }
    if (decode) {
        const bool inks = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
        info.out_color_space = inks ? JCS_CMYK : JCS_RGB;
        info.scale_num = static_cast<unsigned>(ScaleEighths(out.width, out.height, within));
        info.scale_denom = 8;
        jpeg_start_decompress(&info);
        out.width = static_cast<int>(info.output_width);
        out.height = static_cast<int>(info.output_height);
        out.rgb.resize(static_cast<std::size_t>(info.output_width) * 3 * info.output_height);
        DecodeRows(info, out, cmykRow);
        jpeg_finish_decompress(&info);
    }
    jpeg_destroy_decompress(&info);
    return true;
}

Picture Run(std::string_view bytes, const Text& shownName, bool decode, PictureBox within) {
    Picture p;
    std::vector<JSAMPLE> cmykRow;
    char message[JMSG_LENGTH_MAX];
    if (!RunDecoder(bytes, decode, within, p, cmykRow, message))
        throw IoError("Cannot read the picture \"" + shownName + "\": " + message);
    return p;
}

}  // namespace

Picture DecodeJpeg(std::string_view bytes, const Text& shownName, PictureBox within) {
    return Run(bytes, shownName, true, within);
}

void ReadJpegSize(std::string_view bytes, const Text& shownName, int& width, int& height) {
    const Picture p = Run(bytes, shownName, false, {});
    width = p.width;
    height = p.height;
}

}  // namespace ktq
