// The pointer on the canvas: selecting, dragging, resizing, the handles and the status line.
#include "editor/handle_geometry.h"
#include "editor/hotspot_editor.h"
#include "editor/messages.h"
#include "editor/resize_rules.h"
#include "editor/status_text.h"

namespace velquist {

void HotspotEditor::leftButtonDown(int x, int y) {
    m_pointer.pressPoint = {x, y};
    m_pointer.resizeMode = ResizeMode::None;
}

void HotspotEditor::selectObject(int32_t id) {
    (void)m_map.apply(op::Select{id});  // choosing is not a change of the map
    // A drag from this press is one step, however many movements it takes.
    if (isBackground(id)) {
        m_history.begin(editor_messages::kStepDragBackground);
    } else if (m_map.isHotspot(id)) {
        m_history.begin(editor_messages::kStepMove);
    }
    m_pointer.pressPoint.x -= m_canvas.objectLeft(id);
    m_pointer.pressPoint.y -= m_canvas.objectTop(id);
    placeHandles(id);
    showStatus(id);
}

bool HotspotEditor::selectForMenu(int32_t id) {
    if (!m_map.isHotspot(id)) {
        return false;
    }
    // The menu's items act on the selection: it must be the hotspot under the pointer.
    (void)m_map.apply(op::Select{id});
    placeHandles(id);
    return true;
}

void HotspotEditor::dragOrResize(int x, int y, int held, bool leftDown) {
    const int32_t background = m_map.background().id;
    if (background < 1 || held == -1 || !leftDown) {
        return;
    }
    const Point to{x - m_pointer.pressPoint.x, y - m_pointer.pressPoint.y};
    if (m_pointer.resizeMode != ResizeMode::None && held != background) {
        resizeSelected(x, y);
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
    m_pointer.resizeMode = ResizeMode::None;
    placeHandles(m_map.selection());
}

void HotspotEditor::beginResize(ResizeMode mode) {
    m_history.begin(editor_messages::kStepResize);
    m_pointer.resizeMode = mode;
}

void HotspotEditor::resizeSelected(int x, int y) {
    const Hotspot* h = m_map.findHotspot(m_map.selection());
    if (h == nullptr) {
        return;  // a handle left held must never turn the background picture into a tile
    }
    const HandleEdge edge = static_cast<HandleEdge>(static_cast<int>(m_pointer.resizeMode) - 1);
    Handle& dragged = m_handles[edge];
    const ResizeOutcome out =
        resizeFromHandle(m_pointer.resizeMode, h->rect, dragged.position, x, y);
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
