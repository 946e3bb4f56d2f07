// The whole map as it is saved, restored and imported: plain data, no canvas.
#pragma once

#include <string>
#include <vector>

#include "core/geometry.h"

namespace velquist {

struct MapHotspot {
    Rect rect;  // picture coordinates: relative to the picture's top-left corner
    std::string tip;
    std::string link;
    bool operator==(const MapHotspot&) const = default;
};

struct MapDocument {
    std::string pictureAddress;  // as entered (may be empty when no picture was ever loaded)
    int pictureWidth = 0;        // 0 x 0 when no picture is known
    int pictureHeight = 0;
    Point backgroundPosition;          // where the picture's top-left sits on the canvas
    std::vector<MapHotspot> hotspots;  // table order
    bool operator==(const MapDocument&) const = default;
};

}  // namespace velquist
