// The undo history.
#include "editor/undo_history.h"

#include <string_view>
#include <type_traits>

#include "editor/edited_map.h"

namespace velquist {
namespace {

// A drag records one inverse per mouse movement; the first of a run on the same object already
// takes it back to where the drag began, so the later ones are not kept.
bool supersedes(const MapOperation& earlier, const MapOperation& later) {
    if (earlier.index() != later.index()) {
        return false;
    }
    return std::visit(
        [&later](const auto& e) {
            using T = std::decay_t<decltype(e)>;
            if constexpr (std::is_same_v<T, op::MoveHotspot> ||
                          std::is_same_v<T, op::ResizeHotspot>) {
                return e.id == std::get<T>(later).id;
            } else {
                return std::is_same_v<T, op::MoveBackground>;
            }
        },
        earlier);
}

// Moves of the same hotspots in a row (a group dragged or nudged) add up to one inverse.
bool addedUp(MapOperation& earlier, const MapOperation& later) {
    auto* e = std::get_if<op::MoveHotspots>(&earlier);
    const auto* l = std::get_if<op::MoveHotspots>(&later);
    if (e == nullptr || l == nullptr || e->ids != l->ids) {
        return false;
    }
    e->by.x += l->by.x;
    e->by.y += l->by.y;
    return true;
}

}  // namespace

void UndoHistory::begin(const char* label) {
    end();
    m_open = Step{label, {}};
}

void UndoHistory::record(MapOperation inverse) {
    if (!m_open) {
        return;
    }
    std::vector<MapOperation>& ops = m_open->operations;
    if (!ops.empty() && (supersedes(ops.back(), inverse) || addedUp(ops.back(), inverse))) {
        return;
    }
    ops.push_back(std::move(inverse));
}

void UndoHistory::end() {
    if (m_open && !m_open->operations.empty()) {
        m_undo.push_back(std::move(*m_open));
        m_redo.clear();
    }
    m_open.reset();
}

bool UndoHistory::isOpen(const char* label) const {
    return m_open && std::string_view(m_open->label) == label;
}

UndoHistory::Step UndoHistory::replay(EditedMap& map, Step step) {
    Step back{step.label, {}};
    back.operations.reserve(step.operations.size());
    for (auto it = step.operations.rbegin(); it != step.operations.rend(); ++it) {
        if (auto inverse = map.apply(std::move(*it))) {
            back.operations.push_back(std::move(*inverse));
        }
    }
    return back;
}

std::optional<const char*> UndoHistory::undo(EditedMap& map) {
    end();
    if (m_undo.empty()) {
        return std::nullopt;
    }
    Step step = std::move(m_undo.back());
    m_undo.pop_back();
    const char* label = step.label;
    m_redo.push_back(replay(map, std::move(step)));
    return label;
}

std::optional<const char*> UndoHistory::redo(EditedMap& map) {
    end();
    if (m_redo.empty()) {
        return std::nullopt;
    }
    Step step = std::move(m_redo.back());
    m_redo.pop_back();
    const char* label = step.label;
    m_undo.push_back(replay(map, std::move(step)));
    return label;
}

}  // namespace velquist
