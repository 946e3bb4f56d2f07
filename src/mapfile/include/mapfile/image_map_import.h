// Image-map code back into a map: the picture of the first <img usemap> and its map's rectangles.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/status.h"
#include "mapfile/map_document.h"

namespace velquist {

struct ImportedMap {
    MapDocument map;           // background at 0,0; hotspots in the order of the code
    int skippedNonRect = 0;    // circles, polygons and "default" areas
    int skippedBadCoords = 0;  // rectangles without four numbers, or beyond the map limits
};

inline constexpr uint64_t kMaxImportedCodeBytes = 64u << 20;

// Reads UTF-8 code as a browser does (any attribute order, letter case and quoting, character
// references decoded): the first <img> with a usemap, and the <map> it names ("#name", matched
// by name or id, exactly or else ignoring ASCII case). The picture is its src with the
// width/height it declares (0 x 0 unless both are plain pixel sizes within the limits); every
// rectangular <area> ("rect", "rectangle", a missing or unknown shape) becomes a hotspot with
// coords "x1,y1,x2,y2" (corners in any order), href as link and alt, else title, as tip. Fails
// with a message when there is no such image, map, area or rectangle.
Result<ImportedMap> importImageMap(std::string_view html);

// The status line: "已导入 12 个热区", plus what was skipped ("，跳过 2 个非矩形热区").
std::string importedMessage(const ImportedMap& imported);

}  // namespace velquist
