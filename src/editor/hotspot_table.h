// The hotspot table: row 0 the background, rows 1..n the hotspots in the order they were added.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velquist {

struct HotspotRow {
    int32_t id = 0;  // canvas object id
    std::string tip;
    std::string link;
};

class HotspotTable {
public:
    void appendRow(HotspotRow row) { m_rows.push_back(std::move(row)); }
    void removeRow(size_t index);
    void clear() { m_rows.clear(); }

    size_t rowCount() const { return m_rows.size(); }
    const HotspotRow& row(size_t index) const { return m_rows.at(index); }
    const std::vector<HotspotRow>& rows() const { return m_rows; }
    void setContent(size_t index, std::string tip, std::string link);

    // First row among 1..n holding `id`; row 0 (the background) is never a hotspot row.
    std::optional<size_t> findRow(int32_t id) const;

private:
    std::vector<HotspotRow> m_rows;
};

}  // namespace velquist
