// The page a map's pictures make.
#include "mapfile/map_document.h"

#include <algorithm>
#include <climits>

namespace velquist {

void setPagePictures(MapDocument& map, std::vector<PagePicture> pictures) {
    if (pictures.empty()) {
        return;
    }
    map.pictureAddress = pictures.front().address;
    map.pictureWidth = pageWidth(pictures);
    map.pictureHeight = int(std::min<long long>(pageHeight(pictures), INT_MAX));
    map.pictures = pictures.size() > 1 ? std::move(pictures) : std::vector<PagePicture>{};
}

std::string pageAddressOf(const MapDocument& map) {
    return map.pictures.empty() ? map.pictureAddress : joinedAddresses(map.pictures);
}

}  // namespace velquist
