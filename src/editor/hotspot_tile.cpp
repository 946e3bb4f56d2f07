// Hotspot tile bitmaps.
#include "editor/hotspot_tile.h"

#include <cstdint>

#include "editor/picture.h"

namespace velquist {
namespace {

void putLe(std::string& out, size_t at, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out[at + static_cast<size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

bool onFrame(int index, int size) {
    return index < 2 || index >= size - 2;
}

}  // namespace

std::string makeHotspotTile(int width, int height, ColorRef fill, ColorRef border) {
    if (width < 1 || height < 1 || width > kMaxPictureSide || height > kMaxPictureSide ||
        int64_t{width} * height > kMaxPicturePixels) {
        return {};
    }
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    const size_t imageSize = stride * static_cast<size_t>(height);
    std::string bmp(54 + imageSize, '\0');
    bmp[0] = 'B';
    bmp[1] = 'M';
    putLe(bmp, 2, static_cast<uint32_t>(bmp.size()), 4);
    putLe(bmp, 10, 54, 4);  // pixel data offset
    putLe(bmp, 14, 40, 4);  // info header size
    putLe(bmp, 18, static_cast<uint32_t>(width), 4);
    putLe(bmp, 22, static_cast<uint32_t>(height), 4);  // positive: bottom-up
    putLe(bmp, 26, 1, 2);                              // planes
    putLe(bmp, 28, 24, 2);                             // bits per pixel
    putLe(bmp, 34, static_cast<uint32_t>(imageSize), 4);
    for (int y = 0; y < height; ++y) {
        char* row = bmp.data() + 54 + stride * static_cast<size_t>(y);
        for (int x = 0; x < width; ++x) {
            const ColorRef c = onFrame(x, width) || onFrame(y, height) ? border : fill;
            row[3 * x] = static_cast<char>(blueOf(c));
            row[3 * x + 1] = static_cast<char>(greenOf(c));
            row[3 * x + 2] = static_cast<char>(redOf(c));
        }
    }
    return bmp;
}

}  // namespace velquist
