// What dragging one resize handle does to a hotspot (pure geometry).
#pragma once

#include "core/geometry.h"
#include "editor/editor_state.h"

namespace velquist {

struct ResizeOutcome {
    Rect object;   // new position and tile size
    Point handle;  // where the dragged handle goes
};

// The pointer at (x, y) drags the handle of `mode`; the opposite edge stays put and the hotspot
// keeps at least one pixel. `handle` is the dragged handle's current position (only one axis
// moves).
ResizeOutcome resizeFromHandle(ResizeMode mode, const Rect& object, Point handle, int x, int y);

}  // namespace velquist
