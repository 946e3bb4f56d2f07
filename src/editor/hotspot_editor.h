// The hotspot editor's model: canvas objects and table rows kept in step, the editor state,
// the style of new hotspots, the resize handles and the status line text.
#pragma once

#include <optional>
#include <string>

#include "editor/editor_state.h"
#include "editor/handle_set.h"
#include "editor/hotspot_canvas.h"
#include "editor/hotspot_style.h"
#include "editor/hotspot_table.h"

namespace velquist {

class HotspotEditor {
public:
    HotspotEditor(int canvasWidth, int canvasHeight);

    HotspotCanvas& canvas() { return m_canvas; }
    const HotspotCanvas& canvas() const { return m_canvas; }
    const HotspotTable& table() const { return m_table; }
    EditorState& state() { return m_state; }
    const EditorState& state() const { return m_state; }
    HotspotStyle& style() { return m_style; }
    const HotspotStyle& style() const { return m_style; }
    const HandleSet& handles() const { return m_handles; }
    const std::string& status() const { return m_status; }
    void setStatus(std::string text) { m_status = std::move(text); }
    bool addHotspotEnabled() const { return m_addEnabled; }
    void enableAddHotspot() { m_addEnabled = true; }
    const std::string& lastTile() const { return m_lastTile; }
    // The address the background was loaded from (empty before the first load).
    const std::string& backgroundAddress() const { return m_backgroundAddress; }
    void setBackgroundAddress(std::string address) { m_backgroundAddress = std::move(address); }

    // A new hotspot at (100, 100) in the current style, link "#", empty tip; it becomes current.
    void addHotspot();
    // Appends a row for the current object.
    void appendTableRow(std::string tip, std::string link);
    std::optional<size_t> findRow(int32_t id) const { return m_table.findRow(id); }
    // Moves every hotspot by (dx, dy); the handles hide.
    void shiftHotspots(int dx, int dy);
    // Deletes the current hotspot and its row, reporting in the status line.
    void deleteCurrentHotspot();
    // Clears every object and row and zeroes the editor state (backgroundId stays).
    void resetEditor();
    // Sets the tip and link of a table row; returns false for a row that no longer exists.
    bool setRowContent(size_t row, std::string tip, std::string link);

    // Builds the tile of a hotspot in the current colours (remembered as the last tile).
    const std::string& buildTile(int width, int height);
    void hideHandles() { m_handles.hideAll(); }
    HandleSet& mutableHandles() { return m_handles; }

    // Releases the remembered tile bytes at the end of the program.
    void exitCleanup();

private:
    HotspotCanvas m_canvas;
    HotspotTable m_table;
    EditorState m_state;
    HotspotStyle m_style;
    HandleSet m_handles;
    std::string m_status;
    std::string m_lastTile;
    std::string m_backgroundAddress;
    bool m_addEnabled = false;
};

}  // namespace velquist
