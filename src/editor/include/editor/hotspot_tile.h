// The picture of a hotspot: a filled rectangle with a two-pixel frame.
#pragma once

#include "core/color.h"
#include "pictures/picture.h"

namespace velquist {

// An opaque picture of the given size; a width or height below 1, or past the picture limits,
// gives an empty picture: such a hotspot has no picture.
bool tileSizeAllowed(int width, int height);
Picture makeHotspotTile(int width, int height, ColorRef fill, ColorRef border);

}  // namespace velquist
