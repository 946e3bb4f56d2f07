// The pointer on the canvas and its handles: pressing, dragging, resizing, the handles and what
// the status line says about them.
#include "editor/hotspot_editor.h"
#include "editor/messages.h"
#include "editor/resize_handles.h"
#include "editor/snapping.h"
#include "editor/status_text.h"

namespace velquist {

PointerResponse HotspotEditor::press(const PointerInput& input) {
    if (input.button == PointerButton::Right && !input.handle) {
        std::optional<Said> selected = selectForMenu(m_canvas.hitTest(input.at.x, input.at.y));
        return {.openHotspotMenu = selected.has_value(), .said = selected.value_or(std::nullopt)};
    }
    if (input.button != PointerButton::Left) {
        return {};
    }
    if (input.handle) {
        m_history.begin(editor_messages::kStepResize);
        m_pointer.resizing = input.handle;
        return {};
    }
    if (pressCutLine(input) || startsRectangle(input)) {
        return {};
    }
    if (!m_proposals.shown.empty()) {
        if (std::optional<Said> accepted = acceptProposalAt(input.at)) {
            return {.said = std::move(*accepted)};
        }
    }
    return {.said = pressCanvas(input.at)};
}

Said HotspotEditor::move(const PointerInput& input) {
    // A handle reports movements anywhere; only those over the canvas resize.
    if (input.handle &&
        !Rect{0, 0, m_canvas.width(), m_canvas.height()}.contains(input.at.x, input.at.y)) {
        return std::nullopt;
    }
    if (dragCutLine(input)) {
        return std::nullopt;
    }
    if (input.button != PointerButton::Left) {
        m_pointer.held = 0;  // the release went unseen
        m_pointer.gesture = PointerState::Gesture::None;
        return std::nullopt;
    }
    if (m_pointer.gesture != PointerState::Gesture::None && !input.handle) {
        return dragGesture(input);
    }
    return dragOrResize(input);
}

Said HotspotEditor::release(const PointerInput& input) {
    if (releaseCutLine(input)) {
        return cutLinesStatus();
    }
    if (input.button != PointerButton::Left) {
        return std::nullopt;
    }
    if (!input.handle) {
        m_pointer.held = 0;
        if (m_pointer.gesture != PointerState::Gesture::None) {
            return endGesture(input.at);
        }
    }
    return endDrag();
}

// A press on the canvas is not a handle drag, so a resize whose release went unseen ends here.
Said HotspotEditor::pressCanvas(Point at) {
    m_pointer.grab = at;
    m_pointer.resizing.reset();
    int32_t hit = 0;
    if (Rect{0, 0, m_canvas.width(), m_canvas.height()}.contains(at.x, at.y)) {
        hit = m_canvas.hitTest(at.x, at.y);
        m_pointer.held = hit != 0 ? hit : -1;
    }
    if (grabsSelection(hit)) {
        return pressSelection(hit, at);
    }
    return selectObject(hit);
}

// The pressed object (0 = none) becomes current, the press point becomes the grab offset inside
// it, handles and status follow.
Said HotspotEditor::selectObject(int32_t id) {
    (void)m_map.apply(op::Select{id, {}});  // choosing is not a change of the map
    // A drag from this press is one step, however many movements it takes.
    if (id > 0 && id == m_map.background().id) {
        m_history.begin(editor_messages::kStepDragBackground);
    } else if (m_map.isHotspot(id)) {
        m_history.begin(editor_messages::kStepMove);
    }
    m_pointer.grab.x -= m_canvas.objectLeft(id);
    m_pointer.grab.y -= m_canvas.objectTop(id);
    placeHandles(id);
    return statusOf(id);
}

// A hotspot becomes current for its menu; the background or empty canvas changes nothing.
std::optional<Said> HotspotEditor::selectForMenu(int32_t id) {
    if (!m_map.isHotspot(id)) {
        return std::nullopt;
    }
    // The menu's items act on the selection: it must hold the hotspot under the pointer, which
    // becomes current. Inside a selection of several the others stay selected: "对齐" lines
    // them up with this one.
    const bool inSelection = grabsSelection(id);
    (void)m_map.apply(op::Select{id, inSelection ? m_map.selectedIds() : std::vector<int32_t>{}});
    return inSelection ? selectionStatus() : placeHandles(id);
}

Said HotspotEditor::dragOrResize(const PointerInput& input) {
    const Background& b = m_map.background();
    const int32_t held = m_pointer.held;
    if (b.id < 1 || held == -1) {
        return std::nullopt;
    }
    const Point at = input.at;
    if (m_pointer.resizing && held != b.id) {
        return resizeSelected(at.x, at.y, snapEdges(input) != nullptr);
    } else if (held == b.id) {
        m_handles.hideAll();
        change(op::MoveBackground{{at.x - m_pointer.grab.x, at.y - m_pointer.grab.y}});
        return statusOf(b.id);
    } else if (const Hotspot* h = m_map.findHotspot(held); h && held == m_map.selection()) {
        change(op::MoveHotspot{held, dragTarget(input, *h)});
        return placeHandles(held);
    }
    return std::nullopt;
}

Point HotspotEditor::dragTarget(const PointerInput& input, const Hotspot& h) const {
    const Point to{input.at.x - m_pointer.grab.x, input.at.y - m_pointer.grab.y};
    const EdgeMap* edges = snapEdges(input);
    if (edges == nullptr) {
        return to;
    }
    // The edge map is in picture coordinates.
    const Point o = m_map.background().position;
    const Rect inPicture = Rect{to.x, to.y, h.rect.width, h.rect.height}.translated(-o.x, -o.y);
    const Rect r = snappedMove(*edges, inPicture).translated(o.x, o.y);
    return {r.left, r.top};
}

Said HotspotEditor::endDrag() {
    m_history.end();
    m_pointer.resizing.reset();
    return showSelection();
}

void HotspotEditor::dropHeld(int32_t id) {
    if (id > 0 && m_pointer.held == id) {
        m_pointer.held = -1;
    }
}

Said HotspotEditor::resizeSelected(int x, int y, bool snap) {
    const Hotspot* h = m_map.findHotspot(m_map.selection());
    if (h == nullptr) {
        return std::nullopt;  // a handle left held must never turn the background into a tile
    }
    const HandleEdge edge = *m_pointer.resizing;
    Handle& dragged = m_handles[edge];
    ResizeOutcome out = resizeFromHandle(edge, h->rect, dragged.position, x, y);
    if (snap) {
        out = snappedOutcome(out, edge);
    }
    dragged.position = out.handle;
    // The new tile takes the colours of the current style; the transparency stays.
    const HotspotStyle& style = m_map.style();
    change(op::ResizeHotspot{
        h->id, out.object, {style.fillColor, style.borderColor, h->look.transparency}});
    return statusOf(h->id);
}

// The resized hotspot's dragged side snaps, and its handle goes with it.
ResizeOutcome HotspotEditor::snappedOutcome(ResizeOutcome out, HandleEdge edge) const {
    const Point o = m_map.background().position;
    const Rect inPicture = out.object.translated(-o.x, -o.y);
    const Rect moved = snappedResize(*m_proposals.edges, inPicture, edge).translated(o.x, o.y);
    switch (edge) {
        case HandleEdge::Left:
            out.handle.x += moved.left - out.object.left;
            break;
        case HandleEdge::Right:
            out.handle.x += moved.right() - out.object.right();
            break;
        case HandleEdge::Top:
            out.handle.y += moved.top - out.object.top;
            break;
        case HandleEdge::Bottom:
            out.handle.y += moved.bottom() - out.object.bottom();
            break;
    }
    out.object = moved;
    return out;
}

Said HotspotEditor::placeHandles(int32_t id) {
    const Hotspot* h = m_map.findHotspot(id);
    if (h == nullptr) {
        m_handles.hideAll();
        return std::nullopt;
    }
    m_handles = placeHandlePositions(h->rect, m_canvas.width(), m_canvas.height());
    return statusOf(id);
}

Said HotspotEditor::statusOf(int32_t id) const {
    const Background& b = m_map.background();
    if (b.id < 1) {
        return noBackgroundStatus();
    }
    if (id == b.id) {
        return backgroundStatus(b.rect(), static_cast<int>(m_map.hotspots().size()));
    }
    const Hotspot* h = m_map.findHotspot(id);
    const Rect rect = h ? h->rect : Rect{m_canvas.objectLeft(id), m_canvas.objectTop(id), 0, 0};
    return hotspotStatus(rect, b.position, h ? h->link : std::string());
}

}  // namespace velquist
