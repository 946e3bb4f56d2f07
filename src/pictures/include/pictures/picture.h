// A decoded picture: 32-bit pixels with the pixel's own transparency in the top byte.
#pragma once

#include <cstdint>
#include <vector>

namespace velquist {

// Limits checked before any large allocation.
inline constexpr int kMaxPictureSide = 32768;
inline constexpr int64_t kMaxPicturePixels = int64_t{64} * 1024 * 1024;

// One picture of a page stacked from several: its size. Its top is the sum of the heights above.
struct PicturePart {
    int width = 0;
    int height = 0;
    bool operator==(const PicturePart&) const = default;
};

struct Picture {
    int width = 0;
    int height = 0;
    // Row-major, one 0xTTRRGGBB value per pixel: TT is the pixel's transparency
    // (0 opaque, 255 fully transparent).
    std::vector<uint32_t> pixels;
    // True when every pixel's transparency is 0 (lets drawing skip the per-pixel term).
    bool opaque = false;
    // A page stacked from several pictures (each under the one before, left edges aligned, the
    // rest of a narrower one's rows transparent): their sizes, top to bottom. Empty for one.
    std::vector<PicturePart> parts;

    bool empty() const { return width <= 0 || height <= 0; }
};

}  // namespace velquist
