// The whole map as it is saved, restored and imported: plain data, no canvas.
#pragma once

#include <string>
#include <vector>

#include "core/geometry.h"
#include "core/page_picture.h"

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
    // A page of several pictures lists them all, top to bottom; the fields above then describe
    // the page: the first picture's address, the widest width, the heights' sum (see
    // setPagePictures). Empty for a page of one picture.
    std::vector<PagePicture> pictures;
    bool operator==(const MapDocument&) const = default;
};

// Makes `map` a page of `pictures`: one picture is a plain map, several a stacked page.
void setPagePictures(MapDocument& map, std::vector<PagePicture> pictures);
// What loads the map's page: its picture's address, or a stacked page's addresses, a line each.
std::string pageAddressOf(const MapDocument& map);

}  // namespace velquist
