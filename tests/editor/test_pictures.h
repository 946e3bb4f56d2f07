// Small pictures for the editor tests, made in memory with each format's own encoder.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "editor/picture.h"

namespace velquist::test {

// Pixel colours as 0xTTRRGGBB, TT the transparency, like Picture.
using PixelAt = std::function<uint32_t(int x, int y)>;

Picture makePicture(int width, int height, const PixelAt& pixel);
Picture solidPicture(int width, int height, uint32_t pixel);

// An uncompressed Windows bitmap of 24 or 32 bits (32 bits carry alpha as 255 - TT).
std::string makeBmp(int width, int height, int bits, bool topDown, const PixelAt& pixel);

}  // namespace velquist::test
