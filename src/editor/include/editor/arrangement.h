// Arranging several hotspots against one (align, distribute, same size) and repeating one as a
// grid: pure geometry on canvas rectangles.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "core/geometry.h"
#include "core/status.h"

namespace velquist {

enum class Arrangement {
    Left,                // left edges on the reference's
    Right,               // right edges on the reference's
    Top,                 // top edges on the reference's
    Bottom,              // bottom edges on the reference's
    CentreHorizontally,  // centres' x on the reference's
    CentreVertically,    // centres' y on the reference's
    DistributeHorizontally,
    DistributeVertically,
    SameWidth,   // the reference's width, top-left kept
    SameHeight,  // the reference's height, top-left kept
    SameSize,
};

// Every item of the hotspot menu's "对齐", in menu order.
inline constexpr Arrangement kArrangements[] = {
    Arrangement::Left,
    Arrangement::Right,
    Arrangement::Top,
    Arrangement::Bottom,
    Arrangement::CentreHorizontally,
    Arrangement::CentreVertically,
    Arrangement::DistributeHorizontally,
    Arrangement::DistributeVertically,
    Arrangement::SameWidth,
    Arrangement::SameHeight,
    Arrangement::SameSize,
};

// The item's name in the hotspot menu, which is also its undo step's name.
const char* arrangementName(Arrangement what);
// Whether `what` changes sizes (the tiles are redrawn) rather than only positions.
bool resizes(Arrangement what);

// `rects` arranged by `what` against `rects[reference]`, in the same order; the reference stays
// as it is. A centre is the exact middle; a position between two pixels is truncated toward
// zero. Distributing ignores the reference: ordered by their left (top) edges, ties in the order
// given, the first and the last stay and the gaps between neighbours become equal, to the
// pixel: what does not divide evenly goes one pixel each to the last gaps. Hotspots wider
// (taller) in all than that span overlap by equal amounts, their gaps negative.
std::vector<Rect> arranged(Arrangement what, std::span<const Rect> rects, size_t reference);

// "重复为网格": the original at the top-left cell, copies of its size in `rows` x `columns`,
// `horizontalGap` / `verticalGap` pixels apart (negative: overlapping).
struct GridShape {
    int rows = 1;
    int columns = 1;
    int horizontalGap = 10;
    int verticalGap = 10;
    bool operator==(const GridShape&) const = default;
};

// The copies' rectangles, row by row, without the original's cell. Refused, naming the value
// and its allowed range, when a copy would lie past the map's coordinate limit, the map would
// hold more hotspots than it may (counting `hotspotCount` already there), or a gap would make
// neighbours overlap by their whole size or more. The values are checked gaps first, then
// columns, then rows; each range takes the values checked before it as they are.
Result<std::vector<Rect>> gridCells(const Rect& original, const GridShape& shape,
                                    size_t hotspotCount);

}  // namespace velquist
