// The picture of a hotspot: a filled rectangle with a two-pixel frame, as a 24-bit BMP.
#pragma once

#include <string>

#include "core/color.h"

namespace velquist {

// An uncompressed 24-bit Windows bitmap (54-byte headers, bottom-up rows padded to four bytes).
// A width or height below 1 gives no bytes: such a hotspot has no picture.
std::string makeHotspotTile(int width, int height, ColorRef fill, ColorRef border);

}  // namespace velquist
