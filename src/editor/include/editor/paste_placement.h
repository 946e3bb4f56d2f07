// Where pasted hotspots land (pure).
#pragma once

#include <vector>

#include "core/geometry.h"

namespace velquist {

inline constexpr int kPasteStep = 10;

// How far to move pasted rectangles, all by the same distance so that they keep their layout:
// not at all, or 10 px right and down as many times as it takes until none of them lands on a
// rectangle already there (same position and size). Linear in both counts per try.
Point pasteOffset(const std::vector<Rect>& existing, const std::vector<Rect>& pasted);

}  // namespace velquist
