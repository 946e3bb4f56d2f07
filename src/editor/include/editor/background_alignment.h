// Where the five alignment buttons and the wheel put the background picture (pure).
#pragma once

#include "core/geometry.h"

namespace velquist {

enum class Alignment { Top, Bottom, Left, Right, Centre };

// Where `where` puts a background of the given size on a canvas.
Point alignedPosition(Alignment where, const Rect& background, int canvasWidth, int canvasHeight);

// Where the wheel moves a background by `delta`: a side longer than the canvas scrolls no further
// than its far edge at the canvas edge and its near edge at the canvas origin; a side that fits
// does not move. A background already outside that range (the buttons or a drag put it there) is
// never moved further out, only back toward it.
Point wheelScrolledPosition(const Rect& background, Point delta, int canvasWidth, int canvasHeight);

// "背景图已顶对齐" and its siblings.
const char* alignedMessage(Alignment where);

}  // namespace velquist
