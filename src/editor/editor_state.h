// The editor's scalars shared by selection, dragging, resizing and background loading.
#pragma once

#include <cstdint>

#include "core/geometry.h"

namespace velquist {

enum class ResizeMode : int32_t { None = 0, Left = 1, Top = 2, Right = 3, Bottom = 4 };

struct EditorState {
    int32_t currentObjectId = 0;  // object last pressed with the left button (0 = none)
    int32_t backgroundId = 0;     // canvas id of the background picture (0 = none loaded)
    Point pressPoint;             // last press, then the grab offset inside the pressed object
    ResizeMode resizeMode = ResizeMode::None;
    Point backgroundOrigin;  // background position when the hotspots were last moved with it
};

}  // namespace velquist
