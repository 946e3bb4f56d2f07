// Hotspot tiles, drawn straight into a pixel buffer.
#include "editor/hotspot_tile.h"

#include <algorithm>
#include <cstdint>

namespace velquist {
namespace {

constexpr int kFrame = 2;

}  // namespace

bool tileSizeAllowed(int width, int height) {
    return width >= 1 && height >= 1 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           int64_t{width} * height <= kMaxPicturePixels;
}

Picture makeHotspotTile(int width, int height, ColorRef fill, ColorRef border) {
    Picture tile;
    if (!tileSizeAllowed(width, height)) {
        return tile;
    }
    tile.width = width;
    tile.height = height;
    tile.opaque = true;
    const size_t w = static_cast<size_t>(width);
    tile.pixels.assign(w * static_cast<size_t>(height), toHexRgb(border));
    const uint32_t inside = toHexRgb(fill);
    const int frameX = std::min(kFrame, width);
    for (int y = kFrame; y < height - kFrame; ++y) {
        uint32_t* row = tile.pixels.data() + w * static_cast<size_t>(y);
        std::fill(row + frameX, row + std::max(frameX, width - kFrame), inside);
    }
    return tile;
}

}  // namespace velquist
