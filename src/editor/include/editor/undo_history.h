// Undo and redo of map changes: each step holds the operations that take the map back, and
// applying them yields the operations that bring it forward again.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "editor/map_operation.h"

namespace velquist {

class EditedMap;

class UndoHistory {
public:
    // Starts a step named `label` (a text that outlives the history); what is recorded until
    // end() joins it. A step still open is ended first.
    void begin(const char* label);
    // The inverse of an operation just applied. Outside a step nothing is kept.
    void record(MapOperation inverse);
    // Ends the open step; a step that recorded nothing is dropped.
    void end();

    // Takes the newest step back (or forward again) on `map` and returns its label; nullopt when
    // there is nothing to undo (redo). An open step is ended first.
    std::optional<const char*> undo(EditedMap& map);
    std::optional<const char*> redo(EditedMap& map);

    size_t undoCount() const { return m_undo.size(); }
    size_t redoCount() const { return m_redo.size(); }

private:
    struct Step {
        const char* label = "";
        std::vector<MapOperation> operations;  // applied last to first
    };
    static Step replay(EditedMap& map, Step step);

    std::vector<Step> m_undo;
    std::vector<Step> m_redo;
    std::optional<Step> m_open;
};

}  // namespace velquist
