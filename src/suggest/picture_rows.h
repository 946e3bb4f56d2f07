// Rows of a picture as opaque colours: transparency is laid over white, as a page shows it.
#pragma once

#include <cstdint>
#include <vector>

#include "pictures/picture.h"

namespace velquist::suggest_detail {

class PictureRows {
public:
    explicit PictureRows(const Picture& picture) : m_picture(picture) {
        if (!picture.opaque) {
            m_buffer.resize(size_t(picture.width) * 3);
        }
    }
    // Valid until three other rows have been asked for.
    const uint32_t* row(int y) {
        const uint32_t* source = m_picture.pixels.data() + size_t(y) * size_t(m_picture.width);
        if (m_picture.opaque) {
            return source;
        }
        uint32_t* out = m_buffer.data() + size_t(y % 3) * size_t(m_picture.width);
        for (int x = 0; x < m_picture.width; ++x) {
            out[x] = overWhite(source[x]);
        }
        return out;
    }

private:
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
};

}  // namespace velquist::suggest_detail
