// Resize rules of the four handles.
#include "editor/resize_rules.h"

namespace velquist {

ResizeOutcome resizeFromHandle(ResizeMode mode, const Rect& o, Point handle, int x, int y) {
    ResizeOutcome out{o, handle};
    switch (mode) {
        case ResizeMode::Left:
            out.object = {x, o.top, o.left - x + o.width, o.height};
            out.handle.x = x;
            break;
        case ResizeMode::Top:
            out.object = {o.left, y, o.width, o.top - y + o.height};
            out.handle.y = y;
            break;
        case ResizeMode::Right:
            out.object.width = x - o.left;
            out.handle.x = x;
            break;
        case ResizeMode::Bottom:
            out.object.height = y - o.top;
            out.handle.y = y;
            break;
        case ResizeMode::None: break;
    }
    return out;
}

}  // namespace velquist
