// Decoding real files made by each format's encoder, and refusing damaged or oversized ones.
#include "editor/picture_decoder.h"

#include <gtest/gtest.h>

#include <string>

#include "editor/messages.h"
#include "test_pictures.h"

namespace velquist {
namespace {

using test::makeBmp;

// A picture with distinct colours in every corner, so flips and shifts show.
uint32_t pattern(int x, int y) {
    return static_cast<uint32_t>((x * 40) << 16 | (y * 30) << 8 | ((x + y) * 10));
}

void expectPattern(const Picture& picture, int width, int height) {
    ASSERT_EQ(picture.width, width);
    ASSERT_EQ(picture.height, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            ASSERT_EQ(picture.pixels[y * width + x], pattern(x, y)) << x << "," << y;
        }
    }
}

TEST(PictureDecoder, RefusesEmptyAndUnknownData) {
    EXPECT_EQ(decodePicture("").error(), messages::kPictureEmpty);
    EXPECT_EQ(decodePicture("hello, world").error(), messages::kPictureUnrecognised);
    EXPECT_EQ(decodePicture("BM").error(), messages::kPictureTruncated);
}

TEST(PictureDecoder, TooLargeMessageNamesTheLimits) {
    const std::string message = messages::kPictureTooLarge;
    EXPECT_NE(message.find(std::to_string(kMaxPictureSide)), std::string::npos);
    EXPECT_NE(message.find(std::to_string(kMaxPicturePixels)), std::string::npos);
}

TEST(BmpDecoder, ReadsBottomUpAndTopDown24BitBitmaps) {
    for (bool topDown : {false, true}) {
        // Width 5 makes every row carry padding.
        Result<Picture> picture = decodePicture(makeBmp(5, 3, 24, topDown, pattern));
        ASSERT_TRUE(picture.ok()) << picture.error();
        expectPattern(*picture, 5, 3);
        EXPECT_TRUE(picture->opaque);
    }
}

TEST(BmpDecoder, Reads32BitAlphaAsTransparency) {
    Result<Picture> picture = decodePicture(makeBmp(3, 2, 32, false, [](int x, int y) {
        return static_cast<uint32_t>(x * 100 + y) << 24 | 0x123456;
    }));
    ASSERT_TRUE(picture.ok()) << picture.error();
    EXPECT_EQ(picture->pixels[0], 0x00123456u);
    EXPECT_EQ(picture->pixels[5], 0xC9123456u);  // x 2, y 1: transparency 201
    EXPECT_FALSE(picture->opaque);
}

TEST(BmpDecoder, HotspotTileOfOnePixelDecodes) {
    Result<Picture> picture = decodePicture(makeBmp(1, 1, 24, false, [](int, int) { return 0x80E000u; }));
    ASSERT_TRUE(picture.ok()) << picture.error();
    EXPECT_EQ(picture->pixels, std::vector<uint32_t>{0x80E000u});
}

TEST(BmpDecoder, RefusesTruncatedHostileAndOversizedBitmaps) {
    const std::string good = makeBmp(7, 4, 24, false, pattern);
    for (size_t cut : {size_t{20}, size_t{54}, good.size() - 4}) {
        EXPECT_EQ(decodePicture(good.substr(0, cut)).error(), messages::kPictureTruncated) << cut;
    }
    // Claims 20000 x 20000 (over the pixel limit) with almost no data.
    std::string huge = good;
    huge[18] = static_cast<char>(0x20), huge[19] = static_cast<char>(0x4E);
    huge[22] = static_cast<char>(0x20), huge[23] = static_cast<char>(0x4E);
    EXPECT_EQ(decodePicture(huge).error(), messages::kPictureTooLarge);
    // Height -2^31 must not overflow when made positive.
    std::string negative = good;
    negative[22] = negative[23] = negative[24] = 0, negative[25] = static_cast<char>(0x80);
    EXPECT_EQ(decodePicture(negative).error(), messages::kPictureTooLarge);
    // Pixel data said to start beyond the end of the file.
    std::string offset = good;
    offset[13] = static_cast<char>(0x7F);
    EXPECT_EQ(decodePicture(offset).error(), messages::kPictureTruncated);
    std::string compressed = good;
    compressed[30] = 1;  // run-length compression is not supported
    EXPECT_EQ(decodePicture(compressed).error(), messages::kBmpUnsupported);
}

}  // namespace
}  // namespace velquist
