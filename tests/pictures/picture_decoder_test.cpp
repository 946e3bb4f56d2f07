// Decoding real files made by each format's encoder, and refusing damaged or oversized ones.
#include "pictures/picture_decoder.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <string>

#include "allocation_watch.h"
#include "pictures/messages.h"
#include "test_pictures.h"

namespace velquist {
namespace {

using test::JpegKind;
using test::makeBmp;
using test::makeGif;
using test::makeJpeg;
using test::makePng;
using test::makeWebp;
using test::PngKind;

// The refusal names the limits themselves.
constexpr const char* kTooLarge = "图片太大：宽和高最多 32768 像素，总共最多 67108864 像素";

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
    EXPECT_EQ(decodePicture("").error(), pictures_messages::kPictureEmpty);
    EXPECT_EQ(decodePicture("hello, world").error(), pictures_messages::kPictureUnrecognised);
    EXPECT_EQ(decodePicture("BM").error(), pictures_messages::kPictureTruncated);
}

TEST(PictureDecoder, SignaturesNeedTheirFullLength) {
    using namespace std::string_view_literals;
    EXPECT_EQ(decodePicture("GIF89").error(), pictures_messages::kPictureUnrecognised);
    EXPECT_NE(decodePicture("GIF89a").error(), pictures_messages::kPictureUnrecognised);
    EXPECT_EQ(decodePicture("\x89PNG\r\n\x1A"sv).error(), pictures_messages::kPictureUnrecognised);
    EXPECT_EQ(decodePicture("\x89PNG\r\n\x1A\n"sv).error(), pictures_messages::kPictureTruncated);
    EXPECT_EQ(decodePicture("\xFF\xD8\xFF"sv).error(), pictures_messages::kPictureTruncated);
    EXPECT_NE(decodePicture("RIFF\0\0\0\0WEBP"sv).error(), pictures_messages::kPictureUnrecognised);
    EXPECT_EQ(decodePicture("RIFF\0\0\0\0WAVE"sv).error(), pictures_messages::kPictureUnrecognised);
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

TEST(BmpDecoder, ReadsPalettedBitmapsOfEveryDepth) {
    const std::vector<uint32_t> palette{0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0x808080};
    for (int bits : {1, 4, 8}) {
        const int colors = bits == 1 ? 2 : 5;
        const auto index = [colors](int x, int y) { return (x * 3 + y) % colors; };
        // Width 11 puts pixels across byte boundaries and leaves a partly used last byte.
        Result<Picture> picture = decodePicture(test::makePalettedBmp(11, 3, bits, palette, index));
        ASSERT_TRUE(picture.ok()) << picture.error();
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 11; ++x) {
                ASSERT_EQ(picture->pixels[y * 11 + x], palette[static_cast<size_t>(index(x, y))])
                    << bits;
            }
        }
    }
    // An index past the colour table reads as black instead of reading past the table.
    Result<Picture> shortTable = decodePicture(
        test::makePalettedBmp(2, 1, 8, {0xFFFFFF}, [](int x, int) { return x * 200; }));
    ASSERT_TRUE(shortTable.ok());
    EXPECT_EQ(shortTable->pixels, (std::vector<uint32_t>{0xFFFFFF, 0}));
}

TEST(BmpDecoder, HotspotTileOfOnePixelDecodes) {
    Result<Picture> picture =
        decodePicture(makeBmp(1, 1, 24, false, [](int, int) { return 0x80E000u; }));
    ASSERT_TRUE(picture.ok()) << picture.error();
    EXPECT_EQ(picture->pixels, std::vector<uint32_t>{0x80E000u});
}

