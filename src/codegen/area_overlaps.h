// Which areas of a map overlap, found by one sweep down the picture.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "core/geometry.h"

namespace velquist::codegen {

struct AreaOverlaps {
    int64_t count = 0;  // pairs of areas whose insides share a pixel; edges that touch do not
    // Up to the number asked for, each as (earlier, later) table index, in table order.
    std::vector<std::pair<size_t, size_t>> named;
};

// Every pair is counted, in O(n log n) however many there are (a map may hold 50,000 areas
// stacked on one spot); only the named ones are listed. Empty rectangles overlap nothing.
AreaOverlaps findOverlaps(const std::vector<Rect>& areas, size_t names);

}  // namespace velquist::codegen
