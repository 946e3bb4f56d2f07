// Cut lines over a picture: grabbing, dragging, adding and dropping them.
#include "editor/cut_lines.h"

#include <algorithm>
#include <cstdlib>

namespace velquist {

CutLines::CutLines(std::vector<int> rows, int pictureHeight)
    : m_rows(std::move(rows)), m_height(pictureHeight) {
    std::erase_if(m_rows, [this](int row) { return !inside(row); });
    std::sort(m_rows.begin(), m_rows.end());
}

std::vector<int> CutLines::rows() const {
    return m_rows;
}

std::vector<int> CutLines::cuts() const {
    std::vector<int> cuts;
    for (int row : m_rows) {
        if (inside(row)) {
            cuts.push_back(row);
        }
    }
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    return cuts;
}

std::optional<size_t> CutLines::near(int row) const {
    std::optional<size_t> found;
    int nearest = kCutGrabDistance + 1;
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (std::abs(m_rows[i] - row) < nearest) {
            nearest = std::abs(m_rows[i] - row);
            found = i;
        }
    }
    return found;
}

bool CutLines::grab(int row) {
    m_held = near(row);
    return holding();
}

void CutLines::drag(int row) {
    if (m_held) {
        m_rows[*m_held] = row;
    }
}

void CutLines::release(int row) {
    if (!m_held) {
        return;
    }
    if (inside(row)) {
        m_rows[*m_held] = row;
    } else {
        m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(*m_held));
    }
    m_held.reset();
    std::sort(m_rows.begin(), m_rows.end());
    m_rows.erase(std::unique(m_rows.begin(), m_rows.end()), m_rows.end());  // dropped on another
}

void CutLines::add(int row) {
    if (inside(row) && std::find(m_rows.begin(), m_rows.end(), row) == m_rows.end()) {
        m_rows.insert(std::upper_bound(m_rows.begin(), m_rows.end(), row), row);
    }
}

}  // namespace velquist
