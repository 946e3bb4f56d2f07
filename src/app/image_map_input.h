// What the image-map generator reads of the editor, taken at the moment of a run.
#pragma once

#include "codegen/image_map.h"

namespace velquist {

class HotspotEditor;

// The background address and rectangle and table rows 1..n in order, each with its object's
// rectangle; an id the canvas does not know (0 included) gives a zero rectangle.
ImageMapInput imageMapInputOf(const HotspotEditor& editor);
// The same with only the selected hotspots as rows, in map order.
ImageMapInput selectionInputOf(const HotspotEditor& editor);

}  // namespace velquist
