// Small shop pictures drawn pixel by pixel for the proposal tests.
#pragma once

#include <cstdint>

#include "core/geometry.h"
#include "pictures/picture.h"

namespace velquist::test {

inline Picture blankPicture(int width, int height, uint32_t colour = 0x00FFFFFF) {
    Picture p;
    p.width = width;
    p.height = height;
    p.opaque = true;
    p.pixels.assign(size_t(width) * size_t(height), colour);
    return p;
}

inline void fill(Picture& p, const Rect& r, uint32_t colour) {
    for (int y = r.top; y < r.bottom(); ++y) {
        for (int x = r.left; x < r.right(); ++x) {
            p.pixels[size_t(y) * size_t(p.width) + size_t(x)] = colour;
        }
    }
}

// A product card as shops draw it: a 1 px grey border round a white card, a picture, a title
// bar, a price and a filled button.
inline void drawCard(Picture& p, const Rect& r) {
    fill(p, r, 0x00DDDDDD);
    fill(p, Rect{r.left + 1, r.top + 1, r.width - 2, r.height - 2}, 0x00FFFFFF);
    fill(p, Rect{r.left + 12, r.top + 12, r.width - 24, r.width - 24}, 0x0090C0E0);
    const int below = r.top + r.width - 4;
    fill(p, Rect{r.left + 12, below, r.width / 2, 10}, 0x00333333);
    fill(p, Rect{r.left + 12, below + 18, r.width / 4, 12}, 0x00E02020);
    fill(p, Rect{r.left + 12, r.bottom() - 40, r.width - 24, 28}, 0x00E04040);
}

}  // namespace velquist::test
