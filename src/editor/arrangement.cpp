// Align, distribute, same size and grid cells: one axis at a time, the other mirrors it.
#include "editor/arrangement.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <string>

#include "core/template_fill.h"
#include "core/text.h"
#include "editor/messages.h"
#include "mapfile/map_limits.h"
#include "mapfile/messages.h"

namespace velquist {
namespace {

// One axis of a rectangle: its start (left or top) and its length (width or height).
struct Axis {
    int Rect::*start;
    int Rect::*length;
};
constexpr Axis kX{&Rect::left, &Rect::width};
constexpr Axis kY{&Rect::top, &Rect::height};

// Floor division, so that a negative free space splits like a positive one.
int64_t floorDiv(int64_t a, int64_t b) {
    const int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Where `r` starts once its edge or centre lines up with `ref`'s: `ends` 0 start, 1 centre, 2 end.
int alignedStart(const Rect& r, const Rect& ref, Axis a, int ends) {
    const int64_t refStart = ref.*a.start;
    const int64_t offset = int64_t{ref.*a.length} - r.*a.length;
    if (ends == 1) {
        // Doubled, so the middle stays exact until it becomes a position.
        return static_cast<int>((2 * refStart + offset) / 2);
    }
    return static_cast<int>(ends == 0 ? refStart : refStart + offset);
}

void distribute(std::vector<Rect>& rects, Axis a) {
    if (rects.size() < 3) {
        return;  // the outer two stay: nothing between them to space out
    }
    std::vector<size_t> order(rects.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t i, size_t j) { return rects[i].*a.start < rects[j].*a.start; });
    const Rect& first = rects[order.front()];
    const Rect& last = rects[order.back()];
    const int64_t span = int64_t{last.*a.start} + last.*a.length - first.*a.start;
    int64_t lengths = 0;
    for (const Rect& r : rects) {
        lengths += r.*a.length;
    }
    const int64_t free = span - lengths;
    const auto gaps = static_cast<int64_t>(rects.size() - 1);
    int64_t before = first.*a.start;  // where the next one would start without gaps
    for (size_t k = 0; k < order.size(); ++k) {
        Rect& r = rects[order[k]];
        // The k-th takes k gaps; flooring k * free / gaps leaves the remainder to the last gaps.
        r.*a.start = static_cast<int>(before + floorDiv(free * static_cast<int64_t>(k), gaps));
        before += r.*a.length;
    }
}

void sizeLike(std::vector<Rect>& rects, const Rect& ref, bool width, bool height) {
    for (Rect& r : rects) {
        r.width = width ? ref.width : r.width;
        r.height = height ? ref.height : r.height;
    }
}

std::string outOfRange(const char* item, int64_t min, int64_t max) {
    return std::string(item) +
           fillTemplate(mapfile_messages::kOutOfRange,
                        {{"{最小}", formatNumber(min)}, {"{最大}", formatNumber(max)}});
}

// The most cells from `start` on, `step` apart, that keep every start within the map's limit.
int64_t cellsWithin(int64_t start, int64_t step) {
    return 1 + std::max<int64_t>(0, (kMaxMapCoordinate - start) / step);
}

}  // namespace

const char* arrangementName(Arrangement what) {
    namespace msg = editor_messages;
    switch (what) {
        case Arrangement::Left:
            return msg::kArrangeLeft;
        case Arrangement::Right:
            return msg::kArrangeRight;
        case Arrangement::Top:
            return msg::kArrangeTop;
        case Arrangement::Bottom:
            return msg::kArrangeBottom;
        case Arrangement::CentreHorizontally:
            return msg::kArrangeCentreH;
        case Arrangement::CentreVertically:
            return msg::kArrangeCentreV;
        case Arrangement::DistributeHorizontally:
            return msg::kArrangeDistributeH;
        case Arrangement::DistributeVertically:
            return msg::kArrangeDistributeV;
        case Arrangement::SameWidth:
            return msg::kArrangeSameWidth;
        case Arrangement::SameHeight:
            return msg::kArrangeSameHeight;
        case Arrangement::SameSize:
            return msg::kArrangeSameSize;
    }
    return "";
}

bool resizes(Arrangement what) {
    return what == Arrangement::SameWidth || what == Arrangement::SameHeight ||
           what == Arrangement::SameSize;
}

std::vector<Rect> arranged(Arrangement what, std::span<const Rect> rects, size_t reference) {
    std::vector<Rect> out(rects.begin(), rects.end());
    if (reference >= out.size()) {
        return out;
    }
    const Rect ref = out[reference];
    // Which axis lines up, and what of it: 0 the start, 1 the centre, 2 the end.
    const auto alignAll = [&](Axis a, int ends) {
        for (Rect& r : out) {
            r.*a.start = alignedStart(r, ref, a, ends);
        }
    };
    switch (what) {
        case Arrangement::Left:
            alignAll(kX, 0);
            break;
        case Arrangement::CentreHorizontally:
            alignAll(kX, 1);
            break;
        case Arrangement::Right:
            alignAll(kX, 2);
            break;
        case Arrangement::Top:
            alignAll(kY, 0);
            break;
        case Arrangement::CentreVertically:
            alignAll(kY, 1);
            break;
        case Arrangement::Bottom:
            alignAll(kY, 2);
            break;
        case Arrangement::DistributeHorizontally:
            distribute(out, kX);
            break;
        case Arrangement::DistributeVertically:
            distribute(out, kY);
            break;
        default:
            sizeLike(out, ref, what != Arrangement::SameHeight, what != Arrangement::SameWidth);
    }
    return out;
}

Result<std::vector<Rect>> gridCells(const Rect& o, const GridShape& shape, size_t hotspotCount) {
    namespace msg = editor_messages;
    const int64_t far = kMaxMapCoordinate;
    // A step of at least one pixel keeps every copy on its own cell, in order.
    const int64_t minGapX = 1 - int64_t{o.width};
    const int64_t minGapY = 1 - int64_t{o.height};
    if (shape.horizontalGap < minGapX || shape.horizontalGap > far) {
        return Status::failure(outOfRange(msg::kGridHorizontalGap, minGapX, far));
    }
    if (shape.verticalGap < minGapY || shape.verticalGap > far) {
        return Status::failure(outOfRange(msg::kGridVerticalGap, minGapY, far));
    }
    const int64_t room =
        std::max<int64_t>(1, int64_t{kMaxMapHotspots} - static_cast<int64_t>(hotspotCount) + 1);
    const int64_t stepX = int64_t{o.width} + shape.horizontalGap;
    const int64_t stepY = int64_t{o.height} + shape.verticalGap;
    const int64_t maxColumns = std::min(room, cellsWithin(o.left, stepX));
    if (shape.columns < 1 || shape.columns > maxColumns) {
        return Status::failure(outOfRange(msg::kGridColumns, 1, maxColumns));
    }
    const int64_t maxRows =
        std::max<int64_t>(1, std::min(room / shape.columns, cellsWithin(o.top, stepY)));
    if (shape.rows < 1 || shape.rows > maxRows) {
        return Status::failure(outOfRange(msg::kGridRows, 1, maxRows));
    }
    std::vector<Rect> cells;
    cells.reserve(static_cast<size_t>(shape.rows) * static_cast<size_t>(shape.columns) - 1);
    for (int64_t row = 0; row < shape.rows; ++row) {
        for (int64_t column = row == 0 ? 1 : 0; column < shape.columns; ++column) {
            cells.push_back({static_cast<int>(o.left + column * stepX),
                             static_cast<int>(o.top + row * stepY), o.width, o.height});
        }
    }
    return cells;
}

}  // namespace velquist
