// The cut proposal: a cost for every row a slice could begin at, and the cheapest set of cuts
// with no slice over the height limit, found in one pass over the rows.
#include "slicing/cut_proposal.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <deque>

namespace velquist {
namespace {

// A difference of brightness a JPEG's noise does not reach but the edge of a letter does.
constexpr int kEdge = 24;

// Costs in strict order: any hotspot crossed outweighs every busy row, a busy row outweighs its
// busyness and any number of extra slices.
constexpr int64_t kPerHotspot = int64_t{1} << 50;
constexpr int64_t kBusyCut = int64_t{1} << 30;
constexpr int64_t kPerSlice = 1;

int brightness(uint32_t c) {
    // Transparency shows the page's white.
    const int t = int(c >> 24);
    const int r = int((c >> 16) & 0xFF);
    const int g = int((c >> 8) & 0xFF);
    const int b = int(c & 0xFF);
    const int y = (77 * r + 150 * g + 29 * b) >> 8;
    return (y * (255 - t) + 255 * t) / 255;
}

// How many strong edges a cut above row y would run through: across each of the two rows it
// separates, and between them. 0: plain background (a flat colour or a gentle gradient).
std::vector<int64_t> busyness(const Picture& p) {
    std::vector<int64_t> out(size_t(p.height), 0);
    std::vector<int> above(size_t(p.width)), row(size_t(p.width));
    std::vector<int64_t> across(size_t(p.height), 0);
    for (int y = 0; y < p.height; ++y) {
        const uint32_t* source = p.pixels.data() + size_t(y) * size_t(p.width);
        int64_t vertical = 0;
        for (int x = 0; x < p.width; ++x) {
            row[size_t(x)] = brightness(source[x]);
            if (x > 0 && std::abs(row[size_t(x)] - row[size_t(x) - 1]) > kEdge) {
                ++across[size_t(y)];
            }
            if (y > 0 && std::abs(row[size_t(x)] - above[size_t(x)]) > kEdge) {
                ++vertical;
            }
        }
        if (y > 0) {
            out[size_t(y)] = across[size_t(y) - 1] + across[size_t(y)] + vertical;
        }
        std::swap(above, row);
    }
    return out;
}

// How many hotspots a cut above row y runs through (it touches an edge of one, not crosses it).
std::vector<int> crossings(const std::vector<Rect>& hotspots, int height) {
    std::vector<int> change(size_t(height) + 1, 0);
    for (const Rect& h : hotspots) {
        const int from = std::clamp(h.top + 1, 0, height);
        const int to = std::clamp(h.bottom(), 0, height);
        if (h.width > 0 && from < to) {
            ++change[size_t(from)];
            --change[size_t(to)];
        }
    }
    std::vector<int> out(size_t(height), 0);
    int running = 0;
    for (int y = 0; y < height; ++y) {
        running += change[size_t(y)];
        out[size_t(y)] = running;
    }
    return out;
}

}  // namespace

std::vector<int> proposeCuts(const Picture& picture, const std::vector<Rect>& hotspots,
                             int maxSliceHeight) {
    const int h = picture.height;
    if (picture.empty() || maxSliceHeight <= 0 || h <= maxSliceHeight) {
        return {};
    }
    const std::vector<int64_t> busy = busyness(picture);
    const std::vector<int> crossed = crossings(hotspots, h);
    // best[y]: the least cost of slicing rows [0, y) with a slice beginning at y; from[y] the
    // cut before it. The window of earlier cuts keeps its minimum at the front; on equal costs
    // the later cut wins, so slices come out as tall as they may.
    std::vector<int64_t> best(size_t(h) + 1, 0);
    std::vector<int> from(size_t(h) + 1, 0);
    std::deque<int> window{0};
    for (int y = 1; y <= h; ++y) {
        while (window.front() < y - maxSliceHeight) {
            window.pop_front();
        }
        const int previous = window.front();
        int64_t cost = 0;
        if (y < h) {
            cost = kPerSlice + crossed[size_t(y)] * kPerHotspot +
                   (busy[size_t(y)] > 0 ? kBusyCut + busy[size_t(y)] : 0);
        }
        best[size_t(y)] = best[size_t(previous)] + cost;
        from[size_t(y)] = previous;
        while (!window.empty() && best[size_t(window.back())] >= best[size_t(y)]) {
            window.pop_back();
        }
        window.push_back(y);
    }
    std::vector<int> cuts;
    for (int y = from[size_t(h)]; y > 0; y = from[size_t(y)]) {
        cuts.push_back(y);
    }
    std::reverse(cuts.begin(), cuts.end());
    return cuts;
}

}  // namespace velquist
