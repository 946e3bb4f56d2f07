// The hotspot editor's model operations.
#include "editor/hotspot_editor.h"

#include "editor/hotspot_tile.h"
#include "editor/messages.h"

namespace velquist {
namespace {

constexpr double kNewHotspotLeft = 100;
constexpr double kNewHotspotTop = 100;
constexpr const char* kDefaultLink = "#";

}  // namespace

HotspotEditor::HotspotEditor(int canvasWidth, int canvasHeight)
    : m_canvas(canvasWidth, canvasHeight), m_status(messages::kWelcome) {}

const std::string& HotspotEditor::buildTile(int width, int height) {
    m_lastTile = makeHotspotTile(width, height, m_style.fillColor, m_style.borderColor);
    return m_lastTile;
}

void HotspotEditor::addHotspot() {
    const int id = m_canvas.createObject(kNewHotspotLeft, kNewHotspotTop, true);
    m_state.currentObjectId = id;
    m_canvas.setPicture(id, buildTile(m_style.width, m_style.height));
    m_canvas.setTransparency(id, m_style.transparency);
    appendTableRow("", kDefaultLink);
}

void HotspotEditor::appendTableRow(std::string tip, std::string link) {
    m_table.appendRow({m_state.currentObjectId, std::move(tip), std::move(link)});
}

void HotspotEditor::shiftHotspots(int dx, int dy) {
    hideHandles();
    for (size_t i = 1; i < m_table.rowCount(); ++i) {
        const int id = m_table.row(i).id;
        // Positions are read back truncated; hotspots only ever sit at whole pixels.
        m_canvas.moveObject(id, m_canvas.objectLeft(id) + dx, m_canvas.objectTop(id) + dy);
    }
}

void HotspotEditor::deleteCurrentHotspot() {
    if (m_state.currentObjectId == m_state.backgroundId) {
        m_status = messages::kDeleteWithoutHotspot;
        return;
    }
    hideHandles();
    const auto row = m_table.findRow(m_state.currentObjectId);
    if (!row) {
        return;
    }
    m_table.removeRow(*row);
    m_canvas.deleteObject(m_state.currentObjectId);
    m_status = messages::kHotspotDeleted;
}

void HotspotEditor::resetEditor() {
    m_canvas.deleteAllObjects();
    m_table.clear();
    m_canvas.clearBackdrop();
    hideHandles();
    m_state.currentObjectId = 0;
    m_state.pressPoint = {};
    m_state.backgroundOrigin = {};
}

bool HotspotEditor::setRowContent(size_t row, std::string tip, std::string link) {
    if (row == 0 || row >= m_table.rowCount()) {
        return false;
    }
    m_table.setContent(row, std::move(tip), std::move(link));
    return true;
}

void HotspotEditor::exitCleanup() {
    m_lastTile.clear();
    m_lastTile.shrink_to_fit();
}

}  // namespace velquist
