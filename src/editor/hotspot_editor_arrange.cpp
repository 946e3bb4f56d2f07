// Several hotspots at once: the selection aligned, spaced out or sized against one of them, and
// one hotspot repeated as a grid. Each action is one undo step.
#include <algorithm>

#include "core/template_fill.h"
#include "core/text.h"
#include "editor/hotspot_editor.h"
#include "editor/messages.h"

namespace velquist {

Said HotspotEditor::arrangeSelected(Arrangement what, int32_t reference) {
    const std::vector<int32_t> ids = m_map.selectedIds();
    if (ids.size() < 2) {
        return editor_messages::kArrangeNeedsTwo;
    }
    // The hotspot right-clicked stays; should it have left the selection, the first one does.
    const auto at = std::find(ids.begin(), ids.end(), reference);
    const size_t referenceIndex = at == ids.end() ? 0 : static_cast<size_t>(at - ids.begin());
    std::vector<Rect> before;
    before.reserve(ids.size());
    for (const int32_t id : ids) {
        before.push_back(m_map.findHotspot(id)->rect);
    }
    const std::vector<Rect> after = arranged(what, before, referenceIndex);
    // The new tiles take the colours of the current style, as a resize by a handle does.
    const HotspotStyle& style = m_map.style();
    m_history.begin(arrangementName(what));
    for (size_t i = 0; i < ids.size(); ++i) {
        if (after[i] == before[i]) {
            continue;
        } else if (resizes(what)) {
            const int32_t transparency = m_map.findHotspot(ids[i])->look.transparency;
            change(op::ResizeHotspot{
                ids[i], after[i], {style.fillColor, style.borderColor, transparency}});
        } else {
            change(op::MoveHotspot{ids[i], {after[i].left, after[i].top}});
        }
    }
    m_history.end();
    m_handles.hideAll();  // as for any selection of several
    const std::string count = formatNumber(static_cast<int64_t>(ids.size()));
    return fillTemplate(resizes(what) ? editor_messages::kSized : editor_messages::kArranged,
                        {{"{操作}", arrangementName(what)}, {"{数量}", count}});
}

Result<std::vector<Rect>> HotspotEditor::gridCopies(int32_t id, const GridShape& shape) const {
    const Hotspot* h = m_map.findHotspot(id);
    if (h == nullptr) {
        return Status::failure(editor_messages::kGridTargetGone);
    }
    // The map's limits hold for picture coordinates, as the map is saved.
    const Point o = m_map.background().position;
    Result<std::vector<Rect>> cells =
        gridCells(h->rect.translated(-o.x, -o.y), shape, m_map.hotspots().size());
    if (cells) {
        for (Rect& r : *cells) {
            r = r.translated(o.x, o.y);
        }
    }
    return cells;
}

Said HotspotEditor::repeatAsGrid(int32_t id, const GridShape& shape) {
    Result<std::vector<Rect>> cells = gridCopies(id, shape);
    if (!cells) {
        return m_map.isHotspot(id) ? editor_messages::kGridRefused + cells.error() : cells.error();
    }
    if (cells->empty()) {
        return editor_messages::kGridSingleCell;
    }
    Hotspot copy = *m_map.findHotspot(id);
    std::vector<int32_t> added;
    added.reserve(cells->size());
    m_history.begin(editor_messages::kStepGrid);
    for (const Rect& r : *cells) {
        copy.id = 0;
        copy.rect = r;
        added.push_back(m_map.nextId());
        change(op::AddHotspot{copy});
    }
    m_history.end();
    const int32_t first = added.front();
    (void)m_map.apply(op::Select{first, std::move(added)});  // choosing is not a change of the map
    m_handles.hideAll();
    return fillTemplate(editor_messages::kGridAdded,
                        {{"{行数}", formatNumber(shape.rows)},
                         {"{列数}", formatNumber(shape.columns)},
                         {"{数量}", formatNumber(static_cast<int64_t>(cells->size()))}});
}

}  // namespace velquist
