// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes under a PNG figure's name: the picture decoded stays within its
// bounds and the box it is decoded for, or the file is refused with an IoError.
#include <algorithm>

#include "FuzzCheck.h"
#include "platform/IoError.h"
#include "platform/PngPicture.h"

namespace ktq {
namespace {

void CheckDecoded(std::string_view bytes, PictureBox box) {
    Picture p;
    try {
        p = DecodePng(bytes, "fuzz.png", box);
    } catch (const IoError&) {
        return;
    }
    FUZZ_CHECK(p.sourceWidth >= 1 && p.sourceHeight >= 1);
    FUZZ_CHECK(WithinPictureBounds(p.sourceWidth, p.sourceHeight));
    FUZZ_CHECK(p.width >= 1 && p.height >= 1);
    FUZZ_CHECK(p.width <= std::max(box.width, 1) && p.height <= std::max(box.height, 1));
    FUZZ_CHECK(p.width <= p.sourceWidth && p.height <= p.sourceHeight);
    FUZZ_CHECK(p.rgb.size() == static_cast<std::size_t>(p.width) * p.height * 3);
}

}  // namespace
}  // namespace ktq

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ktq;
    const std::string_view bytes = fuzz::AsBytes(data, size);
    CheckDecoded(bytes, kFigureDecodeBox);
    // A small box makes every picture of the corpus scale down.
    CheckDecoded(bytes, PictureBox{4, 3});
    return 0;
}
