// The proposal pipeline: mark changes, close gaps, find blocks, apply the layout rules.
#include <algorithm>

#include "components.h"
#include "edge_mask.h"
#include "layout_rules.h"
#include "suggest/suggestion.h"

namespace velquist {
namespace {

using namespace suggest_detail;

constexpr int kChangeThreshold = 10;  // brightness steps; JPEG noise on flat colour stays below
constexpr int kGapX = 3;              // glyphs of one word; wider gaps keep shadowed cards apart
constexpr int kGapY = 3;

int64_t area(const Rect& r) {
    return int64_t(r.width) * r.height;
}

bool alreadyCovered(const Rect& box, std::span<const Rect> existing) {
    return std::any_of(existing.begin(), existing.end(),
                       [&](const Rect& e) { return area(box.intersected(e)) * 2 >= area(box); });
}

// Central differences mark both pixels of a step: the block starts one pixel further in.
Rect tighten(const Rect& box, const Picture& picture) {
    const int left = box.left > 0 ? box.left + 1 : box.left;
    const int top = box.top > 0 ? box.top + 1 : box.top;
    const int right = box.right() < picture.width ? box.right() - 1 : box.right();
    const int bottom = box.bottom() < picture.height ? box.bottom() - 1 : box.bottom();
    return right > left && bottom > top ? Rect{left, top, right - left, bottom - top} : box;
}

}  // namespace

std::vector<Suggestion> suggestHotspots(const Picture& picture, std::span<const Rect> existing) {
    if (picture.empty() || picture.pixels.size() < size_t(picture.width) * size_t(picture.height)) {
        return {};
    }
    EdgeMask mask = markEdges(picture, kChangeThreshold);
    closeGaps(mask, kGapX, kGapY);
    std::vector<Component> components = findComponents(mask);
    for (Component& c : components) {
        c.box = tighten(c.box, picture);
    }
    // The picture's own top and bottom bound a bar as a line does.
    std::vector<int> bands = std::move(mask.cleanRows);
    bands.insert(bands.begin(), -1);
    bands.push_back(picture.height);
    mask = {};
    const Page page{picture.width, picture.height, &bands};
    std::vector<Suggestion> found = layoutProposals(components, page);
    std::erase_if(found, [&](const Suggestion& s) { return alreadyCovered(s.rect, existing); });
    std::stable_sort(found.begin(), found.end(), [](const Suggestion& a, const Suggestion& b) {
        if (a.score != b.score) {
            return a.score > b.score;
        }
        return a.rect.top != b.rect.top ? a.rect.top < b.rect.top : a.rect.left < b.rect.left;
    });
    return found;
}

}  // namespace velquist
