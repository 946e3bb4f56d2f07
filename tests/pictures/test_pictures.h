// Small pictures for the editor tests, made in memory with each format's own encoder.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "pictures/picture.h"

namespace velquist::test {

// Pixel colours as 0xTTRRGGBB, TT the transparency, like Picture.
using PixelAt = std::function<uint32_t(int x, int y)>;

Picture makePicture(int width, int height, const PixelAt& pixel);
Picture solidPicture(int width, int height, uint32_t pixel);

// An uncompressed Windows bitmap of 24 or 32 bits (32 bits carry alpha as 255 - TT).
std::string makeBmp(int width, int height, int bits, bool topDown, const PixelAt& pixel);
// A bitmap of 1, 4 or 8 bits whose pixels are indexes into `palette` (0x00RRGGBB entries).
std::string makePalettedBmp(int width, int height, int bits, const std::vector<uint32_t>& palette,
                            const std::function<int(int x, int y)>& index);

enum class PngKind { rgba, interlacedRgba, paletteWithTrns, grey16 };
// Palette pictures take their colour table from the pixels (at most 256 distinct values);
// grey pictures take the green channel.
std::string makePng(int width, int height, PngKind kind, const PixelAt& pixel);

// Two frames: the first from `pixel` over a palette of `colors` (index = pixel value),
// index `transparentIndex` transparent; the second all index 1.
std::string makeGif(int width, int height, bool interlaced, const std::vector<uint32_t>& colors,
                    int transparentIndex, const std::function<int(int x, int y)>& pixel);

enum class JpegKind { baseline, progressive, grey, adobeCmyk };
// Quality 100 without chroma subsampling; for adobeCmyk the pixel is inverted C, M, Y, K
// in the bytes R, G, B, TT.
std::string makeJpeg(int width, int height, JpegKind kind, const PixelAt& pixel);
// A valid progressive JPEG with 190 scans: the DC scan, then every AC coefficient of each
// of the three components in a scan of its own.
std::string makeManyScanJpeg(int width, int height);

// Lossless, so every pixel (transparency included) comes back exactly.
std::string makeWebp(int width, int height, const PixelAt& pixel);
// Two frames, the first from `first`, the second from `second`.
std::string makeAnimatedWebp(int width, int height, const PixelAt& first, const PixelAt& second);

}  // namespace velquist::test
