// A sweep from top to bottom: the areas crossing the sweep line are counted by their left and
// right edges in two Fenwick trees, so each area that starts learns how many it meets at once.
#include "area_overlaps.h"

#include <algorithm>

namespace velquist::codegen {
namespace {

// Counts of values at or below a position, over positions 0 ... n-1.
class FenwickCounts {
public:
    explicit FenwickCounts(size_t n) : m_tree(n + 1, 0) {}
    void add(size_t position, int delta) {
        for (size_t i = position + 1; i < m_tree.size(); i += i & (~i + 1)) {
            m_tree[i] += delta;
        }
    }
    // How many at positions below `end`.
    int64_t below(size_t end) const {
        int64_t sum = 0;
        for (size_t i = end; i > 0; i -= i & (~i + 1)) {
            sum += m_tree[i];
        }
        return sum;
    }

private:
    std::vector<int64_t> m_tree;
};

// A height and an area in one sortable number: heights lie within [-2^31, 2^32), indices below
// 2^31, so both fit in 64 bits and the sweep sorts plain integers.
constexpr int kAreaBits = 31;

uint64_t heightKey(int64_t y, size_t area) {
    return (static_cast<uint64_t>(y + (int64_t{1} << 31)) << kAreaBits) | area;
}
size_t areaOf(uint64_t key) {
    return static_cast<size_t>(key & ((uint64_t{1} << kAreaBits) - 1));
}
uint64_t heightOf(uint64_t key) {
    return key >> kAreaBits;
}

bool sharesColumns(const Rect& a, const Rect& b) {
    return int64_t{a.left} < int64_t{b.left} + b.width &&
           int64_t{b.left} < int64_t{a.left} + a.width;
}

class Sweep {
public:
    Sweep(const std::vector<Rect>& areas, size_t names)
        : m_areas(areas), m_names(names), m_lefts(0), m_rights(0) {
        for (const Rect& r : areas) {
            if (!r.empty()) {
                m_xs.push_back(r.left);
                m_xs.push_back(int64_t{r.left} + r.width);
            }
        }
        std::sort(m_xs.begin(), m_xs.end());
        m_xs.erase(std::unique(m_xs.begin(), m_xs.end()), m_xs.end());
        m_lefts = FenwickCounts(m_xs.size());
        m_rights = FenwickCounts(m_xs.size());
        m_slot.assign(areas.size(), kNone);
    }

    AreaOverlaps run() {
        std::vector<uint64_t> starts;
        std::vector<uint64_t> ends;
        for (size_t i = 0; i < m_areas.size(); ++i) {
            const Rect& r = m_areas[i];
            if (!r.empty()) {
                starts.push_back(heightKey(r.top, i));
                ends.push_back(heightKey(int64_t{r.top} + r.height, i));
            }
        }
        std::sort(starts.begin(), starts.end());
        std::sort(ends.begin(), ends.end());
        // At one height the areas that end go first: edges that touch do not overlap.
        size_t e = 0;
        for (const uint64_t key : starts) {
            for (; e < ends.size() && heightOf(ends[e]) <= heightOf(key); ++e) {
                end(areaOf(ends[e]));
            }
            start(areaOf(key));
        }
        std::sort(m_found.named.begin(), m_found.named.end());
        return std::move(m_found);
    }

private:
    static constexpr size_t kNone = static_cast<size_t>(-1);

    size_t position(int64_t x) const {
        return static_cast<size_t>(std::lower_bound(m_xs.begin(), m_xs.end(), x) - m_xs.begin());
    }

    void start(size_t area) {
        const Rect& r = m_areas[area];
        const size_t left = position(r.left);
        const size_t right = position(int64_t{r.left} + r.width);
        // Crossing ones that begin left of this right edge, less those that end by its left edge.
        const int64_t met = m_lefts.below(right) - m_rights.below(left + 1);
        m_found.count += met;
        if (met > 0 && m_found.named.size() < m_names) {
            nameOverlapsOf(area);  // at most `names` times: each finds at least one pair
        }
        m_lefts.add(left, 1);
        m_rights.add(right, 1);
        m_slot[area] = m_crossing.size();
        m_crossing.push_back(area);
    }
    void end(size_t area) {
        const Rect& r = m_areas[area];
        m_lefts.add(position(r.left), -1);
        m_rights.add(position(int64_t{r.left} + r.width), -1);
        const size_t slot = m_slot[area];
        m_crossing[slot] = m_crossing.back();
        m_slot[m_crossing[slot]] = slot;
        m_crossing.pop_back();
        m_slot[area] = kNone;
    }
    void nameOverlapsOf(size_t area) {
        for (const size_t other : m_crossing) {
            if (m_found.named.size() == m_names) {
                return;
            }
            if (sharesColumns(m_areas[other], m_areas[area])) {
                m_found.named.emplace_back(std::min(other, area), std::max(other, area));
            }
        }
    }

    const std::vector<Rect>& m_areas;
    size_t m_names;
    std::vector<int64_t> m_xs;  // every left and right edge, sorted, once each
    FenwickCounts m_lefts;
    FenwickCounts m_rights;
    std::vector<size_t> m_crossing;  // areas the sweep line crosses, in no order
    std::vector<size_t> m_slot;      // each area's place in m_crossing
    AreaOverlaps m_found;
};

}  // namespace

AreaOverlaps findOverlaps(const std::vector<Rect>& areas, size_t names) {
    return Sweep(areas, names).run();
}

}  // namespace velquist::codegen
