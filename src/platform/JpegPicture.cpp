#include "platform/JpegPicture.h"

#include <csetjmp>
#include <cstdio>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

#include "platform/IoError.h"
#include "platform/TextFile.h"

namespace ktq {
namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, err->message);
    std::longjmp(err->jump, 1);
}

void OnMessage(j_common_ptr, int) {}  // warnings are not the user's business

// Runs libjpeg on the bytes; with `decode` false only the header is read.
// Kept free of C++ objects with destructors between setjmp and longjmp.
bool RunDecoder(std::string_view bytes, bool decode, Picture& out, char* message) {
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
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    out.width = static_cast<int>(info.image_width);
    out.height = static_cast<int>(info.image_height);
    if (decode) {
        info.out_color_space = JCS_RGB;
        jpeg_start_decompress(&info);
        const std::size_t stride = static_cast<std::size_t>(info.output_width) * 3;
        out.width = static_cast<int>(info.output_width);
        out.height = static_cast<int>(info.output_height);
        out.rgb.resize(stride * info.output_height);
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = out.rgb.data() + stride * info.output_scanline;
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
    }
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

Picture DecodeJpeg(std::string_view bytes, const Text& shownName) {
    Picture p;
    char message[JMSG_LENGTH_MAX];
    if (!RunDecoder(bytes, true, p, message))
        throw IoError("Cannot read the picture \"" + shownName + "\": " + message);
    return p;
}

Picture DecodeJpegFile(const Text& name) {
    return DecodeJpeg(ReadBytes(name), name);
}

void ReadJpegSize(std::string_view bytes, const Text& shownName, int& width, int& height) {
    Picture p;
    char message[JMSG_LENGTH_MAX];
    if (!RunDecoder(bytes, false, p, message))
        throw IoError("Cannot read the picture \"" + shownName + "\": " + message);
    width = p.width;
    height = p.height;
}

}  // namespace ktq
