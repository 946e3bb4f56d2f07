// The pointer on the canvas and its handles: pressing, dragging, resizing, the handles and the
// status line.
#include "editor/hotspot_editor.h"
#include "editor/messages.h"
#include "editor/resize_handles.h"
#include "editor/status_text.h"

namespace velquist {

PointerResponse HotspotEditor::press(const PointerInput& input) {
    if (input.button == PointerButton::Right && !input.handle) {
        return {.openHotspotMenu = selectForMenu(m_canvas.hitTest(input.at.x, input.at.y))};
    }
    if (input.button != PointerButton::Left) {
        return {};
    }
    if (input.handle) {
        m_history.begin(editor_messages::kStepResize);
        m_pointer.resizing = input.handle;
    } else {
        pressCanvas(input.at);
    }
    return {};
}

void HotspotEditor::move(const PointerInput& input) {
    // A handle reports movements anywhere; only those over the canvas resize.
    if (input.handle &&
        !Rect{0, 0, m_canvas.width(), m_canvas.height()}.contains(input.at.x, input.at.y)) {
        return;
    }
    if (input.button != PointerButton::Left) {
        m_pointer.held = 0;  // the release went unseen
        return;
    }
    dragOrResize(input.at);
}

void HotspotEditor::release(const PointerInput& input) {
    if (input.button != PointerButton::Left) {
        return;
    }
    if (!input.handle) {
        m_pointer.held = 0;
    }
    endDrag();
}

// A press on the canvas is not a handle drag, so a resize whose release went unseen ends here.
void HotspotEditor::pressCanvas(Point at) {
    m_pointer.grab = at;
    m_pointer.resizing.reset();
    int32_t hit = 0;
    if (Rect{0, 0, m_canvas.width(), m_canvas.height()}.contains(at.x, at.y)) {
        hit = m_canvas.hitTest(at.x, at.y);
        m_pointer.held = hit != 0 ? hit : -1;
    }
    selectObject(hit);
}

// The pressed object (0 = none) becomes current, the press point becomes the grab offset inside
// it, handles and status follow.
void HotspotEditor::selectObject(int32_t id) {
    (void)m_map.apply(op::Select{id});  // choosing is not a change of the map
    // A drag from this press is one step, however many movements it takes.
    if (id > 0 && id == m_map.background().id) {
        m_history.begin(editor_messages::kStepDragBackground);
    } else if (m_map.isHotspot(id)) {
        m_history.begin(editor_messages::kStepMove);
    }
    m_pointer.grab.x -= m_canvas.objectLeft(id);
    m_pointer.grab.y -= m_canvas.objectTop(id);
    placeHandles(id);
    showStatus(id);
}

// A hotspot becomes current for its menu; the background or empty canvas changes nothing.
bool HotspotEditor::selectForMenu(int32_t id) {
    if (!m_map.isHotspot(id)) {
        return false;
    }
    // The menu's items act on the selection: it must be the hotspot under the pointer.
    (void)m_map.apply(op::Select{id});
    placeHandles(id);
    return true;
}

void HotspotEditor::dragOrResize(Point at) {
    const int32_t background = m_map.background().id;
    const int32_t held = m_pointer.held;
    if (background < 1 || held == -1) {
        return;
    }
    const Point to{at.x - m_pointer.grab.x, at.y - m_pointer.grab.y};
    if (m_pointer.resizing && held != background) {
        resizeSelected(at.x, at.y);
    } else if (held == background) {
        m_handles.hideAll();
        change(op::MoveBackground{to});
        showStatus(background);
    } else if (held != 0 && held == m_map.selection()) {
        change(op::MoveHotspot{held, to});
        placeHandles(held);
    }
}

void HotspotEditor::endDrag() {
    m_history.end();
    m_pointer.resizing.reset();
    placeHandles(m_map.selection());
}

void HotspotEditor::dropHeld(int32_t id) {
    if (id > 0 && m_pointer.held == id) {
        m_pointer.held = -1;
    }
}

void HotspotEditor::resizeSelected(int x, int y) {
    const Hotspot* h = m_map.findHotspot(m_map.selection());
    if (h == nullptr) {
        return;  // a handle left held must never turn the background picture into a tile
    }
    Handle& dragged = m_handles[*m_pointer.resizing];
    const ResizeOutcome out =
        resizeFromHandle(*m_pointer.resizing, h->rect, dragged.position, x, y);
    dragged.position = out.handle;
    // The new tile takes the colours of the current style; the transparency stays.
    const HotspotStyle& style = m_map.style();
    change(op::ResizeHotspot{
        h->id, out.object, {style.fillColor, style.borderColor, h->look.transparency}});
    showStatus(h->id);
}

void HotspotEditor::placeHandles(int32_t id) {
    const Hotspot* h = m_map.findHotspot(id);
    if (h == nullptr) {
        m_handles.hideAll();
        return;
    }
    m_handles = placeHandlePositions(h->rect, m_canvas.width(), m_canvas.height());
    showStatus(id);
}

void HotspotEditor::showStatus(int32_t id) {
    const Background& b = m_map.background();
    if (b.id < 1) {
        m_status = noBackgroundStatus();
        return;
    }
    if (id == b.id) {
        m_status = backgroundStatus(b.rect(), static_cast<int>(m_map.hotspots().size()));
        return;
    }
    const Hotspot* h = m_map.findHotspot(id);
    const Rect rect = h ? h->rect : Rect{m_canvas.objectLeft(id), m_canvas.objectTop(id), 0, 0};
    m_status = hotspotStatus(rect, b.position, h ? h->link : std::string());
}

}  // namespace velquist
