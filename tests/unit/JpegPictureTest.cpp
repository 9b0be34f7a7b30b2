// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "JpegWriter.h"
#include "PngWriter.h"
#include "platform/DefaultPicture.h"
#include "platform/IoError.h"
#include "platform/JpegPicture.h"
#include "platform/PngPicture.h"

namespace ktq {
namespace {

using testsupport::JpegKind;
using testsupport::JpegSpec;
using testsupport::WriteJpeg;

std::string ErrorOf(std::string_view bytes) {
    try {
        DecodeJpeg(bytes, "T-1.jpg");
    } catch (const IoError& e) {
        return e.what();
    }
    return "";
}

TEST(JpegPicture, DefaultPictureDecodesAtItsDesignedSize) {
    Picture p = DecodeJpeg(DefaultPictureJpeg(), "default");
    EXPECT_EQ(p.width, 380);
    EXPECT_EQ(p.height, 351);
    EXPECT_EQ(p.rgb.size(), 380u * 351u * 3u);
    int w = 0, h = 0;
    ReadJpegSize(DefaultPictureJpeg(), "default", w, h);
    EXPECT_EQ(w, 380);
    EXPECT_EQ(h, 351);
}

struct ColourCase {
    const char* name;
    JpegKind kind;
    std::uint8_t color[4];
    std::uint8_t rgb[3];
};

class JpegColourTest : public ::testing::TestWithParam<ColourCase> {};

TEST_P(JpegColourTest, DecodesToItsSizeAndColour) {
    const ColourCase& c = GetParam();
    JpegSpec spec;
    spec.width = 70;
    spec.height = 30;
    spec.kind = c.kind;
    std::copy(std::begin(c.color), std::end(c.color), spec.color);
    const Picture p = DecodeJpeg(WriteJpeg(spec), "T-3.jpg");
    ASSERT_EQ(p.width, 70);
    ASSERT_EQ(p.height, 30);
    ASSERT_EQ(p.rgb.size(), 70u * 30u * 3u);
    const std::size_t middle = (15 * 70 + 35) * 3;
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(p.rgb[middle + i], c.rgb[i], 6) << "channel " << i;
}

// Orange is 255,165,0: no cyan, 90 of magenta, full yellow, no black.
INSTANTIATE_TEST_SUITE_P(
    ColourSpaces, JpegColourTest,
    ::testing::Values(
        ColourCase{"Rgb", JpegKind::Rgb, {255, 165, 0, 0}, {255, 165, 0}},
        ColourCase{"Grayscale", JpegKind::Grayscale, {128, 0, 0, 0}, {128, 128, 128}},
        ColourCase{"Progressive", JpegKind::Progressive, {0, 80, 200, 0}, {0, 80, 200}},
        ColourCase{"AdobeCmyk", JpegKind::AdobeCmyk, {0, 90, 255, 0}, {255, 165, 0}},
        ColourCase{"PlainCmyk", JpegKind::PlainCmyk, {0, 90, 255, 0}, {255, 165, 0}},
        ColourCase{"AdobeYcck", JpegKind::AdobeYcck, {0, 90, 255, 0}, {255, 165, 0}},
        ColourCase{"CmykBlackInk", JpegKind::AdobeCmyk, {0, 0, 0, 128}, {127, 127, 127}}),
    [](const auto& row) { return row.param.name; });

TEST(JpegPicture, BytesThatAreNoPictureRaiseAReadableError) {
    EXPECT_NE(ErrorOf("not a picture at all").find("T-1.jpg"), std::string::npos);
    EXPECT_THROW(DecodeJpeg(DefaultPictureJpeg().substr(0, 200), "cut.jpg"), IoError);
}

TEST(JpegPicture, DataEndingEarlyIsNotDecoded) {
    // libjpeg fills a cut picture with grey and only warns; cut inside the
    // picture data, well past the header.
    JpegSpec spec;
    spec.width = spec.height = 200;
    spec.noise = true;
    const std::string whole = WriteJpeg(spec);
    const std::size_t data = whole.find("\xFF\xDA", 0, 2) + 14;
    ASSERT_GT(whole.size(), data + 4000);
    EXPECT_NE(ErrorOf(whole.substr(0, data + 2000)).find("Premature end"), std::string::npos);
    EXPECT_EQ(ErrorOf(whole), "");
}

TEST(JpegPicture, DataCutInAProgressivePictureIsNotDecoded) {
    JpegSpec spec;
    spec.width = spec.height = 200;
    spec.noise = true;
    spec.kind = JpegKind::Progressive;
    const std::string whole = WriteJpeg(spec);
    EXPECT_NE(ErrorOf(whole.substr(0, whole.size() / 2)), "");
}

TEST(JpegPicture, HugeDeclaredSizeIsRefusedFromTheHeader) {
    // A 156-byte file claiming 65500 x 65500 must not be allocated.
    const std::string header = testsupport::JpegHeaderOnly(65500, 65500);
    EXPECT_NE(ErrorOf(header).find("65500 x 65500"), std::string::npos);
    int w = 0, h = 0;
    EXPECT_THROW(ReadJpegSize(header, "T-1.jpg", w, h), IoError);
    // Within the side limit but past the pixel limit.
    EXPECT_NE(ErrorOf(testsupport::JpegHeaderOnly(15000, 15000)), "");
}

TEST(JpegPicture, LargeHeaderWithoutDataFailsWithoutDecodingIt) {
    EXPECT_NE(ErrorOf(testsupport::JpegHeaderOnly(10000, 10000)).find("Premature end"),
              std::string::npos);
}

TEST(JpegPicture, LargePictureIsDecodedScaledDownKeepingItsDeclaredSize) {
    JpegSpec spec;
    spec.width = 4000;
    spec.height = 1000;
    const Picture p = DecodeJpeg(WriteJpeg(spec), "E5-2.jpg");
    EXPECT_EQ(p.sourceWidth, 4000);
    EXPECT_EQ(p.sourceHeight, 1000);
    EXPECT_LE(p.width, kFigureDecodeBox.width);
    EXPECT_LE(p.height, kFigureDecodeBox.height);
    EXPECT_EQ(p.width, 1000);  // 2/8: the largest eighth that fits 1200 wide
    EXPECT_NEAR(p.rgb[0], 255, 6);
    int w = 0, h = 0;
    ReadJpegSize(WriteJpeg(spec), "E5-2.jpg", w, h);
    EXPECT_EQ(w, 4000);
}

TEST(PngPicture, GrayOrTransparentBecomesRgbAndALargeOneIsScaledDown) {
    Picture p = DecodePng(testsupport::WritePng(70, 30, PNG_FORMAT_GRAY, {128}), "E5-1.png");
    EXPECT_EQ(p.rgb, std::vector<std::uint8_t>(70 * 30 * 3, 128));
    p = DecodePng(testsupport::WritePng(70, 30, PNG_FORMAT_RGBA, {0, 0, 0, 0}), "E5-1.png");
    EXPECT_EQ(p.rgb, std::vector<std::uint8_t>(70 * 30 * 3, 255));  // on white, as on a page
    p = DecodePng(testsupport::WritePng(3000, 100), "E5-1.png");
    EXPECT_EQ(p.sourceWidth, 3000);
    EXPECT_EQ(p.width, 1000);  // by 3, the first factor within 1200 x 620
    EXPECT_EQ(p.height, 34);
    EXPECT_EQ(p.rgb[(33 * 1000 + 999) * 3 + 1], 165);  // an edge block averages what it has
}

// Decoded at the size it is shown: in a process with little room to spare,
// a picture of 24 million pixels (72 MB decoded whole) still comes through.
TEST(PngPicture, AHugePictureIsScaledAsItIsRead) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's own reservations do not fit a limit on the address space";
#endif
    const std::string huge = testsupport::WritePng(6000, 4000, PNG_FORMAT_GRAY, {90});
    const pid_t pid = fork();
    if (pid == 0) {
        long pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        const rlim_t room = static_cast<rlim_t>(pages) * sysconf(_SC_PAGESIZE) + (32 << 20);
        const rlimit limit{room, room};
        setrlimit(RLIMIT_AS, &limit);
        try {
            _exit(DecodePng(huge, "E5-1.png").width == 858 ? 0 : 2);
        } catch (...) {
            _exit(1);
        }
    }
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

TEST(PngPicture, DamagedOrOutOfBoundsDataIsReportedAsAJpegIs) {
    const std::string whole = testsupport::WritePng();
    std::string garbled = whole;
    garbled[garbled.size() / 2] ^= 0x55;
    for (const std::string& bad :
         {whole.substr(0, whole.size() - 20), garbled, std::string("\xFF\xD8\xFF a JPEG"),
          testsupport::WritePng(30000, 1)}) {
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
