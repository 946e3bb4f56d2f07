// Resize handle placement.
#include "editor/handle_geometry.h"

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

}  // namespace velquist
