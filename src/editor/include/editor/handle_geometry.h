// Where the four resize handles sit around a hotspot (pure geometry).
#pragma once

#include "core/geometry.h"
#include "editor/handle_set.h"

namespace velquist {

// Handles around `object` on a canvas of the given size: left (L-5, T+H/2), top (L+W/2, T-2),
// right (R+2, T+H/2+2), bottom (L+W/2, B+2), halves truncated toward zero. A handle outside
// 0..canvas size is hidden; one exactly on the edge still shows.
HandleSet placeHandlePositions(const Rect& object, int canvasWidth, int canvasHeight);

}  // namespace velquist
