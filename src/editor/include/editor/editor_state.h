// What the pointer is doing: where the last press was and which handle, if any, resizes.
#pragma once

#include <cstdint>

#include "core/geometry.h"

namespace velquist {

enum class ResizeMode : int32_t { None = 0, Left = 1, Top = 2, Right = 3, Bottom = 4 };

struct PointerState {
    Point pressPoint;  // last press, then the grab offset inside the pressed object
    ResizeMode resizeMode = ResizeMode::None;
};

}  // namespace velquist
