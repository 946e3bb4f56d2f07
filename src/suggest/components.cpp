// Run-based labelling: one row of runs at a time, so memory follows the blocks, not the pixels.
#include "components.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>

namespace velquist::suggest_detail {
namespace {

constexpr int kOutlineDepth = 8;  // how far inside a block its drawn outline may start

struct Run {
    int from;
    int to;  // exclusive
    int label;
};

class Labels {
public:
    int add(int x0, int x1, int y) {
        m_parent.push_back(int(m_parent.size()));
        m_boxes.push_back(Rect{x0, y, x1 - x0, 1});
        return int(m_parent.size()) - 1;
    }
    int root(int label) {
        while (m_parent[size_t(label)] != label) {
            m_parent[size_t(label)] = m_parent[size_t(m_parent[size_t(label)])];
            label = m_parent[size_t(label)];
        }
        return label;
    }
    int join(int a, int b) {
        a = root(a);
        b = root(b);
        if (a != b) {
            m_parent[size_t(b)] = a;
            m_boxes[size_t(a)] = m_boxes[size_t(a)].united(m_boxes[size_t(b)]);
        }
        return a;
    }
    void grow(int label, int x0, int x1, int y) {
        Rect& box = m_boxes[size_t(root(label))];
        box = box.united(Rect{x0, y, x1 - x0, 1});
    }
    std::vector<Rect> roots() {
        std::vector<Rect> out;
        for (int i = 0; i < int(m_parent.size()); ++i) {
            if (root(i) == i) {
                out.push_back(m_boxes[size_t(i)]);
            }
        }
        return out;
    }

private:
    std::vector<int> m_parent;
    std::vector<Rect> m_boxes;
};

std::vector<Run> runsOf(const uint8_t* row, int width) {
    std::vector<Run> runs;
    for (int x = 0; x < width;) {
        if (!row[x]) {
            ++x;
            continue;
        }
        const int from = x;
        while (x < width && row[x]) {
            ++x;
        }
        runs.push_back(Run{from, x, -1});
    }
    return runs;
}

// The longest unbroken run of marks along a line inside `box`, as a share of the side: a drawn
// side is one run, the tops of glyphs are many short ones.
double cover(const EdgeMask& mask, const Rect& box, bool horizontal, int line, uint8_t bit) {
    const int length = horizontal ? box.width : box.height;
    int longest = 0;
    int run = 0;
    for (int i = 0; i < length; ++i) {
        const uint8_t cell = horizontal ? mask.at(box.left + i, line) : mask.at(line, box.top + i);
        run = cell & bit ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return double(longest) / length;
}

// The outermost line near one side of `box` that runs along most of it: a strong edge first,
// since a shadow around a card makes weak lines outside its own edge.
std::optional<int> sideLine(const EdgeMask& mask, const Rect& box, bool horizontal, bool far,
                            double need) {
    const int depth = std::min(kOutlineDepth, (horizontal ? box.height : box.width) / 4);
    for (uint8_t bit : {kStrong, kEdge}) {
        for (int inset = 0; inset < depth; ++inset) {
            const int line = horizontal ? (far ? box.bottom() - 1 - inset : box.top + inset)
                                        : (far ? box.right() - 1 - inset : box.left + inset);
            if (cover(mask, box, horizontal, line, bit) >= need) {
                return line;
            }
        }
    }
    return std::nullopt;
}

// Both ends of a short box are drawn: in every middle row the first mark from each end lies
// where a straight or round end (at most a half circle) puts it; glyphs of a word do not.
bool closedEnds(const EdgeMask& mask, const Rect& box) {
    const double r = box.height / 2.0;
    const double centre = box.top + r;
    const int from = box.top + box.height / 5;
    const int to = box.bottom() - box.height / 5;
    int closed = 0;
    for (int y = from; y < to; ++y) {
        const double dy = y + 0.5 - centre;
        const int reach = int(r - std::sqrt(std::max(0.0, r * r - dy * dy))) + 3;
        bool left = false;
        bool right = false;
        for (int i = 0; i < reach && i < box.width / 2; ++i) {
            left = left || (mask.at(box.left + i, y) & kEdge);
            right = right || (mask.at(box.right() - 1 - i, y) & kEdge);
        }
        closed += left && right ? 1 : 0;
    }
    return to > from && closed * 10 >= (to - from) * 9;
}

// Rounded ends take some of each side away, so a short box needs its long sides only. A box
// found is narrowed to its outline.
Component outlined(const EdgeMask& mask, const Rect& box) {
    if (box.width < 8 || box.height < 8) {
        return Component{box, false};
    }
    const auto top = sideLine(mask, box, true, false, 0.6);
    const auto bottom = sideLine(mask, box, true, true, 0.6);
    if (!top || !bottom) {
        return Component{box, false};
    }
    const auto left = sideLine(mask, box, false, false, 0.4);
    const auto right = sideLine(mask, box, false, true, 0.4);
    if (left && right) {
        return Component{Rect{*left, *top, *right + 1 - *left, *bottom + 1 - *top}, true};
    }
    return Component{box, box.height <= 64 && closedEnds(mask, box)};
}

// Lines right across a box, well inside it, that cut it into pieces of one size: the shared
// borders of cards drawn touching.
std::vector<Rect> splitAtDividers(const EdgeMask& mask, const Rect& box, bool horizontal) {
    const int length = horizontal ? box.height : box.width;
    const int start = horizontal ? box.top : box.left;
    std::vector<int> cuts;  // middles of the dividers, ascending
    int groupFrom = -1;
    int groupTo = -1;
    for (int i = kOutlineDepth + 8; i <= length - kOutlineDepth - 8; ++i) {
        const bool divider =
            i < length - kOutlineDepth - 8 && cover(mask, box, horizontal, start + i, kEdge) >= 0.9;
        if (divider && groupTo >= 0 && i - groupTo <= 2) {
            groupTo = i;
        } else if (divider) {
            groupFrom = groupTo = i;
        } else if (groupTo >= 0 && i - groupTo > 2) {
            cuts.push_back(start + (groupFrom + groupTo + 1) / 2);
            groupFrom = groupTo = -1;
        }
    }
    std::vector<Rect> pieces;
    int from = start;
    for (size_t c = 0; c <= cuts.size(); ++c) {
        // One pixel more on each side of a cut, as for any edge found by central differences.
        const int to = c < cuts.size() ? cuts[c] + 1 : start + length;
        pieces.push_back(horizontal ? Rect{box.left, from, box.width, to - from}
                                    : Rect{from, box.top, to - from, box.height});
        from = c < cuts.size() ? cuts[c] - 1 : from;
    }
    const auto extent = [&](const Rect& r) { return horizontal ? r.height : r.width; };
    const auto [small, large] =
        std::minmax_element(pieces.begin(), pieces.end(),
                            [&](const Rect& a, const Rect& b) { return extent(a) < extent(b); });
    if (pieces.size() < 2 || extent(*small) * 10 < extent(*large) * 9) {
        return {box};
    }
    return pieces;
}

}  // namespace

std::vector<Component> findComponents(const EdgeMask& mask) {
    Labels labels;
    std::vector<Run> previous;
    for (int y = 0; y < mask.height; ++y) {
        std::vector<Run> current =
            runsOf(mask.cells.data() + size_t(y) * size_t(mask.width), mask.width);
        size_t p = 0;
        for (Run& run : current) {
            while (p < previous.size() && previous[p].to < run.from) {
                ++p;
            }
            for (size_t q = p; q < previous.size() && previous[q].from <= run.to; ++q) {
                run.label = run.label < 0 ? labels.root(previous[q].label)
                                          : labels.join(run.label, previous[q].label);
            }
            if (run.label < 0) {
                run.label = labels.add(run.from, run.to, y);
            } else {
                labels.grow(run.label, run.from, run.to, y);
            }
        }
        previous = std::move(current);
    }
    std::vector<Component> out;
    for (const Rect& box : labels.roots()) {
        const Component found = outlined(mask, box);
        if (!found.boxed) {
            out.push_back(found);
            continue;
        }
        for (const Rect& column : splitAtDividers(mask, found.box, false)) {
            for (const Rect& piece : splitAtDividers(mask, column, true)) {
                out.push_back(Component{piece, true});
            }
        }
    }
    return out;
}

}  // namespace velquist::suggest_detail
