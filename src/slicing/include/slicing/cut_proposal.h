// Where to cut a tall picture into slices a shop page stacks again: every slice at most a given
// height, and the cuts where they do least harm.
#pragma once

#include <vector>

#include "core/geometry.h"
#include "pictures/picture.h"

namespace velquist {

inline constexpr int kDefaultSliceHeight = 1500;
inline constexpr int kMinSliceHeight = 300;
inline constexpr int kMaxSliceHeight = 4000;

// The rows where slices begin (ascending, none at 0 or at the picture's height), for slices of at
// most `maxSliceHeight` rows. A cut through a hotspot (rects in picture coordinates) is avoided
// wherever a cut that avoids it exists, then a cut through anything but plain background (text
// or pictures: an encoder's seam or a slice loading late would show there), then extra slices.
// When every choice crosses something, the cuts that cross least are taken.
std::vector<int> proposeCuts(const Picture& picture, const std::vector<Rect>& hotspots,
                             int maxSliceHeight);

}  // namespace velquist
