// Snapping a dragged or resized hotspot to the edges of the picture and of the proposals.
#include "editor/snapping.h"

#include <cstdlib>
#include <optional>

namespace velquist {
namespace {

// How far the side at `at` moves to reach the edge found for it; nothing when none is near.
std::optional<int> shiftTo(std::optional<int> edge, int at) {
    return edge ? std::optional<int>(*edge - at) : std::nullopt;
}

// Of the two sides' shifts, the shorter (the first side when they tie); 0 when neither snaps.
int shorter(std::optional<int> a, std::optional<int> b) {
    if (a && (!b || std::abs(*a) <= std::abs(*b))) {
        return *a;
    }
    return b ? *b : 0;
}

}  // namespace

Rect snappedMove(const EdgeMap& edges, const Rect& rect) {
    const int dx = shorter(
        shiftTo(edges.nearestVertical(rect.left, rect.top, rect.bottom()), rect.left),
        shiftTo(edges.nearestVertical(rect.right(), rect.top, rect.bottom()), rect.right()));
    const int dy = shorter(
        shiftTo(edges.nearestHorizontal(rect.top, rect.left, rect.right()), rect.top),
        shiftTo(edges.nearestHorizontal(rect.bottom(), rect.left, rect.right()), rect.bottom()));
    return rect.translated(dx, dy);
}

Rect snappedResize(const EdgeMap& edges, const Rect& rect, HandleEdge edge) {
    int left = rect.left;
    int top = rect.top;
    int right = rect.right();
    int bottom = rect.bottom();
    switch (edge) {
        case HandleEdge::Left:
            left = edges.nearestVertical(left, top, bottom).value_or(left);
            break;
        case HandleEdge::Right:
            right = edges.nearestVertical(right, top, bottom).value_or(right);
            break;
        case HandleEdge::Top:
            top = edges.nearestHorizontal(top, left, right).value_or(top);
            break;
        case HandleEdge::Bottom:
            bottom = edges.nearestHorizontal(bottom, left, right).value_or(bottom);
            break;
    }
    if (right <= left || bottom <= top) {
        return rect;  // an edge past the opposite side would leave no hotspot
    }
    return {left, top, right - left, bottom - top};
}

}  // namespace velquist