TEST(BmpDecoder, RefusesTruncatedHostileAndOversizedBitmaps) {
    const std::string good = makeBmp(7, 4, 24, false, pattern);
    for (size_t cut : {size_t{20}, size_t{54}, good.size() - 4}) {
        EXPECT_EQ(decodePicture(good.substr(0, cut)).error(), pictures_messages::kPictureTruncated)
            << cut;
    }
    // Claims 20000 x 20000 (over the pixel limit) with almost no data.
    std::string huge = good;
    huge[18] = static_cast<char>(0x20), huge[19] = static_cast<char>(0x4E);
    huge[22] = static_cast<char>(0x20), huge[23] = static_cast<char>(0x4E);
    EXPECT_EQ(decodePicture(huge).error(), kTooLarge);
    EXPECT_EQ(decodePicture(huge).code(), StatusCode::TooLarge);
    // Height -2^31 must not overflow when made positive.
    std::string negative = good;
    negative[22] = negative[23] = negative[24] = 0, negative[25] = static_cast<char>(0x80);
    EXPECT_EQ(decodePicture(negative).error(), kTooLarge);
    // Pixel data said to start beyond the end of the file.
    std::string offset = good;
    offset[13] = static_cast<char>(0x7F);
    EXPECT_EQ(decodePicture(offset).error(), pictures_messages::kPictureTruncated);
    std::string compressed = good;
    compressed[30] = 1;  // run-length compression is not supported
    EXPECT_EQ(decodePicture(compressed).error(), pictures_messages::kBmpUnsupported);
}

// Replaces bytes of a file, to make it lie about itself.
std::string patched(std::string bytes, size_t at, std::initializer_list<uint8_t> values) {
    for (uint8_t v : values) {
        bytes[at++] = static_cast<char>(v);
    }
    return bytes;
}

uint32_t withTransparency(int x, int y) {
    return static_cast<uint32_t>((x * 37 + y * 11) & 0xFF) << 24 | pattern(x, y);
}

TEST(PngDecoder, KeepsTransparencyOfEveryColourType) {
    for (PngKind kind : {PngKind::rgba, PngKind::interlacedRgba}) {
        Result<Picture> picture = decodePicture(makePng(13, 11, kind, withTransparency));
        ASSERT_TRUE(picture.ok()) << picture.error();
        ASSERT_EQ(picture->width, 13);
        for (int y = 0; y < 11; ++y) {
            for (int x = 0; x < 13; ++x) {
                ASSERT_EQ(picture->pixels[y * 13 + x], withTransparency(x, y)) << x << "," << y;
            }
        }
        EXPECT_FALSE(picture->opaque);
    }
    const auto palette = [](int x, int y) {
        return (x + y) % 3 == 0 ? 0xFF000000u : (x % 2 ? 0x80FF0000u : 0x0000FF00u);
    };
    Result<Picture> paletted = decodePicture(makePng(6, 5, PngKind::paletteWithTrns, palette));
    ASSERT_TRUE(paletted.ok()) << paletted.error();
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 6; ++x) {
            ASSERT_EQ(paletted->pixels[y * 6 + x], palette(x, y));
        }
    }
    Result<Picture> grey = decodePicture(makePng(4, 4, PngKind::grey16, pattern));
    ASSERT_TRUE(grey.ok()) << grey.error();
    EXPECT_EQ(grey->pixels[5], (pattern(1, 1) >> 8 & 0xFF) * 0x010101u);
    EXPECT_TRUE(grey->opaque);
}

TEST(PngDecoder, RefusesTruncatedDamagedAndOversizedFiles) {
    const std::string good = makePng(40, 30, PngKind::rgba, withTransparency);
    for (size_t cut : {size_t{20}, size_t{40}, good.size() / 2, good.size() - 13}) {
        EXPECT_EQ(decodePicture(good.substr(0, cut)).error(), pictures_messages::kPictureTruncated)
            << cut;
    }
    EXPECT_EQ(decodePicture(patched(good, 16, {0, 0, 0x9C, 0x40})).error(),
              kTooLarge);  // 40000 wide
    // 8193 x 8193 keeps each side legal but passes 64 megapixels.
    EXPECT_EQ(decodePicture(patched(good, 16, {0, 0, 0x20, 0x01, 0, 0, 0x20, 0x01})).error(),
              kTooLarge);
    EXPECT_EQ(decodePicture(patched(good, 60, {0xDE, 0xAD})).error(),
              pictures_messages::kPictureDamaged);
}

