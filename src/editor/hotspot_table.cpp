// Hotspot table rows.
#include "editor/hotspot_table.h"

namespace velquist {

void HotspotTable::removeRow(size_t index) {
    if (index < m_rows.size()) {
        m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

void HotspotTable::setContent(size_t index, std::string tip, std::string link) {
    if (index < m_rows.size()) {
        m_rows[index].tip = std::move(tip);
        m_rows[index].link = std::move(link);
    }
}

std::optional<size_t> HotspotTable::findRow(int32_t id) const {
    for (size_t i = 1; i < m_rows.size(); ++i) {
        if (m_rows[i].id == id) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace velquist
