#include <gtest/gtest.h>

#include "PngWriter.h"
#include "platform/IoError.h"
#include "platform/PngPicture.h"

namespace ktq {
namespace {

using testsupport::WritePng;

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
    std::string garbled = whole;
    garbled[garbled.size() / 2] ^= 0x55;
    for (const std::string& bad : {whole.substr(0, whole.size() - 20), garbled,
                                   std::string("\xFF\xD8\xFF a JPEG"), WritePng(30000, 1)}) {
        try {
            DecodePng(bad, "E5-1.png");
            ADD_FAILURE() << "decoded";
        } catch (const IoError& e) {
            EXPECT_TRUE(
                std::string(e.what()).starts_with("Cannot read the picture \"E5-1.png\": "));
        }
    }
}

}  // namespace
}  // namespace ktq
