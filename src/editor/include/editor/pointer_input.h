// One pointer event as the editor takes it: where, which button, which keys, and on what.
#pragma once

#include <optional>

#include "core/geometry.h"
#include "editor/resize_handles.h"
#include "editor/said.h"

namespace velquist {

enum class PointerButton { None, Left, Right, Other };

struct KeyModifiers {
    bool shift = false;
    bool control = false;
    bool alt = false;
};

struct PointerInput {
    Point at;  // canvas pixels, also for an event that a handle received
    // A press or release: the button that changed. A movement: Left while the left button is
    // held, else None.
    PointerButton button = PointerButton::None;
    KeyModifiers modifiers;
    // The resize handle that received the event; none for the canvas. A handle keeps the mouse
    // while it is dragged, so it also reports movements and releases away from itself.
    std::optional<HandleEdge> handle;
};

// The rectangle a Shift+drag (a new hotspot) or a Ctrl+drag (a selection) spans, in canvas
// pixels, shown while the button is held.
struct DragFrame {
    Rect rect;
    bool drawsHotspot = false;  // else it selects what it touches
    bool operator==(const DragFrame&) const = default;
};

// What the shell does after a press.
struct PointerResponse {
    bool openHotspotMenu = false;  // a right press on a hotspot: the hotspot menu pops up
    Said said;
};

}  // namespace velquist