// One PNG chunk: length, type, data and CRC.
std::string pngChunk(std::string_view type, std::string_view data) {
    std::string chunk;
    for (int shift : {24, 16, 8, 0}) {
        chunk += static_cast<char>(data.size() >> shift);
    }
    chunk.append(type).append(data);
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(chunk.data() + 4),
                            static_cast<uInt>(chunk.size() - 4));
    for (int shift : {24, 16, 8, 0}) {
        chunk += static_cast<char>(crc >> shift);
    }
    return chunk;
}

TEST(PngDecoder, RefusesDataThatFailsItsChecksums) {
    const std::string good = makePng(40, 30, PngKind::rgba, withTransparency);
    const size_t idat = good.find("IDAT");
    const size_t size =
        static_cast<uint8_t>(good[idat - 2]) << 8 | static_cast<uint8_t>(good[idat - 1]);
    std::string pixels = good.substr(idat + 4, size);
    // The compressed pixels end with their own checksum, here wrong and in a chunk of its own
    // (so that every row is complete before it is read), with every chunk's CRC right.
    pixels.back() ^= 1;
    const std::string pixelsDamaged =
        good.substr(0, idat - 4) + pngChunk("IDAT", pixels.substr(0, size - 4)) +
        pngChunk("IDAT", pixels.substr(size - 4)) + good.substr(idat + 8 + size);
    EXPECT_EQ(decodePicture(pixelsDamaged).error(), pictures_messages::kPictureDamaged);
    // libpng would drop a transparency chunk whose CRC fails and show the picture without it.
    std::string transparencyDamaged = makePng(6, 5, PngKind::paletteWithTrns, [](int x, int y) {
        return (x + y) % 2 ? 0x80FF0000u : 0x0000FF00u;
    });
    transparencyDamaged[transparencyDamaged.find("tRNS") + 4] ^= 1;
    EXPECT_EQ(decodePicture(transparencyDamaged).error(), pictures_messages::kPictureDamaged);
}

TEST(PngDecoder, ChunksClaimingMoreThanTheFileHoldsAllocateNothingLarge) {
    // Signature and header of a real file, then a chunk that claims 256 MiB and ends the file.
    const std::string head = makePng(7, 5, PngKind::paletteWithTrns, pattern).substr(0, 33);
    for (const char* type : {"tEXt", "zTXt", "iTXt", "iCCP", "sPLT", "eXIf"}) {
        test::AllocationWatch watch;
        EXPECT_EQ(decodePicture(head + std::string("\x10\0\0\0", 4) + type + "abc").error(),
                  pictures_messages::kPictureTruncated);
        EXPECT_LT(watch.largest(), size_t{1} << 20) << type;
    }
}

TEST(GifDecoder, ShowsTheFirstFrameWithItsTransparentColour) {
    const std::vector<uint32_t> colors{0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0x123456};
    const auto index = [](int x, int y) { return (x * 3 + y) % 5; };
    for (bool interlaced : {false, true}) {
        Result<Picture> picture = decodePicture(makeGif(9, 19, interlaced, colors, 0, index));
        ASSERT_TRUE(picture.ok()) << picture.error();
        ASSERT_EQ(picture->width, 9);
        ASSERT_EQ(picture->height, 19);
        for (int y = 0; y < 19; ++y) {
            for (int x = 0; x < 9; ++x) {
                const int i = index(x, y);
                ASSERT_EQ(picture->pixels[y * 9 + x],
                          i == 0 ? 0xFF000000u : colors[static_cast<size_t>(i)])
                    << x << "," << y << " interlaced " << interlaced;
            }
        }
    }
}

