// Repetition, stacking and navigation rows: the regular structures of shop pages.
#include "repetition.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <optional>

namespace velquist::suggest_detail {
namespace {

class Groups {
public:
    explicit Groups(size_t n) : m_parent(n) { std::iota(m_parent.begin(), m_parent.end(), 0); }
    int root(int i) {
        while (m_parent[size_t(i)] != i) {
            i = m_parent[size_t(i)] = m_parent[size_t(m_parent[size_t(i)])];
        }
        return i;
    }
    void join(int a, int b) { m_parent[size_t(root(b))] = root(a); }

private:
    std::vector<int> m_parent;
};

bool near(int a, int b, int slack) {
    return std::abs(a - b) <= slack;
}

bool sameSize(const Rect& a, const Rect& b) {
    const int slackW = std::max(4, std::max(a.width, b.width) / 25);
    const int slackH = std::max(4, std::max(a.height, b.height) / 16);
    return near(a.width, b.width, slackW) && near(a.height, b.height, slackH);
}

bool linedUp(const Rect& a, const Rect& b) {
    return near(a.top, b.top, 4) || near(a.bottom(), b.bottom(), 4) || near(a.left, b.left, 4) ||
           near(a.right(), b.right(), 4);
}

bool overlapsColumns(const Rect& a, const Rect& b) {
    const int shared = std::min(a.right(), b.right()) - std::max(a.left, b.left);
    return shared * 2 >= std::min(a.width, b.width);
}

int verticalGap(const Rect& a, const Rect& b) {
    return std::max(a.top, b.top) - std::min(a.bottom(), b.bottom());
}

}  // namespace

// Indexes of `boxes` ordered by `key`: pairs are then looked for in a window, not everywhere,
// so a patterned picture with many thousand blocks stays quick.
template <typename Key>
std::vector<size_t> orderedBy(const std::vector<Rect>& boxes, Key key) {
    std::vector<size_t> order(boxes.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return key(boxes[a]) < key(boxes[b]); });
    return order;
}

std::vector<int> repeatedGroups(const std::vector<Rect>& boxes) {
    Groups groups(boxes.size());
    const std::vector<size_t> order = orderedBy(boxes, [](const Rect& r) { return r.width; });
    for (size_t a = 0; a < order.size(); ++a) {
        const Rect& first = boxes[order[a]];
        for (size_t b = a + 1; b < order.size(); ++b) {
            const Rect& second = boxes[order[b]];
            if (second.width - first.width > std::max(4, second.width / 25)) {
                break;
            }
            if (sameSize(first, second) && linedUp(first, second) &&
                first.intersected(second).empty()) {
                groups.join(int(order[a]), int(order[b]));
            }
        }
    }
    std::vector<int> size(boxes.size(), 0);
    for (size_t i = 0; i < boxes.size(); ++i) {
        ++size[size_t(groups.root(int(i)))];
    }
    std::vector<int> out(boxes.size(), -1);
    for (size_t i = 0; i < boxes.size(); ++i) {
        const int root = groups.root(int(i));
        out[i] = size[size_t(root)] >= 2 ? root : -1;
    }
    return out;
}

std::vector<Rect> stackParts(const std::vector<Rect>& parts, int gap) {
    Groups groups(parts.size());
    const std::vector<size_t> order = orderedBy(parts, [](const Rect& r) { return r.top; });
    std::vector<int> tops;
    for (size_t i : order) {
        tops.push_back(parts[i].top);
    }
    for (size_t i = 0; i < parts.size(); ++i) {
        // The parts that start within `gap` below this one ends.
        const auto from = std::lower_bound(tops.begin(), tops.end(), parts[i].bottom() - 2);
        const auto to = std::upper_bound(tops.begin(), tops.end(), parts[i].bottom() + gap);
        for (auto k = from; k != to; ++k) {
            const size_t j = order[size_t(k - tops.begin())];
            const int g = verticalGap(parts[i], parts[j]);
            if (j != i && g <= gap && g >= -2 && overlapsColumns(parts[i], parts[j])) {
                groups.join(int(i), int(j));
            }
        }
    }
    std::vector<Rect> united(parts.size());
    std::vector<int> count(parts.size(), 0);
    for (size_t i = 0; i < parts.size(); ++i) {
        const size_t root = size_t(groups.root(int(i)));
        united[root] = united[root].united(parts[i]);
        ++count[root];
    }
    std::vector<Rect> out;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (count[i] >= 2) {
            out.push_back(united[i]);
        }
    }
    return out;
}

