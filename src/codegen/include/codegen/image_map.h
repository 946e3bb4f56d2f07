// The image-map generator: <img usemap> plus one <area> line per hotspot, from a read-only view.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/geometry.h"
#include "core/page_picture.h"

namespace velquist {

// What the generator reads of the editor, filled by the shell at the moment of the run.
struct ImageMapInput {
    std::string backgroundAddress;
    Rect background;  // canvas position and picture size; zeros when there is no background
    struct Area {
        Rect rect;  // canvas position and size; zeros for an id the canvas does not know
        std::string tip;
        std::string link;
    };
    std::vector<Area> areas;  // table rows 1 ... n, in table order
    // A stacked page: its pictures top to bottom, stacked from the background's top-left corner;
    // empty for a page of one picture (`backgroundAddress`).
    std::vector<PagePicture> pictures;
};

inline constexpr int kMapNumberMin = 1;
inline constexpr int kMapNumberMax = 90000;

// The complete code, CR LF between lines and none after "</map>". The map name is "MIV" and a
// number drawn from the process generator. A stacked page gets an <img> and <map> per picture,
// each map holding the parts of the hotspots on its picture.
std::string generateImageMap(const ImageMapInput& input);
// Same, with the map number given (tests, benchmarks).
std::string generateImageMap(const ImageMapInput& input, int mapNumber);

// Where each picture of the page lies on the canvas, top to bottom: the background alone for a
// page of one picture.
std::vector<Rect> pictureRects(const ImageMapInput& input);

// Hotspots copied to the clipboard: a <map> with one <area> line per area, each exactly as the
// complete code of one picture writes it (coordinates relative to the picture; on a stacked page
// to the page, so that a hotspot across a join pastes back whole), CR LF between lines.
std::string areaMapCode(const ImageMapInput& input);
std::string areaMapCode(const ImageMapInput& input, int mapNumber);

// A value that a browser reads back exactly as typed inside a double-quoted attribute: `"`
// becomes `&quot;`, and `&` becomes `&amp;` where it would start a character reference (before
// "#", or before ASCII letters and digits not followed by "="). Everything else stays, so links
// such as "item?id=1&x=2" keep their bytes.
std::string quoteSafe(std::string_view value);

// The picture size as decimal text, as the Tabs conversion reads it.
struct PictureSizeText {
    std::string width;
    std::string height;
};
PictureSizeText pictureSizeText(const ImageMapInput& input);

}  // namespace velquist
