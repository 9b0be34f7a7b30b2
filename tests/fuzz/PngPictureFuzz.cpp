// Any bytes under a PNG figure's name: the decoded picture keeps the bounds
// every figure has and fits its box, or the file is refused with an IoError.
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
    FUZZ_CHECK(p.width >= 1 && p.width <= box.width && p.width <= p.sourceWidth);
    FUZZ_CHECK(p.height >= 1 && p.height <= box.height && p.height <= p.sourceHeight);
    FUZZ_CHECK(p.rgb.size() == static_cast<std::size_t>(p.width) * p.height * 3);
}

}  // namespace
}  // namespace ktq

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = ktq::fuzz::AsBytes(data, size);
    ktq::CheckDecoded(bytes, ktq::kFigureDecodeBox);
    // A small box makes every picture of the corpus scale down.
    ktq::CheckDecoded(bytes, ktq::PictureBox{16, 12});
    return 0;
}
