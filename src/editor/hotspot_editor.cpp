// The editor's map actions, and the canvas following the map.
#include "editor/hotspot_editor.h"

#include <type_traits>

#include "core/text.h"
#include "editor/hotspot_tile.h"
#include "editor/map_document_conversion.h"
#include "editor/messages.h"
#include "editor/status_text.h"

namespace velquist {
namespace {

constexpr Point kNewHotspotAt{100, 100};
constexpr const char* kDefaultLink = "#";

}  // namespace

HotspotEditor::HotspotEditor(int canvasWidth, int canvasHeight)
    : m_canvas(canvasWidth, canvasHeight), m_status(editor_messages::kWelcome) {
    m_map.setListener([this](const MapOperation& applied) {
        ++m_changeCount;
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

void HotspotEditor::undo() {
    const auto label = m_history.undo(m_map);
    m_handles.hideAll();
    m_status =
        label ? std::string(editor_messages::kUndone) + *label : editor_messages::kNothingToUndo;
}

void HotspotEditor::redo() {
    const auto label = m_history.redo(m_map);
    m_handles.hideAll();
    m_status =
        label ? std::string(editor_messages::kRedone) + *label : editor_messages::kNothingToRedo;
}

void HotspotEditor::drawHotspot(const Hotspot& h) {
    m_canvas.placeObject(h.id, h.rect.left, h.rect.top);
    m_canvas.setPicture(h.id,
                        makeHotspotTile(h.rect.width, h.rect.height, h.look.fill, h.look.border));
    m_canvas.setTransparency(h.id, h.look.transparency);
}

void HotspotEditor::redrawAll() {
    m_canvas.deleteAllObjects();
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
            } else if constexpr (std::is_same_v<T, op::MoveHotspot>) {
                m_canvas.moveObject(o.id, o.to.x, o.to.y);
            } else if constexpr (std::is_same_v<T, op::ResizeHotspot>) {
                const Hotspot& h = *m_map.findHotspot(o.id);
                m_canvas.setPicture(
                    h.id, makeHotspotTile(h.rect.width, h.rect.height, h.look.fill, h.look.border));
                m_canvas.moveObject(h.id, h.rect.left, h.rect.top);
            } else if constexpr (std::is_same_v<T, op::MoveBackground>) {
                const Background& b = m_map.background();
                m_canvas.moveObject(b.id, b.position.x, b.position.y);
                for (const Hotspot& h : m_map.hotspots()) {
                    m_canvas.moveObject(h.id, h.rect.left, h.rect.top);
                }
            } else if constexpr (std::is_same_v<T, op::ReplacePicture>) {
                m_canvas.setPicture(m_map.background().id, m_map.background().picture);
            } else if constexpr (std::is_same_v<T, op::ReplaceBackground> ||
                                 std::is_same_v<T, op::ReplacePicture> ||
                                 std::is_same_v<T, op::RestoreMap>) {
                m_handles.hideAll();
                redrawAll();
            }
            // Content and selection do not show on the canvas.
        },
        applied);
}

void HotspotEditor::addHotspot() {
    const HotspotStyle& s = m_map.style();
    if (!tileSizeAllowed(s.width, s.height)) {
        m_status = editor_messages::kAddWithoutPicture;  // it could be neither seen nor clicked
        return;
    }
    Hotspot h;
    h.rect = {kNewHotspotAt.x, kNewHotspotAt.y, s.width, s.height};
    h.link = kDefaultLink;
    h.look = {s.fillColor, s.borderColor, s.transparency};
    changeAsStep(editor_messages::kStepAdd, op::AddHotspot{std::move(h)});
}

void HotspotEditor::deleteSelectedHotspot() {
    const int32_t id = m_map.selection();
    if (id == m_map.background().id) {
        m_status = editor_messages::kDeleteWithoutHotspot;
        return;
    }
    m_handles.hideAll();
    if (!m_map.isHotspot(id)) {
        return;
    }
    changeAsStep(editor_messages::kStepDelete, op::RemoveHotspot{id});
    m_status = editor_messages::kHotspotDeleted;
}

void HotspotEditor::alignBackground(Alignment where) {
    if (!m_map.hasBackground()) {
        m_status = editor_messages::kNoBackgroundLoaded;
        return;
    }
    m_handles.hideAll();
    const Rect background = m_map.background().rect();
    changeAsStep(editor_messages::kStepAlign,
                 op::MoveBackground{
                     alignedPosition(where, background, m_canvas.width(), m_canvas.height())});
    m_status = alignedMessage(where);
}

void HotspotEditor::loadStarted(std::string address) {
    m_loadingAddress = std::move(address);
    m_status = editor_messages::kLoading;
}

const std::string& HotspotEditor::addressToShow() const {
    return m_loadingAddress.empty() ? m_map.background().address : m_loadingAddress;
}

void HotspotEditor::loadProgressed(uint64_t received, std::optional<uint64_t> total) {
    m_status = loadingStatus(received, total);
}

void HotspotEditor::finishLoad(const std::string& address, Result<Picture> result,
                               bool keepHotspots) {
    m_loadingAddress.clear();
    if (!result) {
        // A mistyped address must not cost the user's hotspots.
        m_status = editor_messages::kLoadFailed + result.error();
        return;
    }
    if (keepHotspots && m_map.hasBackground()) {
        changeAsStep(editor_messages::kStepSwapPicture,
                     op::ReplacePicture{std::make_shared<const Picture>(std::move(result).value()),
                                        address});
        placeHandles(m_map.selection());
        const Background& b = m_map.background();
        m_status = loadedStatus(b.width(), b.height());
        return;
    }
    changeAsStep(
        editor_messages::kStepLoad,
        op::ReplaceBackground{std::make_shared<const Picture>(std::move(result).value()), address});
    const Background& b = m_map.background();
    m_status = loadedStatus(b.width(), b.height());
}

void HotspotEditor::replaceMap(const char* label, const MapDocument& document,
                               std::shared_ptr<const Picture> picture, std::string status) {
    m_awaitedWidth = document.pictureWidth;
    m_awaitedHeight = document.pictureHeight;
    m_handles.hideAll();
    changeAsStep(label, op::RestoreMap{mapStateOf(document, std::move(picture), m_map.style())});
    m_status = std::move(status);
}

MapDocument HotspotEditor::document() const {
    return mapDocumentOf(m_map, m_awaitedWidth, m_awaitedHeight);
}

bool HotspotEditor::awaitsPicture(const std::string& address) const {
    const Background& b = m_map.background();
    return !b.picture && !address.empty() && b.address == address;
}

void HotspotEditor::finishPictureFetch(const std::string& address, Result<Picture> result) {
    if (!awaitsPicture(address)) {
        return;
    }
    if (!result) {
        m_status = editor_messages::kLoadFailed + result.error();
        return;
    }
    // Applied outside any step: the step that replaced the map takes the picture back with it.
    m_map.apply(
        op::ReplacePicture{std::make_shared<const Picture>(std::move(result).value()), address});
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

ContentForm HotspotEditor::openContent() {
    ContentForm form = contentForm();
    if (!form.found) {
        m_status = editor_messages::kContentWithoutHotspot;
    }
    return form;
}

bool HotspotEditor::applyContent(const ContentForm& opened, std::string tip, std::string link) {
    if (!opened.found) {
        m_status = editor_messages::kContentWithoutHotspot;
        return false;
    }
    // The window edits the hotspot it opened for, wherever its row is now.
    if (!m_map.isHotspot(opened.id)) {
        m_status = editor_messages::kContentTargetGone;
        return false;
    }
    // Blanks pasted or typed around an address would end up inside the page's href.
    changeAsStep(editor_messages::kStepContent,
                 op::SetContent{opened.id, std::move(tip), std::string(trimmedTypedBlanks(link))});
    m_status = editor_messages::kContentApplied;
    return true;
}

void HotspotEditor::cancelContent() {
    m_status = editor_messages::kContentCancelled;
}

}  // namespace velquist
