// Conversion between the edited map and its saved form.
#include "editor/map_document_conversion.h"

namespace velquist {

MapDocument mapDocumentOf(const EditedMap& map, const std::vector<PagePicture>& awaited) {
    const Background& b = map.background();
    MapDocument document;
    document.pictureAddress = b.address;
    if (b.picture) {
        document.pictureWidth = b.width();
        document.pictureHeight = b.height();
        setPagePictures(document, pagePicturesOf(b));
    } else if (!b.address.empty() && joinedAddresses(awaited) == b.address) {
        setPagePictures(document, awaited);
    }
    document.backgroundPosition = b.position;
    document.hotspots.reserve(map.hotspots().size());
    for (const Hotspot& h : map.hotspots()) {
        document.hotspots.push_back(
            {h.rect.translated(-b.position.x, -b.position.y), h.tip, h.link});
    }
    return document;
}

MapState mapStateOf(const MapDocument& document, std::shared_ptr<const Picture> picture,
                    const HotspotStyle& style) {
    MapState state;
    state.background.picture = std::move(picture);
    state.background.address = pageAddressOf(document);
    state.background.position = document.backgroundPosition;
    const Point at = document.backgroundPosition;
    const HotspotLook look{style.fillColor, style.borderColor, style.transparency};
    state.hotspots.reserve(document.hotspots.size());
    for (const MapHotspot& h : document.hotspots) {
        state.hotspots.push_back({0, h.rect.translated(at.x, at.y), h.tip, h.link, look});
    }
    return state;
}

std::vector<PagePicture> pagePicturesOf(const Background& background) {
    std::vector<PagePicture> pictures;
    if (!background.picture || background.picture->parts.size() < 2) {
        return pictures;
    }
    const std::vector<std::string> addresses = pageAddresses(background.address);
    const std::vector<PicturePart>& parts = background.picture->parts;
    for (size_t i = 0; i < parts.size(); ++i) {
        pictures.push_back(
            {i < addresses.size() ? addresses[i] : std::string(), parts[i].width, parts[i].height});
    }
    return pictures;
}

}  // namespace velquist