TEST(GifDecoder, RefusesTruncatedAndOversizedFiles) {
    const std::string good =
        makeGif(30, 20, false, {0, 0xFFFFFF}, -1, [](int x, int y) { return (x ^ y) & 1; });
    // The first frame's image data starts after the 781-byte header, colour table and control
    // block.
    for (size_t cut : {size_t{10}, size_t{400}, size_t{800}}) {
        EXPECT_FALSE(decodePicture(good.substr(0, cut)).ok()) << cut;
    }
    EXPECT_EQ(decodePicture(good.substr(0, 800)).error(), pictures_messages::kPictureTruncated);
    EXPECT_EQ(decodePicture(patched(good, 6, {0x40, 0x9C})).error(), kTooLarge);
    EXPECT_EQ(decodePicture("GIF89a").error(), pictures_messages::kPictureTruncated);
}

// Lossy coding moves channels a little; a wrong layout or colour space moves them a lot.
void expectClose(const Picture& picture, int width, int height, const test::PixelAt& expected) {
    ASSERT_EQ(picture.width, width);
    ASSERT_EQ(picture.height, height);
    EXPECT_TRUE(picture.opaque);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t got = picture.pixels[y * width + x];
            const uint32_t want = expected(x, y);
            ASSERT_EQ(got >> 24, 0u);
            for (int shift : {0, 8, 16}) {
                ASSERT_NEAR(static_cast<int>(got >> shift & 0xFF),
                            static_cast<int>(want >> shift & 0xFF), 4)
                    << x << "," << y;
            }
        }
    }
}

TEST(JpegDecoder, ReadsBaselineProgressiveGreyAndCmyk) {
    for (JpegKind kind : {JpegKind::baseline, JpegKind::progressive}) {
        Result<Picture> picture = decodePicture(makeJpeg(17, 9, kind, pattern));
        ASSERT_TRUE(picture.ok()) << picture.error();
        expectClose(*picture, 17, 9, pattern);
    }
    Result<Picture> grey = decodePicture(makeJpeg(8, 8, JpegKind::grey, pattern));
    ASSERT_TRUE(grey.ok()) << grey.error();
    expectClose(*grey, 8, 8, [](int x, int y) { return (pattern(x, y) >> 8 & 0xFF) * 0x010101u; });
    // Inverted CMYK as Adobe writes it: left half red (no cyan ink), right half half-black.
    const auto cmyk = [](int x, int) { return x < 4 ? 0xFFFF0000u : 0x80FFFFFFu; };
    Result<Picture> converted = decodePicture(makeJpeg(8, 8, JpegKind::adobeCmyk, cmyk));
    ASSERT_TRUE(converted.ok()) << converted.error();
    expectClose(*converted, 8, 8, [](int x, int) { return x < 4 ? 0xFF0000u : 0x7F7F7Fu; });
}

TEST(JpegDecoder, RefusesTruncatedOversizedAndEndlessFiles) {
    for (JpegKind kind : {JpegKind::baseline, JpegKind::progressive}) {
        const std::string good = makeJpeg(64, 48, kind, pattern);
        EXPECT_EQ(decodePicture(good.substr(0, good.size() / 2)).error(),
                  pictures_messages::kPictureTruncated);
        EXPECT_EQ(decodePicture(good.substr(0, 100)).error(), pictures_messages::kPictureTruncated);
        const size_t frame = good.find(kind == JpegKind::baseline ? "\xFF\xC0" : "\xFF\xC2");
        ASSERT_NE(frame, std::string::npos);
        // Height 48 becomes 40000.
        EXPECT_EQ(decodePicture(patched(good, frame + 5, {0x9C, 0x40})).error(), kTooLarge);
    }
    EXPECT_EQ(decodePicture(test::makeManyScanJpeg(16, 16)).error(),
              pictures_messages::kJpegTooManyScans);
}

