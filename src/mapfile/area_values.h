// Attribute values of <img> and <area> read as browsers read them.
#pragma once

#include <optional>
#include <string_view>

#include "core/geometry.h"

namespace velquist::mapfile {

// "rect", "rectangle", nothing and unknown words are rectangles; "circle", "circ", "poly",
// "polygon" and "default" are not.
bool isRectShape(std::optional<std::string_view> shape);

// The rectangle of coords "x1,y1,x2,y2" (commas, semicolons or blanks between; decimals rounded;
// corners in any order; numbers after the fourth ignored). Nothing when a number is missing or
// unreadable, or a value lies beyond the map limits.
std::optional<Rect> rectFromCoords(std::string_view coords);

// A width or height in pixels ("750", " 750px"); nothing for a percentage, no number or a size
// beyond the picture limit.
std::optional<int> pixelSize(std::string_view value);

}  // namespace velquist::mapfile
