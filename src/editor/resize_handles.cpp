// Resize handle placement and the resize rules of the four handles.
#include "editor/resize_handles.h"

#include <algorithm>
#include <cstdint>

namespace velquist {
namespace {

// a + b/2 computed exactly, then truncated toward zero (integer division does exactly that).
int plusHalf(int a, int b) {
    return static_cast<int>((2 * int64_t{a} + b) / 2);
}

Handle place(int left, int top, int canvasWidth, int canvasHeight) {
    const bool inside = left >= 0 && left <= canvasWidth && top >= 0 && top <= canvasHeight;
    return {{left, top}, inside};
}

}  // namespace

HandleSet placeHandlePositions(const Rect& o, int canvasWidth, int canvasHeight) {
    HandleSet set;
    set[HandleEdge::Left] = place(o.left - 5, plusHalf(o.top, o.height), canvasWidth, canvasHeight);
    set[HandleEdge::Bottom] =
        place(plusHalf(o.left, o.width), o.bottom() + 2, canvasWidth, canvasHeight);
    set[HandleEdge::Right] =
        place(o.right() + 2, plusHalf(o.top + 2, o.height), canvasWidth, canvasHeight);
    set[HandleEdge::Top] = place(plusHalf(o.left, o.width), o.top - 2, canvasWidth, canvasHeight);
    return set;
}

// A hotspot never shrinks below one pixel: at zero it would lose its picture, and with it the
// other dimension, leaving an invisible hotspot that can no longer be grabbed or restored.
ResizeOutcome resizeFromHandle(HandleEdge edge, const Rect& o, Point handle, int x, int y) {
    ResizeOutcome out{o, handle};
    switch (edge) {
        case HandleEdge::Left: {
            const int left = std::min(x, o.right() - 1);
            out.object = {left, o.top, o.right() - left, o.height};
            out.handle.x = left;
            break;
        }
        case HandleEdge::Top: {
            const int top = std::min(y, o.bottom() - 1);
            out.object = {o.left, top, o.width, o.bottom() - top};
            out.handle.y = top;
            break;
        }
        case HandleEdge::Right:
            out.object.width = std::max(x - o.left, 1);
            out.handle.x = o.left + out.object.width;
            break;
        case HandleEdge::Bottom:
            out.object.height = std::max(y - o.top, 1);
            out.handle.y = o.top + out.object.height;
            break;
    }
    return out;
}

}  // namespace velquist
