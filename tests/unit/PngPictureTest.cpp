#include <gtest/gtest.h>

#include "PngWriter.h"
#include "platform/IoError.h"
#include "platform/PngPicture.h"

namespace ktq {
namespace {

using testsupport::WritePng;

std::string ErrorOf(std::string_view bytes) {
    try {
        DecodePng(bytes, "E5-1.png");
    } catch (const IoError& e) {
        return e.what();
    }
    return "";
}

TEST(PngPicture, GrayOrTransparentBecomesRgbAndALargeOneIsScaledDown) {
    Picture p = DecodePng(WritePng(70, 30, PNG_FORMAT_GRAY, {128}), "E5-1.png");
    EXPECT_EQ(p.rgb, std::vector<std::uint8_t>(70 * 30 * 3, 128));
    p = DecodePng(WritePng(70, 30, PNG_FORMAT_RGBA, {0, 0, 0, 0}), "E5-1.png");
    EXPECT_EQ(p.rgb, std::vector<std::uint8_t>(70 * 30 * 3, 255));  // on white, as on a page
    p = DecodePng(WritePng(3000, 100), "E5-1.png");
    EXPECT_EQ(p.sourceWidth, 3000);
    EXPECT_EQ(p.width, 1000);  // by 3, the first factor within 1200 x 620
    EXPECT_EQ(p.height, 34);
    EXPECT_EQ(p.rgb[(33 * 1000 + 999) * 3 + 1], 165);  // an edge block averages what it has
}

TEST(PngPicture, DamagedOrOutOfBoundsDataIsReportedAsAJpegIs) {
    const std::string whole = WritePng();
    const std::string prefix = "Cannot read the picture \"E5-1.png\": ";
    std::string garbled = whole;
    garbled[garbled.size() / 2] ^= 0x55;
    for (const std::string& bad :
         {whole.substr(0, whole.size() - 20), garbled, std::string("\xFF\xD8\xFF a JPEG")})
        EXPECT_TRUE(ErrorOf(bad).starts_with(prefix)) << ErrorOf(bad);
    EXPECT_EQ(ErrorOf(WritePng(30000, 1)),
              prefix + "it declares 30000 x 1 pixels, more than a figure can have");
}

}  // namespace
}  // namespace ktq
