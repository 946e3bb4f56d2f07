// Background alignment.
#include "editor/background_alignment.h"

#include <cstdint>

#include "editor/messages.h"

namespace velquist {

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

}  // namespace velquist
