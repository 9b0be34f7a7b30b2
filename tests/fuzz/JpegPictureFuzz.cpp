// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes under a figure's name: the declared size and the decoded picture
// stay within their bounds, or the file is refused with an IoError.
#include "FuzzCheck.h"
#include "platform/IoError.h"
#include "platform/JpegPicture.h"

namespace ktq {
namespace {

bool WithinBounds(int width, int height) {
    return width >= 1 && height >= 1 && width <= kLargestPictureSide &&
           height <= kLargestPictureSide &&
           static_cast<std::int64_t>(width) * height <= kLargestPicturePixels;
}

int Scaled(int side, int eighths) {
    return static_cast<int>((static_cast<std::int64_t>(side) * eighths + 7) / 8);
}

bool Fits(int width, int height, PictureBox box) {
    return width <= box.width && height <= box.height;
}

// libjpeg scales by n/8, rounding up: the largest n that fits the box, or
// 1/8 when none does.
void CheckScale(const Picture& p, PictureBox box) {
    int eighths = 8;
    while (eighths > 1 &&
           !Fits(Scaled(p.sourceWidth, eighths), Scaled(p.sourceHeight, eighths), box))
        --eighths;
    FUZZ_CHECK(p.width == Scaled(p.sourceWidth, eighths));
    FUZZ_CHECK(p.height == Scaled(p.sourceHeight, eighths));
}

void CheckDecoded(std::string_view bytes, PictureBox box, int declaredWidth, int declaredHeight) {
    Picture p;
    try {
        p = DecodeJpeg(bytes, "fuzz.jpg", box);
    } catch (const IoError&) {
        return;
    }
    FUZZ_CHECK(declaredWidth > 0);  // a decoded picture has a readable size
    FUZZ_CHECK(p.sourceWidth == declaredWidth && p.sourceHeight == declaredHeight);
    FUZZ_CHECK(p.rgb.size() == static_cast<std::size_t>(p.width) * p.height * 3);
    CheckScale(p, box);
}

}  // namespace
}  // namespace ktq

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ktq;
    const std::string_view bytes = fuzz::AsBytes(data, size);
    int width = 0;
    int height = 0;
    try {
        ReadJpegSize(bytes, "fuzz.jpg", width, height);
        FUZZ_CHECK(WithinBounds(width, height));
    } catch (const IoError&) {
        width = height = 0;
    }
    CheckDecoded(bytes, kFigureDecodeBox, width, height);
    // A small box makes every picture of the corpus scale down.
    CheckDecoded(bytes, PictureBox{16, 12}, width, height);
    return 0;
}
