// The parts of the canvas that must be recomposited, as a short list of disjoint rectangles.
#pragma once

#include <vector>

#include "core/geometry.h"

namespace velquist {

class DirtyRegion {
public:
    // Adds `rect` clipped to `bounds`; overlapping rectangles are merged so no pixel is
    // composited twice.
    void add(const Rect& rect, const Rect& bounds);
    bool empty() const { return m_rects.empty(); }
    // The rectangles recorded so far; the region is empty afterwards.
    std::vector<Rect> take();

private:
    // Past this many pieces one bounding rectangle is cheaper than the bookkeeping.
    static constexpr size_t kMaxRects = 16;
    std::vector<Rect> m_rects;
};

}  // namespace velquist
