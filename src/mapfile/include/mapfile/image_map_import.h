// Image-map code back into a map: the picture of the first <img usemap> and its map's rectangles,
// the pictures of several as one stacked page, or the rectangles of a <map> copied without its
// picture.
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
    // False for a <map> that no <img> uses (copied alone, or from the end of a page): its
    // hotspots belong on the picture already shown, and `map` holds nothing else.
    bool hasPicture = true;
    int otherMaps = 0;  // maps with areas that other images use (or, without images, other maps)
};

inline constexpr uint64_t kMaxImportedCodeBytes = 64u << 20;

// Reads UTF-8 code as a browser does (any attribute order, letter case and quoting, character
// references decoded; template text such as "{{ x }}" or "<%= x %>" in values kept as written):
// the first <img> with a usemap whose <map> is there ("#name", matched by name or id, exactly or
// else ignoring ASCII case), or, when no <img> has a usemap, the first <map> with areas. The
// picture is its src with the width/height it declares (0 x 0 unless both are plain pixel sizes
// within the limits); every rectangular <area> ("rect", "rectangle", a missing or unknown shape)
// becomes a hotspot with coords "x1,y1,x2,y2" (corners in any order), href as link and alt, else
// title, as tip. Several images with their maps, each declaring its size, are one stacked page:
// pictures in code order, areas moved down by the pictures above, parts of a hotspot split at a
// join (same left and right edges, link and tip, touching at the join) joined again; when one
// has no size the first pair is taken alone. Fails with a message when there is no such image,
// map, area or rectangle.
Result<ImportedMap> importImageMap(std::string_view html);

// The status line: "已导入 12 个热区" ("已导入 3 张图片上的 12 个热区" for a stacked page), plus
// what was skipped ("，跳过 2 个非矩形热区") and left
// ("；另有 1 组热区未导入").
std::string importedMessage(const ImportedMap& imported);

// The map that replaces `current`: the imported one, or for a map without its picture the
// current picture and position with the imported hotspots.
MapDocument importedOnto(const ImportedMap& imported, MapDocument current);

}  // namespace velquist
