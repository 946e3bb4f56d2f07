// Small pictures for the editor tests, made in memory with each format's own encoder.
#include "test_pictures.h"

namespace velquist::test {
namespace {

void putLe(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

}  // namespace

Picture makePicture(int width, int height, const PixelAt& pixel) {
    Picture picture;
    picture.width = width;
    picture.height = height;
    picture.opaque = true;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.pixels.push_back(pixel(x, y));
            picture.opaque = picture.opaque && (picture.pixels.back() >> 24) == 0;
        }
    }
    return picture;
}

Picture solidPicture(int width, int height, uint32_t pixel) {
    return makePicture(width, height, [pixel](int, int) { return pixel; });
}

std::string makeBmp(int width, int height, int bits, bool topDown, const PixelAt& pixel) {
    const int stride = (width * bits + 31) / 32 * 4;
    const bool withAlpha = bits == 32;
    const uint32_t infoSize = withAlpha ? 108 : 40;  // 32 bits: a header that names the alpha mask
    const uint32_t offset = 14 + infoSize;
    std::string out = "BM";
    putLe(out, offset + stride * height, 4);
    putLe(out, 0, 4);
    putLe(out, offset, 4);
    putLe(out, infoSize, 4);
    putLe(out, static_cast<uint32_t>(width), 4);
    putLe(out, static_cast<uint32_t>(topDown ? -height : height), 4);
    putLe(out, 1, 2);
    putLe(out, static_cast<uint32_t>(bits), 2);
    putLe(out, withAlpha ? 3 : 0, 4);  // bitfields for 32 bits
    putLe(out, static_cast<uint32_t>(stride * height), 4);
    putLe(out, 2835, 4);
    putLe(out, 2835, 4);
    putLe(out, 0, 4);
    putLe(out, 0, 4);
    if (withAlpha) {
        for (uint32_t mask : {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u}) {
            putLe(out, mask, 4);
        }
        out.append(infoSize - 56, '\0');
    }
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? row : height - 1 - row;
        for (int x = 0; x < width; ++x) {
            const uint32_t p = pixel(x, y);
            putLe(out, withAlpha ? (p & 0xFFFFFF) | ((255 - (p >> 24)) << 24) : p, bits / 8);
        }
        out.append(static_cast<size_t>(stride - width * bits / 8), '\0');
    }
    return out;
}

std::string makePalettedBmp(int width, int height, int bits, const std::vector<uint32_t>& palette,
                            const std::function<int(int x, int y)>& index) {
    const int stride = (width * bits + 31) / 32 * 4;
    const auto offset = static_cast<uint32_t>(54 + 4 * palette.size());
    std::string out = "BM";
    for (uint32_t v : {offset + static_cast<uint32_t>(stride * height), 0u, offset, 40u,
                       static_cast<uint32_t>(width), static_cast<uint32_t>(height)}) {
        putLe(out, v, 4);
    }
    putLe(out, 1, 2);
    putLe(out, static_cast<uint32_t>(bits), 2);
    for (uint32_t v : {0u, 0u, 0u, 0u, static_cast<uint32_t>(palette.size()), 0u}) {
        putLe(out, v, 4);
    }
    for (uint32_t color : palette) {
        putLe(out, color, 4);
    }
    for (int y = height - 1; y >= 0; --y) {
        std::string row(static_cast<size_t>(stride), '\0');
        for (int x = 0; x < width; ++x) {
            const int bit = x * bits;
            row[static_cast<size_t>(bit / 8)] |=
                static_cast<char>(index(x, y) << (8 - bits - bit % 8));
        }
        out += row;
    }
    return out;
}

}  // namespace velquist::test
