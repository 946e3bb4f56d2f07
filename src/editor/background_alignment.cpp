// Background alignment.
#include "editor/background_alignment.h"

#include <algorithm>
#include <cstdint>

#include "editor/messages.h"

namespace velquist {
namespace {

// One axis of the wheel's rule: the scroll range, widened to hold where the picture already is.
int scrolledCoordinate(int position, int delta, int size, int canvasSize) {
    if (size <= canvasSize) {
        return position;
    }
    const int64_t lowest = std::min<int64_t>(int64_t{canvasSize} - size, position);
    const int64_t highest = std::max<int64_t>(0, position);
    return static_cast<int>(std::clamp(int64_t{position} + delta, lowest, highest));
}

}  // namespace

const char* alignedMessage(Alignment where) {
    switch (where) {
        case Alignment::Top:
            return editor_messages::kAlignedTop;
        case Alignment::Bottom:
            return editor_messages::kAlignedBottom;
        case Alignment::Left:
            return editor_messages::kAlignedLeft;
        case Alignment::Right:
            return editor_messages::kAlignedRight;
        case Alignment::Centre:
            return editor_messages::kAlignedCentre;
    }
    return "";
}

Point alignedPosition(Alignment where, const Rect& b, int canvasWidth, int canvasHeight) {
    switch (where) {
        case Alignment::Top:
            return {b.left, 0};
        case Alignment::Bottom:
            return {b.left, canvasHeight - b.height};
        case Alignment::Left:
            return {0, 0};
        case Alignment::Right:
            return {canvasWidth - b.width, 0};
        case Alignment::Centre:
            // CW/2 - w/2 computed exactly, then truncated toward zero.
            return {static_cast<int>((int64_t{canvasWidth} - b.width) / 2), 0};
    }
    return {b.left, b.top};
}

Point wheelScrolledPosition(const Rect& b, Point delta, int canvasWidth, int canvasHeight) {
    return {scrolledCoordinate(b.left, delta.x, b.width, canvasWidth),
            scrolledCoordinate(b.top, delta.y, b.height, canvasHeight)};
}

}  // namespace velquist
