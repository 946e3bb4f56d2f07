// Rectangles dragged with Shift (a new hotspot) or Ctrl (a selection), and several selected
// hotspots dragged, nudged, deleted and duplicated together.
#include <algorithm>
#include <cstdlib>
#include <utility>

#include "editor/hotspot_editor.h"
#include "editor/messages.h"

namespace velquist {
namespace {

// A shorter drag is a click that slipped, not a rectangle.
constexpr int kLeastDrag = 4;
constexpr int kDuplicateOffset = 10;
// The nudge run of a selection of several, told apart from a run on one hotspot.
constexpr int32_t kSeveralNudged = -1;

Rect spanned(Point from, Point to) {
    return {std::min(from.x, to.x), std::min(from.y, to.y), std::abs(to.x - from.x),
            std::abs(to.y - from.y)};
}

bool isClick(const Rect& r) {
    return std::max(r.width, r.height) < kLeastDrag;
}

}  // namespace

std::vector<Rect> HotspotEditor::selectionFrames() const {
    std::vector<Rect> frames;
    const std::vector<int32_t>& ids = m_map.selectedIds();
    if (ids.size() < 2) {
        return frames;
    }
    frames.reserve(ids.size());
    for (int32_t id : ids) {
        frames.push_back(m_map.findHotspot(id)->rect);
    }
    return frames;
}

std::optional<DragFrame> HotspotEditor::dragFrame() const {
    using G = PointerState::Gesture;
    const G g = m_pointer.gesture;
    if ((g != G::Draw && g != G::Select) || !m_pointer.moved) {
        return std::nullopt;
    }
    return DragFrame{spanned(m_pointer.from, m_pointer.to), g == G::Draw};
}

// Shift draws (on a picture only, like "添加热区"), Ctrl selects; Shift wins when both are held.
bool HotspotEditor::startsRectangle(const PointerInput& input) {
    const bool draws = input.modifiers.shift && m_map.hasBackground();
    const Point at = input.at;
    if ((!draws && !input.modifiers.control) ||
        !Rect{0, 0, m_canvas.width(), m_canvas.height()}.contains(at.x, at.y)) {
        return false;
    }
    m_pointer.resizing.reset();
    m_pointer.held = -1;  // nothing under the press moves
    m_pointer.gesture = draws ? PointerState::Gesture::Draw : PointerState::Gesture::Select;
    m_pointer.from = at;
    m_pointer.to = at;
    m_pointer.pressed = m_canvas.hitTest(at.x, at.y);
    m_pointer.moved = false;
    return true;
}

bool HotspotEditor::grabsSelection(int32_t hit) const {
    return m_map.selectedIds().size() > 1 && m_map.isSelected(hit);
}

Said HotspotEditor::pressSelection(int32_t hit, Point at) {
    m_pointer.gesture = PointerState::Gesture::Group;
    m_pointer.from = at;
    m_pointer.to = at;
    m_pointer.pressed = hit;
    m_pointer.moved = false;
    m_pointer.grab = {at.x - m_canvas.objectLeft(hit), at.y - m_canvas.objectTop(hit)};
    m_history.begin(editor_messages::kStepMove);  // the whole drag is one step
    return selectionStatus();
}

// The grabbed hotspot goes where a drag of it alone would (snapping included); the others keep
// their distance to it.
Said HotspotEditor::dragGesture(const PointerInput& input) {
    m_pointer.to = input.at;
    m_pointer.moved = m_pointer.moved || input.at != m_pointer.from;
    const Hotspot* h = m_map.findHotspot(m_pointer.pressed);
    if (m_pointer.gesture != PointerState::Gesture::Group || h == nullptr ||
        !m_map.isSelected(h->id)) {
        return std::nullopt;
    }
    const Point to = dragTarget(input, *h);
    const Point by{to.x - h->rect.left, to.y - h->rect.top};
    if (by.x != 0 || by.y != 0) {
        change(op::MoveHotspots{m_map.selectedIds(), by});
    }
    return selectionStatus();
}

Said HotspotEditor::endGesture(Point at) {
    using G = PointerState::Gesture;
    const G g = std::exchange(m_pointer.gesture, G::None);
    const Rect r = spanned(m_pointer.from, at);
    if (g == G::Draw) {
        return isClick(r) ? std::nullopt : drawDragged(r);
    }
    if (g == G::Select) {
        return isClick(r) ? toggleSelected(m_pointer.pressed) : selectTouched(r);
    }
    if (!m_pointer.moved && m_map.isHotspot(m_pointer.pressed)) {
        // A click on one of several selects it alone, as in a file manager.
        (void)m_map.apply(op::Select{m_pointer.pressed, {}});
    }
    return endDrag();
}

// The rectangle as far as the canvas shows it, at least a pixel each way.
Said HotspotEditor::drawDragged(const Rect& rect) {
    Rect r = rect.intersected({0, 0, m_canvas.width(), m_canvas.height()});
    r.width = std::max(r.width, 1);
    r.height = std::max(r.height, 1);
    changeAsStep(editor_messages::kStepAdd, op::AddHotspot{newHotspot(r)});
    return placeHandles(m_map.selection());
}

Said HotspotEditor::toggleSelected(int32_t id) {
    if (!m_map.isHotspot(id)) {
        return std::nullopt;
    }
    std::vector<int32_t> ids = m_map.selectedIds();
    if (m_map.isSelected(id)) {
        std::erase(ids, id);
        // The current hotspot stays current while it stays selected.
        if (const auto current = std::find(ids.begin(), ids.end(), m_map.selection());
            current != ids.end()) {
            std::rotate(ids.begin(), current, current + 1);
        }
    } else {
        ids.insert(ids.begin(), id);
    }
    return ids.empty() ? clearSelection() : selectHotspots(ids);
}

Said HotspotEditor::selectTouched(const Rect& rect) {
    std::vector<int32_t> ids;
    for (const Hotspot& h : m_map.hotspots()) {
        if (!h.rect.intersected(rect).empty()) {
            ids.push_back(h.id);
        }
    }
    if (ids.empty()) {
        return clearSelection();
    }
    return selectHotspots(ids);
}

Said HotspotEditor::showSelection() {
    if (m_map.selectedIds().size() > 1) {
        m_handles.hideAll();
        return selectionStatus();
    }
    return placeHandles(m_map.selection());
}

Said HotspotEditor::deleteSeveral() {
    const std::vector<int32_t> ids = m_map.selectedIds();
    m_handles.hideAll();
    m_history.begin(editor_messages::kStepDelete);
    // From the top of the table down, so that each removal shifts few rows.
    for (auto it = ids.rbegin(); it != ids.rend(); ++it) {
        change(op::RemoveHotspot{*it});
    }
    m_history.end();
    return editor_messages::kHotspotDeleted;
}

// One selected hotspot or several: the copies are one step and become the selection.
Said HotspotEditor::duplicateSelected() {
    const std::vector<int32_t> ids = m_map.selectedIds();
    if (ids.empty()) {
        return std::nullopt;
    }
    std::vector<int32_t> copies;
    copies.reserve(ids.size());
    m_history.begin(editor_messages::kStepDuplicate);
    for (int32_t id : ids) {
        Hotspot copy = *m_map.findHotspot(id);
        copy.id = 0;
        copy.rect.left += kDuplicateOffset;
        copy.rect.top += kDuplicateOffset;
        change(op::AddHotspot{std::move(copy)});
        copies.push_back(m_map.selection());
    }
    m_history.end();
    const int32_t first = copies.front();
    (void)m_map.apply(op::Select{first, std::move(copies)});  // choosing is not a change
    return showSelection();
}

Said HotspotEditor::nudgeSeveral(int dx, int dy) {
    // Like a run on one hotspot: held arrow keys on the same selection are one step.
    if (!m_history.isOpen(editor_messages::kStepNudge) || m_nudged != kSeveralNudged) {
        m_history.begin(editor_messages::kStepNudge);
        m_nudged = kSeveralNudged;
    }
    change(op::MoveHotspots{m_map.selectedIds(), {dx, dy}});
    return showSelection();
}

}  // namespace velquist
