// The four resize handles around the selected hotspot: where they sit, whether they show, and
// what dragging one does to the hotspot (pure geometry).
#pragma once

#include <array>
#include <cstddef>

#include "core/geometry.h"

namespace velquist {

// The one name of a hotspot edge: a handle, the handle being dragged, and the edge it moves.
enum class HandleEdge { Left = 0, Top = 1, Right = 2, Bottom = 3 };
inline constexpr std::array<HandleEdge, 4> kHandleEdges{HandleEdge::Left, HandleEdge::Top,
                                                        HandleEdge::Right, HandleEdge::Bottom};

struct Handle {
    Point position;
    bool visible = false;
};

struct HandleSet {
    std::array<Handle, 4> handles{};

    Handle& operator[](HandleEdge edge) { return handles[static_cast<size_t>(edge)]; }
    const Handle& operator[](HandleEdge edge) const { return handles[static_cast<size_t>(edge)]; }
    void hideAll() {
        for (Handle& h : handles) {
            h.visible = false;
        }
    }
};

// Handles around `object` on a canvas of the given size: left (L-5, T+H/2), top (L+W/2, T-2),
// right (R+2, T+H/2+2), bottom (L+W/2, B+2), halves truncated toward zero. A handle outside
// 0..canvas size is hidden; one exactly on the edge still shows.
HandleSet placeHandlePositions(const Rect& object, int canvasWidth, int canvasHeight);

struct ResizeOutcome {
    Rect object;   // new position and tile size
    Point handle;  // where the dragged handle goes
};

// The pointer at (x, y) drags the handle of `edge`; the opposite edge stays put and the hotspot
// keeps at least one pixel. `handle` is the dragged handle's current position (only one axis
// moves).
ResizeOutcome resizeFromHandle(HandleEdge edge, const Rect& object, Point handle, int x, int y);

}  // namespace velquist
