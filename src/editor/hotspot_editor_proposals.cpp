// Proposed hotspots: asking for them, showing them over the picture, accepting or dismissing
// them; and the edge map that dragged edges snap to.
#include <algorithm>
#include <string>
#include <utility>

#include "core/template_fill.h"
#include "editor/hotspot_editor.h"
#include "editor/messages.h"

namespace velquist {
namespace {

std::string withCount(const char* text, size_t count) {
    const std::string number = std::to_string(count);
    return fillTemplate(text, {{.name = "{数量}", .value = number}});
}

}  // namespace

Said HotspotEditor::proposeHotspots() {
    m_proposals.shown.clear();  // a fresh look replaces what is shown
    if (!m_map.hasBackground()) {
        m_proposals.awaited = 0;
        return editor_messages::kProposeWithoutPicture;
    }
    m_proposals.awaited = ++m_proposals.lastTicket;
    m_proposals.handedOut = false;
    return editor_messages::kProposing;
}

std::optional<AnalysisRequest> HotspotEditor::takeAnalysisRequest() {
    const Background& b = m_map.background();
    if (b.picture == nullptr) {
        return std::nullopt;
    }
    AnalysisRequest request;
    request.ticket = m_proposals.awaited;
    request.picture = b.picture;
    if (m_proposals.edgesOf != b.picture) {
        // Once per picture: a drag must not wait for it.
        m_proposals.edgesOf = b.picture;
        m_proposals.edges.reset();
        m_proposals.found.clear();
        request.edges = true;
    }
    if (m_proposals.awaited != 0 && !m_proposals.handedOut) {
        m_proposals.handedOut = true;
        std::vector<Rect> around;
        for (const Hotspot& h : m_map.hotspots()) {
            around.push_back(h.rect.translated(-b.position.x, -b.position.y));
        }
        request.proposeAround = std::move(around);
    }
    if (!request.edges && !request.proposeAround) {
        return std::nullopt;
    }
    return request;
}

Said HotspotEditor::finishAnalysis(AnalysisResult result) {
    if (result.picture == nullptr || result.picture != m_map.background().picture) {
        return std::nullopt;  // the picture changed meanwhile
    }
    if (result.edges && m_proposals.edgesOf == result.picture) {
        m_proposals.edges = std::move(*result.edges);
        for (const Rect& r : m_proposals.found) {
            m_proposals.edges->addRectangle(r);
        }
    }
    if (result.proposals && result.ticket == m_proposals.awaited) {
        m_proposals.awaited = 0;
        std::vector<Rect>& found = m_proposals.found;
        for (const Suggestion& s : *result.proposals) {
            m_proposals.shown.push_back(s.rect);
            // Asked again, the picture proposes the same: each side is searched once per move.
            if (std::find(found.begin(), found.end(), s.rect) == found.end()) {
                found.push_back(s.rect);
                if (m_proposals.edges) {
                    m_proposals.edges->addRectangle(s.rect);
                }
            }
        }
        return m_proposals.shown.empty()
                   ? std::string(editor_messages::kNothingToPropose)
                   : withCount(editor_messages::kProposalsFound, m_proposals.shown.size());
    }
    return std::nullopt;
}

std::vector<Rect> HotspotEditor::proposalOutlines() const {
    const Point origin = m_map.background().position;
    std::vector<Rect> outlines;
    for (const Rect& r : m_proposals.shown) {
        outlines.push_back(r.translated(origin.x, origin.y));
    }
    return outlines;
}

std::optional<Said> HotspotEditor::acceptProposalAt(Point at) {
    const Point origin = m_map.background().position;
    std::vector<Rect>& shown = m_proposals.shown;
    // Of nested proposals, the innermost is the one aimed at.
    auto chosen = shown.end();
    for (auto it = shown.begin(); it != shown.end(); ++it) {
        if (it->contains(at.x - origin.x, at.y - origin.y) &&
            (chosen == shown.end() ||
             int64_t(it->width) * it->height < int64_t(chosen->width) * chosen->height)) {
            chosen = it;
        }
    }
    if (chosen == shown.end()) {
        return std::nullopt;
    }
    const Rect rect = *chosen;
    shown.erase(chosen);
    m_history.begin(editor_messages::kStepAcceptProposal);
    addProposedHotspot(rect);
    m_history.end();
    m_pointer.held = -1;  // this press made the hotspot; moving it takes another
    Said said = placeHandles(m_map.selection());
    if (!shown.empty()) {
        said = withCount(editor_messages::kProposalsLeft, shown.size());
    }
    return said;
}

Said HotspotEditor::acceptAllProposals() {
    if (m_proposals.shown.empty()) {
        return std::nullopt;
    }
    const std::vector<Rect> all = std::exchange(m_proposals.shown, {});
    m_history.begin(editor_messages::kStepAcceptAllProposals);
    for (const Rect& r : all) {
        addProposedHotspot(r);
    }
    m_history.end();
    placeHandles(m_map.selection());
    return withCount(editor_messages::kProposalsAccepted, all.size());
}

void HotspotEditor::addProposedHotspot(const Rect& pictureRect) {
    const Point origin = m_map.background().position;
    m_proposals.accepting = true;
    change(op::AddHotspot{newHotspot(pictureRect.translated(origin.x, origin.y))});
    m_proposals.accepting = false;
}

Said HotspotEditor::dismissProposals() {
    if (m_proposals.shown.empty() && m_proposals.awaited == 0) {
        return std::nullopt;
    }
    m_proposals.shown.clear();
    m_proposals.awaited = 0;
    return editor_messages::kProposalsDismissed;
}

void HotspotEditor::dismissOnEdit(const MapOperation& applied) {
    const bool elsewhere = !m_proposals.accepting &&
                           !std::holds_alternative<op::MoveBackground>(applied) &&
                           !std::holds_alternative<op::Select>(applied);
    if (elsewhere && (!m_proposals.shown.empty() || m_proposals.awaited != 0)) {
        m_proposals.shown.clear();
        m_proposals.awaited = 0;  // what is being looked for no longer fits the map
    }
}

Said HotspotEditor::toggleSnapping() {
    m_proposals.snapping = !m_proposals.snapping;
    return m_proposals.snapping ? editor_messages::kSnapOn : editor_messages::kSnapOff;
}

const EdgeMap* HotspotEditor::snapEdges(const PointerInput& input) const {
    if (!m_proposals.snapping || input.modifiers.alt || !m_proposals.edges) {
        return nullptr;
    }
    return &*m_proposals.edges;
}

}  // namespace velquist
