// Copy, cut and paste of hotspots: the clipboard holds image-map code, read back by the importer.
#include <algorithm>

#include "core/template_fill.h"
#include "core/text.h"
#include "editor/hotspot_editor.h"
#include "editor/messages.h"
#include "editor/paste_placement.h"
#include "mapfile/image_map_import.h"
#include "mapfile/map_limits.h"
#include "mapfile/messages.h"

namespace velquist {
namespace {

namespace msg = editor_messages;

std::string counted(const char* templ, size_t count) {
    return fillTemplate(templ, {{"{个数}", formatNumber(static_cast<int64_t>(count))}});
}

bool containsIgnoringCase(std::string_view text, std::string_view part) {
    return asciiLower(text).find(part) != std::string::npos;
}

// <area> lines copied without their <map> are read as the map they came from.
Result<ImportedMap> importAreas(std::string_view code) {
    if (!containsIgnoringCase(code, "<area")) {
        return Status::failure(msg::kPasteNoAreas);
    }
    if (containsIgnoringCase(code, "<map")) {
        return importImageMap(code);
    }
    return importImageMap("<map>" + std::string(code) + "</map>");
}

}  // namespace

Said HotspotEditor::copySelection() const {
    const size_t count = m_map.selectedIds().size();
    return count == 0 ? Said(msg::kNothingToCopy) : Said(counted(msg::kCopied, count));
}

Said HotspotEditor::cutSelection() {
    const std::vector<int32_t> ids = m_map.selectedIds();
    if (ids.empty()) {
        return msg::kNothingToCut;
    }
    m_handles.hideAll();
    m_history.begin(msg::kStepCut);
    // From the end of the table: each removal is then at the end of what is left.
    for (auto it = ids.rbegin(); it != ids.rend(); ++it) {
        change(op::RemoveHotspot{*it});
    }
    m_history.end();
    return counted(msg::kCut, ids.size());
}

Said HotspotEditor::pasteCode(std::string_view code) {
    if (!m_map.hasBackground()) {
        return msg::kPasteWithoutPicture;
    }
    Result<ImportedMap> imported = importAreas(code);
    if (!imported) {
        return msg::kPasteFailed + imported.error();
    }
    // A map beyond the limit could no longer be saved or kept.
    if (m_map.hotspots().size() + imported->map.hotspots.size() >
        static_cast<size_t>(kMaxMapHotspots)) {
        return msg::kPasteFailed + fillTemplate(mapfile_messages::kTooManyHotspots,
                                                {{"{上限}", formatNumber(kMaxMapHotspots)}});
    }
    const Point origin = m_map.background().position;
    std::vector<Rect> pasted;
    pasted.reserve(imported->map.hotspots.size());
    for (const MapHotspot& h : imported->map.hotspots) {
        pasted.push_back(h.rect.translated(origin.x, origin.y));
    }
    std::vector<Rect> existing;
    existing.reserve(m_map.hotspots().size());
    for (const Hotspot& h : m_map.hotspots()) {
        existing.push_back(h.rect);
    }
    const Point offset = pasteOffset(existing, pasted);
    m_handles.hideAll();
    m_history.begin(msg::kStepPaste);
    std::vector<int32_t> ids;
    ids.reserve(pasted.size());
    for (size_t i = 0; i < pasted.size(); ++i) {
        Hotspot h = newHotspot(pasted[i].translated(offset.x, offset.y));
        h.tip = std::move(imported->map.hotspots[i].tip);
        h.link = std::move(imported->map.hotspots[i].link);
        change(op::AddHotspot{std::move(h)});
        ids.push_back(m_map.hotspots().back().id);  // new ids are the highest: appended
    }
    change(op::Select{ids.front(), ids});
    m_history.end();
    if (ids.size() == 1) {
        placeHandles(ids.front());
    }
    return counted(msg::kPasted, ids.size());
}

}  // namespace velquist
