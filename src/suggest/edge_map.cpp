// The edge map: counts of strong edge pixels per boundary line and band, summed per query.
#include "suggest/edge_map.h"

#include <algorithm>
#include <cstdlib>

#include "edge_mask.h"
#include "picture_rows.h"

namespace velquist {
namespace {

using suggest_detail::colourDistance;

constexpr int kBand = 8;         // rows (or columns) one count covers
constexpr int kStrongEdge = 24;  // channel difference of an edge worth snapping to

int bands(int length) {
    return (length + kBand - 1) / kBand;
}

int sumBands(const uint8_t* counts, int from, int to) {
    int sum = 0;
    for (int band = from / kBand; band <= (to - 1) / kBand; ++band) {
        sum += counts[band];
    }
    return sum;
}

// Of the segments on a line within `reach` of `at` that run along half of [from, to), the
// nearest, with its distance.
std::optional<int> nearestSegment(const auto& segments, int at, int from, int to, int reach) {
    std::optional<int> best;
    for (const auto& s : segments) {
        const int shared = std::min(s.to, to) - std::max(s.from, from);
        if (std::abs(s.at - at) <= reach && shared * 2 >= to - from &&
            (!best || std::abs(s.at - at) < std::abs(*best - at))) {
            best = s.at;
        }
    }
    return best;
}

}  // namespace

EdgeMap EdgeMap::of(const Picture& picture) {
    EdgeMap map;
    if (picture.empty()) {
        return map;
    }
    map.m_width = picture.width;
    map.m_height = picture.height;
    const size_t columnBands = size_t(bands(picture.height));
    const size_t rowBands = size_t(bands(picture.width));
    map.m_vertical.assign(size_t(picture.width + 1) * columnBands, 0);
    map.m_horizontal.assign(size_t(picture.height + 1) * rowBands, 0);
    suggest_detail::PictureRows rows(picture);
    const uint32_t* above = nullptr;
    for (int y = 0; y < picture.height; ++y) {
        const uint32_t* here = rows.row(y);
        uint8_t* across = map.m_horizontal.data() + size_t(y) * rowBands;
        for (int x = 0; x < picture.width; ++x) {
            if (x > 0 && colourDistance(here[x], here[x - 1]) >= kStrongEdge) {
                ++map.m_vertical[size_t(x) * columnBands + size_t(y / kBand)];
            }
            if (above && colourDistance(here[x], above[x]) >= kStrongEdge) {
                ++across[x / kBand];
            }
        }
        above = here;
    }
    return map;
}

void EdgeMap::addRectangle(const Rect& rect) {
    m_extraVertical.push_back(Segment{rect.left, rect.top, rect.bottom()});
    m_extraVertical.push_back(Segment{rect.right(), rect.top, rect.bottom()});
    m_extraHorizontal.push_back(Segment{rect.top, rect.left, rect.right()});
    m_extraHorizontal.push_back(Segment{rect.bottom(), rect.left, rect.right()});
}

int EdgeMap::coverVertical(int x, int top, int bottom) const {
    if (x <= 0 || x >= m_width) {
        return 0;
    }
    return sumBands(m_vertical.data() + size_t(x) * size_t(bands(m_height)), top, bottom);
}

int EdgeMap::coverHorizontal(int y, int left, int right) const {
    if (y <= 0 || y >= m_height) {
        return 0;
    }
    return sumBands(m_horizontal.data() + size_t(y) * size_t(bands(m_width)), left, right);
}

std::optional<int> EdgeMap::nearestVertical(int x, int top, int bottom, int reach) const {
    std::optional<int> found = nearestSegment(m_extraVertical, x, top, bottom, reach);
    top = std::max(top, 0);
    bottom = std::min(bottom, m_height);
    const int limit = found ? std::abs(*found - x) - 1 : reach;
    for (int d = 0; d <= limit && bottom > top; ++d) {
        const int before = coverVertical(x - d, top, bottom);
        const int after = d > 0 ? coverVertical(x + d, top, bottom) : 0;
        if (std::max(before, after) * 2 >= bottom - top) {
            return before >= after ? x - d : x + d;
        }
    }
    return found;
}

std::optional<int> EdgeMap::nearestHorizontal(int y, int left, int right, int reach) const {
    std::optional<int> found = nearestSegment(m_extraHorizontal, y, left, right, reach);
    left = std::max(left, 0);
    right = std::min(right, m_width);
    const int limit = found ? std::abs(*found - y) - 1 : reach;
    for (int d = 0; d <= limit && right > left; ++d) {
        const int before = coverHorizontal(y - d, left, right);
        const int after = d > 0 ? coverHorizontal(y + d, left, right) : 0;
        if (std::max(before, after) * 2 >= right - left) {
            return before >= after ? y - d : y + d;
        }
    }
    return found;
}

}  // namespace velquist
