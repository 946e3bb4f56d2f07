#include "slicing/slice_encoding.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

#include "pictures/picture_decoder.h"
#include "pictures/picture_encoder.h"

namespace velquist {
namespace {

// Busy enough that the quality decides the size: a file at the best quality is several times
// the file at the least.
Picture busyPicture(int width, int height) {
    Picture p{width, height, std::vector<uint32_t>(size_t(width) * size_t(height)), true, {}};
    uint32_t state = 12345;
    for (uint32_t& pixel : p.pixels) {
        state = state * 1103515245 + 12345;
        pixel = (state >> 8) & 0x3F3F3F;
        pixel += 0x606060;
    }
    return p;
}

TEST(SliceEncoding, PngIsExactlyTheAreaAndJpegHasItsSize) {
    Picture p = busyPicture(40, 30);
    p.pixels[size_t(12) * 40 + 7] = 0x80FF0000;  // half transparent red
    p.opaque = false;
    const Rect area{5, 10, 20, 15};
    Result<std::string> png = encodePng(p, area);
    ASSERT_TRUE(png) << png.error();
    Result<Picture> back = decodePicture(*png);
    ASSERT_TRUE(back) << back.error();
    ASSERT_EQ(back->width, 20);
    ASSERT_EQ(back->height, 15);
    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 20; ++x) {
            ASSERT_EQ(back->pixels[size_t(y) * 20 + size_t(x)],
                      p.pixels[size_t(y + 10) * 40 + size_t(x + 5)])
                << x << "," << y;
        }
    }
    Result<std::string> jpeg = encodeJpeg(p, area, 92);
    ASSERT_TRUE(jpeg);
    back = decodePicture(*jpeg);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->width, 20);
    EXPECT_EQ(back->height, 15);
    EXPECT_FALSE(encodeJpeg(p, {30, 0, 20, 10}, 92));  // past the right side
}

TEST(SliceEncoding, TheBestQualityThatFitsTheBudgetIsFoundAndAMissIsTold) {
    const Picture p = busyPicture(300, 200);
    const Rect all{0, 0, 300, 200};
    const size_t best = encodeJpeg(p, all, kBestSliceQuality)->size();
    const size_t least = encodeJpeg(p, all, kLeastSliceQuality)->size();
    ASSERT_GT(best, least + least / 2);

    Result<EncodedSlice> roomy = encodeJpegWithin(p, all, best);
    ASSERT_TRUE(roomy);
    EXPECT_EQ(roomy->quality, kBestSliceQuality);

    const size_t budget = (best + least) / 2;
    Result<EncodedSlice> fitted = encodeJpegWithin(p, all, budget);
    ASSERT_TRUE(fitted);
    EXPECT_TRUE(fitted->withinBudget);
    EXPECT_LE(fitted->bytes.size(), budget);
    EXPECT_LT(fitted->quality, kBestSliceQuality);
    EXPECT_GT(encodeJpeg(p, all, fitted->quality + 1)->size(), budget);

    Result<EncodedSlice> over = encodeJpegWithin(p, all, least - 1);
    ASSERT_TRUE(over);
    EXPECT_FALSE(over->withinBudget);
    EXPECT_EQ(over->quality, kLeastSliceQuality);
    EXPECT_EQ(over->bytes.size(), least);
}

}  // namespace
}  // namespace velquist
