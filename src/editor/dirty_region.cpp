// The parts of the canvas that must be recomposited, as a short list of disjoint rectangles.
#include "editor/dirty_region.h"

#include <utility>

namespace velquist {

void DirtyRegion::add(const Rect& rect, const Rect& bounds) {
    Rect merged = rect.intersected(bounds);
    if (merged.empty()) {
        return;
    }
    // Merging can make the union overlap rectangles it did not overlap before; repeat until
    // the list is disjoint again.
    for (size_t i = 0; i < m_rects.size();) {
        if (!m_rects[i].intersected(merged).empty()) {
            merged = merged.united(m_rects[i]);
            m_rects.erase(m_rects.begin() + static_cast<std::ptrdiff_t>(i));
            i = 0;
        } else {
            ++i;
        }
    }
    m_rects.push_back(merged);
    if (m_rects.size() > kMaxRects) {
        Rect all;
        for (const Rect& r : m_rects) {
            all = all.united(r);
        }
        m_rects.assign(1, all);
    }
}

std::vector<Rect> DirtyRegion::take() {
    return std::exchange(m_rects, {});
}

}  // namespace velquist
