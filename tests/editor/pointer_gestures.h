// Pointer gestures on an editor as the canvas view and the resize handles deliver them.
#pragma once

#include <cstddef>
#include <optional>

#include "editor/hotspot_editor.h"

namespace velquist::test {

inline PointerInput pointer(int x, int y, PointerButton button = PointerButton::Left,
                            std::optional<HandleEdge> handle = std::nullopt) {
    PointerInput input;
    input.at = {x, y};
    input.button = button;
    input.handle = handle;
    return input;
}

// A gesture answers what the status line says after it, given what it said before.
inline Said after(Said before, Said said) {
    return said ? said : before;
}

// A left press on the canvas at (x, y).
inline Said pressAt(HotspotEditor& e, int x, int y) {
    return e.press(pointer(x, y)).said;
}
// A movement over the canvas to (x, y), with the left button held or not.
inline Said moveTo(HotspotEditor& e, int x, int y, bool leftHeld = true) {
    return e.move(pointer(x, y, leftHeld ? PointerButton::Left : PointerButton::None));
}
inline Said releaseAt(HotspotEditor& e, int x, int y) {
    return e.release(pointer(x, y));
}

// The first canvas point, row by row, where `id` is the topmost object (0: where there is
// none); (-1, -1) when it shows nowhere.
inline Point pointOn(const HotspotEditor& e, int32_t id) {
    const HotspotCanvas& c = e.canvas();
    Rect area{0, 0, c.width(), c.height()};
    if (const Hotspot* h = e.map().findHotspot(id)) {
        area = area.intersected(h->rect);
    } else if (id > 0 && id == e.map().background().id) {
        area = area.intersected(e.map().background().rect());
    }
    for (int y = area.top; y < area.bottom(); ++y) {
        for (int x = area.left; x < area.right(); ++x) {
            if (c.hitTest(x, y) == id) {
                return {x, y};
            }
        }
    }
    return {-1, -1};
}

// A left click on object `id` (0: on empty canvas) where it shows.
inline Said clickOn(HotspotEditor& e, int32_t id) {
    const Point at = pointOn(e, id);
    const Said pressed = pressAt(e, at.x, at.y);
    return after(pressed, releaseAt(e, at.x, at.y));
}

// Object `id` chosen as a user would: clicked where it shows, else (a hotspot under others)
// reached with Tab.
inline void choose(HotspotEditor& e, int32_t id) {
    if (pointOn(e, id).x >= 0) {
        clickOn(e, id);
        return;
    }
    for (size_t i = 0; i <= e.map().hotspots().size() && e.map().selection() != id; ++i) {
        e.selectNextHotspot();
    }
}

// A left press on the handle of `edge`, and movements the handle reports while it holds the
// mouse.
inline Said pressHandle(HotspotEditor& e, HandleEdge edge) {
    return e.press(pointer(0, 0, PointerButton::Left, edge)).said;
}
inline Said moveHandle(HotspotEditor& e, HandleEdge edge, int x, int y, bool leftHeld = true) {
    return e.move(pointer(x, y, leftHeld ? PointerButton::Left : PointerButton::None, edge));
}
inline Said releaseHandle(HotspotEditor& e, HandleEdge edge, int x, int y) {
    return e.release(pointer(x, y, PointerButton::Left, edge));
}

}  // namespace velquist::test
