// The hotspots of a stacked page from the maps of its pictures.
#pragma once

#include <vector>

#include "mapfile/map_document.h"

namespace velquist::mapfile {

// `maps` holds each picture's areas, top to bottom, already in page coordinates; `joins` the
// page row where each picture after the first begins. A part touching a join from below is
// joined to the first part not yet joined that touches it from above with the same left and
// right edges, link and tip, keeping the parts' order on both sides. The hotspots come in an order
// that keeps every map's own order, so that the code written again lists each map's areas as they
// were.
std::vector<MapHotspot> joinedAreas(std::vector<std::vector<MapHotspot>> maps,
                                    const std::vector<int>& joins);

}  // namespace velquist::mapfile
