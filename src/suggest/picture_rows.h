// Rows of a picture as opaque colours (transparency laid over white, as a page shows it), in
// brightness and half-weight colour differences: JPEG keeps brightness well and colour poorly.
#pragma once

#include <cstdint>
#include <vector>

#include "pictures/picture.h"

namespace velquist::suggest_detail {

class PictureRows {
public:
    explicit PictureRows(const Picture& picture) : m_picture(picture) {
        m_buffer.resize(size_t(picture.width) * 3);
    }
    // Valid until three other rows have been asked for.
    const uint32_t* row(int y) {
        const uint32_t* source = m_picture.pixels.data() + size_t(y) * size_t(m_picture.width);
        uint32_t* out = m_buffer.data() + size_t(y % 3) * size_t(m_picture.width);
        if (m_row[size_t(y % 3)] == y) {
            return out;
        }
        m_row[size_t(y % 3)] = y;
        for (int x = 0; x < m_picture.width; ++x) {
            out[x] = brightnessAndColour(m_picture.opaque ? source[x] : overWhite(source[x]));
        }
        return out;
    }

private:
    static uint32_t brightnessAndColour(uint32_t c) {
        const int r = int((c >> 16) & 0xFF);
        const int g = int((c >> 8) & 0xFF);
        const int b = int(c & 0xFF);
        const int y = (77 * r + 150 * g + 29 * b) >> 8;
        return uint32_t(y) << 16 | uint32_t(((b - y) >> 1) + 128) << 8 |
               uint32_t(((r - y) >> 1) + 128);
    }
    static uint32_t overWhite(uint32_t c) {
        const uint32_t t = c >> 24;
        uint32_t out = 0;
        for (int shift = 0; shift <= 16; shift += 8) {
            const uint32_t v = (c >> shift) & 0xFF;
            out |= ((v * (255 - t) + 255 * t + 127) / 255) << shift;
        }
        return out;
    }
    const Picture& m_picture;
    std::vector<uint32_t> m_buffer;
    int m_row[3] = {-1, -1, -1};
};

}  // namespace velquist::suggest_detail
