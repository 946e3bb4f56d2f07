// Keys and the wheel: nudging and stepping through hotspots, scrolling the picture.
#include <cstdlib>

#include "editor/hotspot_editor.h"
#include "editor/messages.h"
#include "editor/status_text.h"

namespace velquist {
namespace {

// One notch is 120 eighths of a degree and moves the picture 60 px.
constexpr int kWheelUnitsPerPixel = 2;

// Whole pixels in `rest` wheel units; what is left stays in `rest`, keeping its sign.
int takePixels(int& rest) {
    const int pixels = rest / kWheelUnitsPerPixel;
    rest -= pixels * kWheelUnitsPerPixel;
    return pixels;
}

}  // namespace

Said HotspotEditor::nudgeSelected(int dx, int dy) {
    if (m_map.selectedIds().size() > 1 && (dx != 0 || dy != 0)) {
        return nudgeSeveral(dx, dy);
    }
    const Hotspot* h = m_map.findHotspot(m_map.selection());
    if (h == nullptr || (dx == 0 && dy == 0)) {
        return std::nullopt;
    }
    // Holding an arrow key repeats it: the run is one step for as long as nothing else happens.
    if (!m_history.isOpen(editor_messages::kStepNudge) || m_nudged != h->id) {
        m_history.begin(editor_messages::kStepNudge);
        m_nudged = h->id;
    }
    const int32_t id = h->id;
    change(op::MoveHotspot{id, {h->rect.left + dx, h->rect.top + dy}});
    return placeHandles(id);
}

Said HotspotEditor::selectNextHotspot(bool backward) {
    const std::vector<Hotspot>& all = m_map.hotspots();
    if (all.empty()) {
        return std::nullopt;
    }
    // With none selected, stepping starts at the first hotspot (the last, going backward).
    const auto index = m_map.indexOf(m_map.selection());
    size_t next = backward ? all.size() - 1 : 0;
    if (index) {
        next = backward ? (*index + all.size() - 1) % all.size() : (*index + 1) % all.size();
    }
    (void)m_map.apply(op::Select{all[next].id, {}});  // choosing is not a change of the map
    return placeHandles(all[next].id);
}

Said HotspotEditor::wheel(int deltaX, int deltaY) {
    if (!m_map.hasBackground()) {
        return std::nullopt;
    }
    m_wheelRest.x += deltaX;
    m_wheelRest.y += deltaY;
    const int dx = takePixels(m_wheelRest.x);
    const int dy = takePixels(m_wheelRest.y);
    const Background& b = m_map.background();
    const Point to = wheelScrolledPosition(b.rect(), {dx, dy}, m_canvas.width(), m_canvas.height());
    if (to == b.position) {
        return std::nullopt;
    }
    if (!m_history.isOpen(editor_messages::kStepScroll)) {
        m_history.begin(editor_messages::kStepScroll);
    }
    change(op::MoveBackground{to});
    // The handles stay on the selected hotspot; the status line tells where the picture is.
    showSelection();
    return statusOf(m_map.background().id);
}

}  // namespace velquist
