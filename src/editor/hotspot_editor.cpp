// The editor's map actions, and the canvas following the map.
#include "editor/hotspot_editor.h"

#include <type_traits>

#include "editor/hotspot_tile.h"
#include "editor/messages.h"
#include "editor/status_text.h"

namespace velquist {
namespace {

constexpr Point kNewHotspotAt{100, 100};
constexpr const char* kDefaultLink = "#";

}  // namespace

HotspotEditor::HotspotEditor(int canvasWidth, int canvasHeight)
    : m_canvas(canvasWidth, canvasHeight), m_status(editor_messages::kWelcome) {
    m_map.setListener([this](const MapOperation& applied) { follow(applied); });
}

void HotspotEditor::change(MapOperation operation) {
    (void)m_map.apply(std::move(operation));  // an undo history will keep the inverse
}

void HotspotEditor::drawHotspot(const Hotspot& h) {
    m_canvas.placeObject(h.id, h.rect.left, h.rect.top);
    m_canvas.setPicture(h.id, makeHotspotTile(h.rect.width, h.rect.height, h.look.fill,
                                              h.look.border));
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
                m_canvas.setPicture(h.id, makeHotspotTile(h.rect.width, h.rect.height,
                                                          h.look.fill, h.look.border));
                m_canvas.moveObject(h.id, h.rect.left, h.rect.top);
            } else if constexpr (std::is_same_v<T, op::MoveBackground>) {
                const Background& b = m_map.background();
                m_canvas.moveObject(b.id, b.position.x, b.position.y);
                for (const Hotspot& h : m_map.hotspots()) {
                    m_canvas.moveObject(h.id, h.rect.left, h.rect.top);
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

void HotspotEditor::addHotspot() {
    const HotspotStyle& s = m_map.style();
    Hotspot h;
    h.rect = {kNewHotspotAt.x, kNewHotspotAt.y, s.width, s.height};
    h.link = kDefaultLink;
    h.look = {s.fillColor, s.borderColor, s.transparency};
    change(op::AddHotspot{std::move(h)});
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
    change(op::RemoveHotspot{id});
    m_status = editor_messages::kHotspotDeleted;
}

void HotspotEditor::alignBackground(Alignment where) {
    if (!m_map.hasBackground()) {
        m_status = editor_messages::kNoBackgroundLoaded;
        return;
    }
    m_handles.hideAll();
    const Rect background = m_map.background().rect();
    change(op::MoveBackground{
        alignedPosition(where, background, m_canvas.width(), m_canvas.height())});
    m_status = alignedMessage(where);
}

void HotspotEditor::loadStarted() {
    m_status = editor_messages::kLoading;
}

void HotspotEditor::finishLoad(const std::string& address, Result<Picture> result) {
    if (!result) {
        // A mistyped address must not cost the user's hotspots.
        m_status = editor_messages::kLoadFailed + result.error();
        return;
    }
    change(op::ReplaceBackground{std::make_shared<const Picture>(std::move(result).value()),
                                 address});
    const Background& b = m_map.background();
    m_status = loadedStatus(b.width(), b.height());
}

ContentForm HotspotEditor::contentForm() const {
    ContentForm form;
    const Hotspot* h = m_map.findHotspot(m_map.selection());
    if (h == nullptr) {
        return form;
    }
    form.found = true;
    form.tip = h->tip.empty() ? editor_messages::kDefaultTip : h->tip;
    form.link = h->link;
    form.id = h->id;
    return form;
}

void HotspotEditor::applyContent(const ContentForm& opened, std::string tip, std::string link) {
    if (!opened.found) {
        m_status = editor_messages::kContentApplied;
        return;
    }
    // The window edits the hotspot it opened for, wherever its row is now.
    if (!m_map.isHotspot(opened.id)) {
        m_status = editor_messages::kContentTargetGone;
        return;
    }
    change(op::SetContent{opened.id, std::move(tip), std::move(link)});
    m_status = editor_messages::kContentApplied;
}

void HotspotEditor::cancelContent() {
    m_status = editor_messages::kContentCancelled;
}

}  // namespace velquist
