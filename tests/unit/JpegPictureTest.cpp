#include <gtest/gtest.h>

#include "platform/DefaultPicture.h"
#include "platform/IoError.h"
#include "platform/JpegPicture.h"

namespace ktq {
namespace {

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

TEST(JpegPicture, BytesThatAreNoPictureRaiseAReadableError) {
    try {
        DecodeJpeg("not a picture at all", "T-1.jpg");
        FAIL() << "expected an IoError";
    } catch (const IoError& e) {
        EXPECT_NE(std::string(e.what()).find("T-1.jpg"), std::string::npos);
    }
    std::string_view all = DefaultPictureJpeg();
    EXPECT_THROW(DecodeJpeg(all.substr(0, 200), "cut.jpg"), IoError);
}

}  // namespace
}  // namespace ktq
