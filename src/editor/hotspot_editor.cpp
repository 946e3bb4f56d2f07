// The editor's map actions, and the canvas following the map.
#include "editor/hotspot_editor.h"

#include <type_traits>

#include "core/text.h"
#include "editor/hotspot_tile.h"
#include "editor/map_document_conversion.h"
#include "editor/messages.h"
#include "editor/status_text.h"
#include "pictures/picture_buffer.h"

namespace velquist {
namespace {

constexpr Point kNewHotspotAt{100, 100};
constexpr const char* kDefaultLink = "#";

}  // namespace

HotspotEditor::HotspotEditor(int canvasWidth, int canvasHeight)
    : m_canvas(canvasWidth, canvasHeight) {
    m_map.setListener([this](const MapOperation& applied) {
        ++m_changeCount;
        dismissOnEdit(applied);
        follow(applied);
    });
}

void HotspotEditor::change(MapOperation operation) {
    if (auto inverse = m_map.apply(std::move(operation))) {
        m_history.record(std::move(*inverse));
    }
}

void HotspotEditor::changeAsStep(const char* label, MapOperation operation) {
    m_history.begin(label);
    change(std::move(operation));
    m_history.end();
}

Said HotspotEditor::undo() {
    const auto label = m_history.undo(m_map);
    m_handles.hideAll();
    return label ? std::string(editor_messages::kUndone) + *label : editor_messages::kNothingToUndo;
}

Said HotspotEditor::redo() {
    const auto label = m_history.redo(m_map);
    m_handles.hideAll();
    return label ? std::string(editor_messages::kRedone) + *label : editor_messages::kNothingToRedo;
}

void HotspotEditor::drawHotspot(const Hotspot& h) {
    m_canvas.placeObject(h.id, h.rect.left, h.rect.top);
    m_canvas.setPicture(h.id, tileOf(h));
    m_canvas.setTransparency(h.id, h.look.transparency);
}

std::shared_ptr<const Picture> HotspotEditor::tileOf(const Hotspot& h) {
    const Hotspot& last = m_lastTile.made;
    std::shared_ptr<const Picture> tile = m_lastTile.picture.lock();
    if (!tile || last.rect.width != h.rect.width || last.rect.height != h.rect.height ||
        last.look.fill != h.look.fill || last.look.border != h.look.border) {
        m_lastTile.made.rect = h.rect;
        m_lastTile.made.look = h.look;
        tile = std::make_shared<const Picture>(
            makeHotspotTile(h.rect.width, h.rect.height, h.look.fill, h.look.border));
        m_lastTile.picture = tile;
    }
    return tile;
}

void HotspotEditor::redrawHotspot(int32_t id) {
    const Hotspot& h = *m_map.findHotspot(id);
    m_canvas.setPicture(h.id, tileOf(h));
    m_canvas.moveObject(h.id, h.rect.left, h.rect.top);
    m_canvas.setTransparency(h.id, h.look.transparency);
}

void HotspotEditor::redrawAll() {
    m_canvas.deleteAllObjects();
    if (m_pointer.held > 0) {
        m_pointer.held = -1;  // whatever was held is gone, even if it comes back
    }
    m_canvas.clearBackdrop();
    const Background& b = m_map.background();
    if (b.id > 0) {
        m_canvas.placeObject(b.id, b.position.x, b.position.y);
        m_canvas.setPicture(b.id, b.picture);
    }
    for (const Hotspot& h : m_map.hotspots()) {
        drawHotspot(h);
    }
}

void HotspotEditor::follow(const MapOperation& applied) {
    std::visit(
        [this](const auto& o) {
            using T = std::decay_t<decltype(o)>;
            if constexpr (std::is_same_v<T, op::AddHotspot>) {
                drawHotspot(*m_map.findHotspot(o.hotspot.id));
            } else if constexpr (std::is_same_v<T, op::RemoveHotspot>) {
                m_canvas.deleteObject(o.id);
                dropHeld(o.id);
            } else if constexpr (std::is_same_v<T, op::MoveHotspot>) {
                m_canvas.moveObject(o.id, o.to.x, o.to.y);
            } else if constexpr (std::is_same_v<T, op::MoveHotspots>) {
                for (int32_t id : o.ids) {
                    const Hotspot& h = *m_map.findHotspot(id);
                    m_canvas.moveObject(id, h.rect.left, h.rect.top);
                }
            } else if constexpr (std::is_same_v<T, op::ResizeHotspot>) {
                redrawHotspot(o.id);
            } else if constexpr (std::is_same_v<T, op::SwapHotspots>) {
                redrawHotspot(o.first);
                redrawHotspot(o.second);
            } else if constexpr (std::is_same_v<T, op::MoveBackground>) {
                const Background& b = m_map.background();
                m_canvas.moveObject(b.id, b.position.x, b.position.y);
                for (const Hotspot& h : m_map.hotspots()) {
                    m_canvas.moveObject(h.id, h.rect.left, h.rect.top);
                }
            } else if constexpr (std::is_same_v<T, op::ReplacePicture>) {
                const Background& b = m_map.background();
                if (m_canvas.hasObject(b.id)) {
                    m_canvas.setPicture(b.id, b.picture);
                } else {
                    redrawAll();  // a first picture: its object is new
                }
            } else if constexpr (std::is_same_v<T, op::ReplaceBackground> ||
                                 std::is_same_v<T, op::RestoreMap>) {
                m_handles.hideAll();
                redrawAll();
            }
            // Content and selection do not show on the canvas.
        },
        applied);
}

Said HotspotEditor::addHotspot() {
    const HotspotStyle& s = m_map.style();
    if (!tileSizeAllowed(s.width, s.height)) {
        // It could be neither seen nor clicked.
        return withPictureLimits(editor_messages::kAddWithoutPicture);
    }
    changeAsStep(editor_messages::kStepAdd,
                 op::AddHotspot{newHotspot({kNewHotspotAt.x, kNewHotspotAt.y, s.width, s.height})});
    return std::nullopt;
}

Hotspot HotspotEditor::newHotspot(const Rect& rect) const {
    const HotspotStyle& s = m_map.style();
    Hotspot h;
    h.rect = rect;
    h.link = kDefaultLink;
    h.look = {s.fillColor, s.borderColor, s.transparency};
    return h;
}

Said HotspotEditor::deleteSelectedHotspot() {
    if (m_map.selectedIds().size() > 1) {
        return deleteSeveral();
    }
    const int32_t id = m_map.selection();
    if (id == m_map.background().id) {
        return editor_messages::kDeleteWithoutHotspot;
    }
    m_handles.hideAll();
    if (!m_map.isHotspot(id)) {
        return std::nullopt;
    }
    changeAsStep(editor_messages::kStepDelete, op::RemoveHotspot{id});
    return editor_messages::kHotspotDeleted;
}

Said HotspotEditor::alignBackground(Alignment where) {
    if (!m_map.hasBackground()) {
        return editor_messages::kNoBackgroundLoaded;
    }
    m_handles.hideAll();
    const Rect background = m_map.background().rect();
    changeAsStep(editor_messages::kStepAlign,
                 op::MoveBackground{
                     alignedPosition(where, background, m_canvas.width(), m_canvas.height())});
    return alignedMessage(where);
}

void HotspotEditor::replaceMap(const char* label, const MapDocument& document,
                               std::shared_ptr<const Picture> picture) {
    m_awaitedPictures = document.pictures;
    if (m_awaitedPictures.empty()) {
        m_awaitedPictures.push_back(
            {document.pictureAddress, document.pictureWidth, document.pictureHeight});
    }
    m_handles.hideAll();
    changeAsStep(label, op::RestoreMap{mapStateOf(document, std::move(picture), m_map.style())});
}

MapDocument HotspotEditor::document() const {
    return mapDocumentOf(m_map, m_awaitedPictures);
}

ContentForm HotspotEditor::contentFormFor(int32_t id) const {
    ContentForm form;
    const Hotspot* h = m_map.findHotspot(id);
    if (h == nullptr) {
        return form;
    }
    form.found = true;
    form.tip = h->tip.empty() ? editor_messages::kDefaultTip : h->tip;
    form.link = h->link;
    form.id = h->id;
    form.title = contentTitle(h->rect, m_map.background().position);
    return form;
}

ContentOpened HotspotEditor::openContent() {
    ContentOpened opened{contentForm(), std::nullopt};
    if (!opened.form.found) {
        opened.said = editor_messages::kContentWithoutHotspot;
    }
    return opened;
}

ContentApplied HotspotEditor::applyContent(const ContentForm& opened, std::string tip,
                                           std::string link) {
    if (!opened.found) {
        return {false, editor_messages::kContentWithoutHotspot};
    }
    // The window edits the hotspot it opened for, wherever its row is now.
    if (!m_map.isHotspot(opened.id)) {
        return {false, editor_messages::kContentTargetGone};
    }
    // Blanks pasted or typed around an address would end up inside the page's href.
    changeAsStep(editor_messages::kStepContent,
                 op::SetContent{opened.id, std::move(tip), std::string(trimmedTypedBlanks(link))});
    return {true, editor_messages::kContentApplied};
}

Said HotspotEditor::cancelContent() {
    return editor_messages::kContentCancelled;
}

}  // namespace velquist
