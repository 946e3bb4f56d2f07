// The hotspot list's edits: a cell typed in, and rows moved up or down in the map order.
#include <algorithm>

#include "core/template_fill.h"
#include "core/text.h"
#include "editor/hotspot_editor.h"
#include "editor/messages.h"
#include "mapfile/map_limits.h"
#include "mapfile/messages.h"

namespace velquist {
namespace {

namespace msg = editor_messages;

std::string refusal(HotspotColumn column, std::string_view problem) {
    return fillTemplate(msg::kListEditFailed,
                        {{"{列}", kHotspotColumnCaptions[static_cast<size_t>(column)]},
                         {"{问题}", std::string(problem)}});
}

}  // namespace

FieldEdit HotspotEditor::editField(int32_t id, HotspotColumn column, std::string_view text) {
    const Hotspot* h = m_map.findHotspot(id);
    if (h == nullptr) {
        return {false, msg::kContentTargetGone};
    }
    if (column == HotspotColumn::Tip || column == HotspotColumn::Link) {
        return editTexts(id, column, text);
    }
    const bool across = column == HotspotColumn::Left || column == HotspotColumn::Width;
    const TypedNumber typed = typedNumber(column, text, across ? h->rect.height : h->rect.width);
    if (!typed.value) {
        return {false, refusal(column, typed.problem)};
    }
    const Point origin = m_map.background().position;
    Rect rect = h->rect;
    switch (column) {
        case HotspotColumn::Left:
            rect.left = origin.x + *typed.value;
            break;
        case HotspotColumn::Top:
            rect.top = origin.y + *typed.value;
            break;
        case HotspotColumn::Width:
            rect.width = *typed.value;
            break;
        default:
            rect.height = *typed.value;
            break;
    }
    if (rect == h->rect) {
        return {true, std::nullopt};
    }
    m_handles.hideAll();
    changeAsStep(msg::kStepListEdit, op::ResizeHotspot{id, rect, h->look});
    if (m_map.selectedIds().size() == 1) {
        placeHandles(m_map.selectedIds().front());
    }
    return {true, statusOf(id)};
}

// A tip or link typed for a selected row goes to every selected hotspot.
FieldEdit HotspotEditor::editTexts(int32_t id, HotspotColumn column, std::string_view text) {
    if (static_cast<int64_t>(text.size()) > kMaxMapTextBytes) {
        return {false, refusal(column, fillTemplate(mapfile_messages::kTooLong,
                                                    {{"{上限}", formatNumber(kMaxMapTextBytes)}}))};
    }
    // Blanks pasted or typed around an address would end up inside the page's href.
    const std::string value(column == HotspotColumn::Link ? trimmedTypedBlanks(text) : text);
    std::vector<int32_t> ids{id};
    if (m_map.isSelected(id)) {
        ids = m_map.selectedIds();
    }
    m_history.begin(msg::kStepListEdit);
    for (const int32_t each : ids) {
        const Hotspot& h = *m_map.findHotspot(each);
        const bool tip = column == HotspotColumn::Tip;
        if ((tip ? h.tip : h.link) != value) {
            change(op::SetContent{each, tip ? value : h.tip, tip ? h.link : value});
        }
    }
    m_history.end();
    return {true, msg::kListEdited};
}

Said HotspotEditor::moveSelectedInOrder(bool up) {
    const std::vector<Hotspot>& all = m_map.hotspots();
    std::vector<char> selected(all.size(), 0);
    for (const int32_t id : m_map.selectedIds()) {
        selected[*m_map.indexOf(id)] = 1;
    }
    const size_t n = all.size();
    m_history.begin(msg::kStepReorder);
    // Rows already against the end (and those stuck behind them) stay where they are.
    for (size_t k = 0; k < n; ++k) {
        const size_t i = up ? k : n - 1 - k;
        const bool edge = up ? i == 0 : i + 1 == n;
        const size_t j = up ? i - 1 : i + 1;
        if (selected[i] == 0 || edge || selected[j] != 0) {
            continue;
        }
        change(op::SwapHotspots{all[j].id, all[i].id});
        std::swap(selected[i], selected[j]);
    }
    std::vector<int32_t> ids;
    for (size_t i = 0; i < n; ++i) {
        if (selected[i] != 0) {
            ids.push_back(all[i].id);
        }
    }
    if (ids != m_map.selectedIds()) {
        change(op::Select{ids.front(), ids});
    }
    m_history.end();
    return std::nullopt;
}

}  // namespace velquist