// Where libjpeg has to make up pixels (grey) because the scan data is unusable, it only warns.
TEST(JpegDecoder, RefusesScanDataItWouldHaveToFillIn) {
    for (JpegKind kind : {JpegKind::baseline, JpegKind::progressive}) {
        const std::string good = makeJpeg(64, 48, kind, pattern);
        const size_t scan = good.find("\xFF\xDA");
        ASSERT_NE(scan, std::string::npos);
        const size_t data =
            scan + 2 +
            (static_cast<uint8_t>(good[scan + 2]) << 8 | static_cast<uint8_t>(good[scan + 3]));
        // A scan cut short by the end marker, as when the middle of a file went missing.
        const std::string cut = good.substr(0, data + 40) + "\xFF\xD9";
        EXPECT_EQ(decodePicture(cut).error(), pictures_messages::kPictureDamaged);
        // Headers intact, the first scan overwritten with noise (which holds byte pairs that
        // read as markers, as noise does).
        size_t end = data;
        while (!(good[end] == '\xFF' && good[end + 1] != 0)) {
            ++end;
        }
        std::string garbage = good;
        for (size_t i = data; i < end; ++i) {
            garbage[i] = static_cast<char>(i * 73 + 19);
        }
        EXPECT_EQ(decodePicture(garbage).error(), pictures_messages::kPictureDamaged);
    }
}

TEST(WebpDecoder, ReadsStillAndAnimatedPicturesExactly) {
    Result<Picture> still = decodePicture(makeWebp(11, 7, withTransparency));
    ASSERT_TRUE(still.ok()) << still.error();
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 11; ++x) {
            ASSERT_EQ(still->pixels[y * 11 + x], withTransparency(x, y));
        }
    }
    Result<Picture> animated =
        decodePicture(test::makeAnimatedWebp(6, 5, pattern, [](int, int) { return 0x123456u; }));
    ASSERT_TRUE(animated.ok()) << animated.error();
    expectPattern(*animated, 6, 5);
    EXPECT_TRUE(animated->opaque);
}

TEST(WebpDecoder, RefusesTruncatedAndOversizedFiles) {
    const std::string still = makeWebp(40, 30, withTransparency);
    EXPECT_FALSE(decodePicture(still.substr(0, still.size() / 2)).ok());
    EXPECT_EQ(decodePicture(still.substr(0, 20)).error(), pictures_messages::kPictureTruncated);
    const std::string animated = test::makeAnimatedWebp(6, 5, pattern, withTransparency);
    ASSERT_EQ(animated.substr(12, 4), "VP8X");
    // The canvas width (minus one, 24 bits) becomes 40000.
    EXPECT_EQ(decodePicture(patched(animated, 24, {0x3F, 0x9C, 0})).error(), kTooLarge);
    EXPECT_FALSE(decodePicture(animated.substr(0, animated.size() - 10)).ok());
}

TEST(WebpDecoder, ATinyFileAtThePixelLimitAllocatesOnlyThePicture) {
    // 56 bytes of lossless WebP that claim a picture at the pixel limit (found by fuzzing). The
    // picture itself may be allocated, plus the 32 rows of work space libwebp adds; no more.
    constexpr unsigned char kTiny[] = {
        0x52, 0x49, 0x46, 0x46, 0x30, 0x00, 0x00, 0x00, 0x57, 0x45, 0x42, 0x50, 0x56, 0x50,
        0x38, 0x4C, 0x23, 0x00, 0x00, 0x00, 0x2F, 0xFE, 0xFF, 0xFF, 0x13, 0x99, 0x8C, 0xE8,
        0x7F, 0x6C, 0x22, 0xA2, 0xFF, 0x61, 0x50, 0xD0, 0xB6, 0x0D, 0x53, 0x24, 0xE5, 0x0F,
        0xF4, 0x8E, 0xC1, 0x34, 0x28, 0x55, 0x18, 0xE2, 0x09, 0x78, 0x2C, 0xC9, 0x09, 0x00};
    const std::string tiny(reinterpret_cast<const char*>(kTiny), sizeof kTiny);
    test::AllocationWatch watch;
    EXPECT_EQ(decodePicture(tiny).error(), pictures_messages::kPictureDamaged);
    EXPECT_LE(watch.largest(), size_t{kMaxPicturePixels} * 4 + size_t{kMaxPictureSide} * 4 * 32);
}

}  // namespace
}  // namespace velquist
