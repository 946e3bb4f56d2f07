// Where the five alignment buttons put the background picture, and what they report (pure).
#pragma once

#include "core/geometry.h"

namespace velquist {

enum class Alignment { Top, Bottom, Left, Right, Centre };

// Where `where` puts a background of the given size on a canvas.
Point alignedPosition(Alignment where, const Rect& background, int canvasWidth, int canvasHeight);

// "背景图已顶对齐" and its siblings.
const char* alignedMessage(Alignment where);

}  // namespace velquist
