// Run-based labelling: one row of runs at a time, so memory follows the blocks, not the pixels.
#include "components.h"

#include <algorithm>
#include <numeric>

namespace velquist::suggest_detail {
namespace {

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

// Share of the marked pixels along the best of the first two lines inside one side of `box`.
double sideCover(const EdgeMask& mask, const Rect& box, bool horizontal, bool far) {
    double best = 0;
    for (int inset = 0; inset < 2; ++inset) {
        const int line = horizontal ? (far ? box.bottom() - 1 - inset : box.top + inset)
                                    : (far ? box.right() - 1 - inset : box.left + inset);
        const int length = horizontal ? box.width : box.height;
        int count = 0;
        for (int i = 0; i < length; ++i) {
            const int x = horizontal ? box.left + i : line;
            const int y = horizontal ? line : box.top + i;
            count += (mask.at(x, y) & kEdge) ? 1 : 0;
        }
        best = std::max(best, double(count) / length);
    }
    return best;
}

// Rounded ends take some of each side away, so a short box needs its long sides only.
bool hasOutline(const EdgeMask& mask, const Rect& box) {
    if (box.width < 8 || box.height < 8) {
        return false;
    }
    const bool longSides =
        sideCover(mask, box, true, false) >= 0.6 && sideCover(mask, box, true, true) >= 0.6;
    const bool shortSides =
        sideCover(mask, box, false, false) >= 0.4 && sideCover(mask, box, false, true) >= 0.4;
    return longSides && (shortSides || box.height <= 64);
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
        out.push_back(Component{box, hasOutline(mask, box)});
    }
    return out;
}

}  // namespace velquist::suggest_detail
