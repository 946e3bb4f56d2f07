// Resize rules of the four handles.
#include "editor/resize_rules.h"

#include <algorithm>

namespace velquist {

// A hotspot never shrinks below one pixel: at zero it would lose its picture, and with it the
// other dimension, leaving an invisible hotspot that can no longer be grabbed or restored.
ResizeOutcome resizeFromHandle(ResizeMode mode, const Rect& o, Point handle, int x, int y) {
    ResizeOutcome out{o, handle};
    switch (mode) {
        case ResizeMode::Left: {
            const int left = std::min(x, o.right() - 1);
            out.object = {left, o.top, o.right() - left, o.height};
            out.handle.x = left;
            break;
        }
        case ResizeMode::Top: {
            const int top = std::min(y, o.bottom() - 1);
            out.object = {o.left, top, o.width, o.bottom() - top};
            out.handle.y = top;
            break;
        }
        case ResizeMode::Right:
            out.object.width = std::max(x - o.left, 1);
            out.handle.x = o.left + out.object.width;
            break;
        case ResizeMode::Bottom:
            out.object.height = std::max(y - o.top, 1);
            out.handle.y = o.top + out.object.height;
            break;
        case ResizeMode::None:
            break;
    }
    return out;
}

}  // namespace velquist
