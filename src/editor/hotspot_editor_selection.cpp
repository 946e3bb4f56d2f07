// Several hotspots selected at once: choosing them and what the status line says about them.
#include <algorithm>

#include "editor/hotspot_editor.h"
#include "editor/status_text.h"

namespace velquist {

Said HotspotEditor::selectHotspots(const std::vector<int32_t>& ids) {
    std::vector<int32_t> found;
    found.reserve(ids.size());
    std::copy_if(ids.begin(), ids.end(), std::back_inserter(found),
                 [this](int32_t id) { return m_map.isHotspot(id); });
    const int32_t current = found.empty() ? 0 : found.front();
    m_history.end();  // a run of nudges ends with the hotspots it moved
    (void)m_map.apply(op::Select{current, std::move(found)});  // choosing is not a change
    m_handles.hideAll();
    if (m_map.selectedIds().size() == 1) {
        placeHandles(current);
    }
    return selectionStatus();
}

Said HotspotEditor::selectAll() {
    std::vector<int32_t> ids;
    ids.reserve(m_map.hotspots().size());
    for (const Hotspot& h : m_map.hotspots()) {
        ids.push_back(h.id);
    }
    return selectHotspots(ids);
}

Said HotspotEditor::clearSelection() {
    if (m_map.selectedIds().empty()) {
        return std::nullopt;
    }
    (void)m_map.apply(op::Select{0, {}});
    m_handles.hideAll();
    return statusOf(m_map.background().id);
}

Said HotspotEditor::selectionStatus() const {
    const std::vector<int32_t>& ids = m_map.selectedIds();
    if (ids.size() < 2) {
        return statusOf(ids.empty() ? m_map.selection() : ids.front());
    }
    Rect bounds = m_map.findHotspot(ids.front())->rect;
    for (int32_t id : ids) {
        bounds = bounds.united(m_map.findHotspot(id)->rect);
    }
    return velquist::selectionStatus(static_cast<int>(ids.size()), bounds,
                                     m_map.background().position);
}

}  // namespace velquist