namespace {

// The band between the full-width lines around `words`; none when the words are not in a bar.
std::optional<std::pair<int, int>> cellRows(const Rect& words, const std::vector<int>& bands) {
    const int reach = words.height * 3 / 2 + 4;
    std::optional<int> top;
    std::optional<int> bottom;
    for (int row : bands) {
        if (row < words.top && words.top - row <= reach) {
            top = row + 1;
        }
        if (row >= words.bottom() && row - words.bottom() < reach) {
            bottom = row;
            break;
        }
    }
    if (!top || !bottom) {
        return std::nullopt;
    }
    return std::pair{*top, *bottom};
}

std::vector<Rect> cellsOf(const std::vector<Rect>& line, const std::vector<int>& bands) {
    Rect all;
    for (const Rect& r : line) {
        all = all.united(r);
    }
    const auto rows = cellRows(all, bands);
    if (!rows) {
        return {};
    }
    const auto [top, bottom] = *rows;
    std::vector<int> centres;
    for (const Rect& r : line) {
        centres.push_back(r.left + r.width / 2);
    }
    std::vector<Rect> cells;
    for (size_t i = 0; i < line.size(); ++i) {
        const int before = i > 0 ? centres[i] - centres[i - 1] : centres[1] - centres[0];
        const int after = i + 1 < line.size() ? centres[i + 1] - centres[i] : before;
        const int left = std::max(0, centres[i] - before / 2);
        cells.push_back(Rect{left, top, centres[i] + after / 2 - left, bottom - top});
    }
    return cells;
}

bool evenlySpaced(const std::vector<Rect>& line) {
    int smallest = 1 << 30;
    int largest = 0;
    for (size_t i = 1; i < line.size(); ++i) {
        const int gap = line[i].left - line[i - 1].right();
        smallest = std::min(smallest, gap);
        largest = std::max(largest, gap);
    }
    const int h = line.front().height;
    return smallest * 5 >= h * 6 && largest <= h * 20 && largest * 2 <= smallest * 5;
}

}  // namespace

std::vector<Rect> navigationCells(const std::vector<Rect>& words, const std::vector<int>& bands) {
    std::vector<Rect> sorted = words;
    std::sort(sorted.begin(), sorted.end(), [](const Rect& a, const Rect& b) {
        return a.top != b.top ? a.top < b.top : a.left < b.left;
    });
    std::vector<bool> used(sorted.size(), false);
    std::vector<Rect> cells;
    for (size_t i = 0; i < sorted.size(); ++i) {
        if (used[i] || sorted[i].height > 48 || sorted[i].height < 8) {
            continue;
        }
        std::vector<Rect> line;
        for (size_t j = i; j < sorted.size() && sorted[j].top <= sorted[i].bottom(); ++j) {
            // On one line: centres within 4 px, heights within a third (JPEG blurs glyphs).
            const int centreI = sorted[i].top * 2 + sorted[i].height;
            const int centreJ = sorted[j].top * 2 + sorted[j].height;
            if (!used[j] && near(centreI, centreJ, 8) &&
                near(sorted[j].height, sorted[i].height, std::max(3, sorted[i].height / 3))) {
                line.push_back(sorted[j]);
                used[j] = true;
            }
        }
        std::sort(line.begin(), line.end(),
                  [](const Rect& a, const Rect& b) { return a.left < b.left; });
        if (line.size() >= 3 && evenlySpaced(line)) {
            const std::vector<Rect> found = cellsOf(line, bands);
            cells.insert(cells.end(), found.begin(), found.end());
        }
    }
    return cells;
}

}  // namespace velquist::suggest_detail
