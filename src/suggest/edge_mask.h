// The marked picture the layout rules read: where the colour changes, with small gaps closed.
#pragma once

#include <cstdint>
#include <vector>

#include <algorithm>
#include "core/geometry.h"
#include "pictures/picture.h"

namespace velquist::suggest_detail {

inline constexpr uint8_t kEdge = 1;    // the colour changes here
inline constexpr uint8_t kClosed = 2;  // a small gap between changes, bridged
inline constexpr uint8_t kStrong = 4;  // a change a border or a box's own edge makes
inline constexpr int kStrongChange = 24;

struct EdgeMask {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> cells;  // kEdge | kClosed per pixel, row-major
    std::vector<int> cleanRows;  // rows of page-wide lines taken out (band boundaries)
    uint8_t at(int x, int y) const { return cells[size_t(y) * size_t(width) + size_t(x)]; }
};

// Largest channel difference between two 0xTTRRGGBB colours.
inline int colourDistance(uint32_t a, uint32_t b) {
    const auto channel = [](uint32_t c, int shift) { return int((c >> shift) & 0xFF); };
    int d = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int diff = channel(a, shift) - channel(b, shift);
        d = std::max(d, diff < 0 ? -diff : diff);
    }
    return d;
}

// Marks pixels whose neighbours differ by more than `threshold`. Rows that are one page-wide
// run are taken out.
EdgeMask markEdges(const Picture& picture, int threshold);

// Bridges runs of at most `gapX` unmarked pixels along rows and `gapY` along columns.
void closeGaps(EdgeMask& mask, int gapX, int gapY);

}  // namespace velquist::suggest_detail
