#include <gtest/gtest.h>
#include <zlib.h>

#include "PngWriter.h"
#include "platform/IoError.h"
#include "platform/PngPicture.h"

namespace ktq {
namespace {

using testsupport::PngSpec;
using testsupport::WritePng;

std::string ErrorOf(std::string_view bytes) {
    try {
        DecodePng(bytes, "E5-1.png");
    } catch (const IoError& e) {
        return e.what();
    }
    return "";
}

struct ColourCase {
    const char* name;
    png_uint_32 format;
    std::uint8_t color[4];
    std::uint8_t rgb[3];
};

class PngColourTest : public ::testing::TestWithParam<ColourCase> {};

TEST_P(PngColourTest, DecodesToItsSizeAndColour) {
    PngSpec spec;
    spec.width = 70;
    spec.height = 30;
    spec.format = GetParam().format;
    std::copy(std::begin(GetParam().color), std::end(GetParam().color), spec.color);
    const Picture p = DecodePng(WritePng(spec), "E5-1.png");
    ASSERT_EQ(p.width, 70);
    ASSERT_EQ(p.height, 30);
    EXPECT_EQ(p.sourceWidth, 70);
    ASSERT_EQ(p.rgb.size(), 70u * 30u * 3u);
    const std::size_t middle = (15 * 70 + 35) * 3;
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(p.rgb[middle + i], GetParam().rgb[i], 1) << i;
}

INSTANTIATE_TEST_SUITE_P(
    ColourTypes, PngColourTest,
    ::testing::Values(
        ColourCase{"Rgb", PNG_FORMAT_RGB, {255, 165, 0, 0}, {255, 165, 0}},
        ColourCase{"Gray", PNG_FORMAT_GRAY, {128, 0, 0, 0}, {128, 128, 128}},
        // Transparent parts show the page, as in the document.
        ColourCase{"TransparentIsWhite", PNG_FORMAT_RGBA, {0, 0, 0, 0}, {255, 255, 255}},
        ColourCase{"Palette", PNG_FORMAT_RGB_COLORMAP, {10, 20, 30, 0}, {10, 20, 30}}),
    [](const auto& row) { return row.param.name; });

TEST(PngPicture, ALargePictureIsScaledDownByAWholeFactor) {
    PngSpec spec;
    spec.width = 3000;
    spec.height = 100;
    const Picture p = DecodePng(WritePng(spec), "E5-1.png");
    EXPECT_EQ(p.sourceWidth, 3000);
    EXPECT_EQ(p.width, 1000);  // by 3, the first factor within 1200 x 620
    EXPECT_EQ(p.height, 34);
    EXPECT_EQ(p.rgb[(33 * 1000 + 999) * 3 + 1], 165);  // an edge block averages what it has
}

// The header's width changed, its checksum made good again.
std::string DeclaringWidth(std::string png, std::uint32_t width) {
    for (int i = 0; i < 4; ++i) png[16 + i] = static_cast<char>(width >> (24 - 8 * i));
    const auto* chunk = reinterpret_cast<const Bytef*>(png.data() + 12);
    const auto crc = static_cast<std::uint32_t>(crc32(0, chunk, 17));
    for (int i = 0; i < 4; ++i) png[29 + i] = static_cast<char>(crc >> (24 - 8 * i));
    return png;
}

TEST(PngPicture, DamagedOrOutOfBoundsDataIsReportedAsAJpegIs) {
    const std::string whole = WritePng({});
    const std::string prefix = "Cannot read the picture \"E5-1.png\": ";
    EXPECT_TRUE(ErrorOf(whole.substr(0, whole.size() - 20)).starts_with(prefix));
    EXPECT_TRUE(ErrorOf("\xFF\xD8\xFF a JPEG").starts_with(prefix));
    std::string garbled = whole;
    garbled[garbled.size() / 2] ^= 0x55;
    EXPECT_TRUE(ErrorOf(garbled).starts_with(prefix));
    EXPECT_EQ(ErrorOf(DeclaringWidth(whole, 30000)),
              prefix + "it declares 30000 x 48 pixels, more than a figure can have");
}

}  // namespace
}  // namespace ktq
