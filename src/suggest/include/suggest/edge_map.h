// Strong straight edges of a picture, for snapping a dragged hotspot edge to them.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/geometry.h"
#include "pictures/picture.h"

namespace velquist {

inline constexpr int kSnapReach = 6;

// Edge positions are boundaries between pixels: x is the line between column x - 1 and x, so a
// hotspot's left or right edge snaps to the same number. Memory: a quarter byte per pixel.
class EdgeMap {
public:
    EdgeMap() = default;
    static EdgeMap of(const Picture& picture);

    // Edges of rectangles (proposals) count as strong edges over their whole length.
    void addRectangle(const Rect& rect);

    // The nearest vertical edge within `reach` of `x` that runs along at least half of the
    // span [top, bottom); nothing when there is none.
    std::optional<int> nearestVertical(int x, int top, int bottom, int reach = kSnapReach) const;
    std::optional<int> nearestHorizontal(int y, int left, int right, int reach = kSnapReach) const;

    int width() const { return m_width; }
    int height() const { return m_height; }

private:
    struct Segment {
        int at;  // the boundary the segment lies on
        int from;
        int to;
    };
    int m_width = 0;
    int m_height = 0;
    // Per boundary column x and band of kBand rows: how many of those rows have an edge at x.
    std::vector<uint8_t> m_vertical;
    // Per boundary row y and band of kBand columns: the same for horizontal edges.
    std::vector<uint8_t> m_horizontal;
    std::vector<Segment> m_extraVertical;
    std::vector<Segment> m_extraHorizontal;

    int coverVertical(int x, int top, int bottom) const;
    int coverHorizontal(int y, int left, int right) const;
};

}  // namespace velquist
