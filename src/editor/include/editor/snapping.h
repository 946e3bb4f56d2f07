// Where a dragged or resized hotspot settles when its edges snap to the picture's edges (pure).
#pragma once

#include "core/geometry.h"
#include "editor/resize_handles.h"
#include "suggest/edge_map.h"

namespace velquist {

// `rect` (picture coordinates) moved as a whole: on each axis, the side nearer to an edge of
// `edges` takes it and the other side follows, so the size stays.
Rect snappedMove(const EdgeMap& edges, const Rect& rect);

// `rect` resized by dragging the side `edge`: that side alone takes a near edge, as long as the
// hotspot keeps at least one pixel.
Rect snappedResize(const EdgeMap& edges, const Rect& rect, HandleEdge edge);

}  // namespace velquist
