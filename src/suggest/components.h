// Connected blocks of the marked picture and what their outline says about them.
#pragma once

#include <vector>

#include "core/geometry.h"
#include "edge_mask.h"

namespace velquist::suggest_detail {

struct Component {
    Rect box;
    bool boxed = false;  // its bounding box is drawn: a panel, a card, a button, a coupon
};

// Blocks of marked pixels (touching diagonally counts), by their bounding boxes.
std::vector<Component> findComponents(const EdgeMask& mask);

}  // namespace velquist::suggest_detail
