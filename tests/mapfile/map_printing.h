// Readable maps in test failure messages.
#pragma once

#include <ostream>

#include "mapfile/map_document.h"

namespace velquist {

inline void PrintTo(const MapDocument& map, std::ostream* out) {
    *out << "{\"" << map.pictureAddress << "\" " << map.pictureWidth << "x" << map.pictureHeight
         << " at " << map.backgroundPosition.x << "," << map.backgroundPosition.y << ":";
    for (const MapHotspot& h : map.hotspots) {
        *out << "\n  [" << h.rect.left << "," << h.rect.top << " " << h.rect.width << "x"
             << h.rect.height << " tip \"" << h.tip << "\" link \"" << h.link << "\"]";
    }
    *out << "}";
}

}  // namespace velquist
