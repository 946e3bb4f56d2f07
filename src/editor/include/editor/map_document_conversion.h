// The edited map as a saved map document and back: canvas coordinates become picture
// coordinates, and the other way round.
#pragma once

#include <memory>
#include <vector>

#include "core/hotspot_style.h"
#include "editor/edited_map.h"
#include "mapfile/map_document.h"

namespace velquist {

// The map as it is saved. Without a picture, the page is `awaited` (the pictures still being
// fetched for a restored map, as its document gave them: one picture or several).
MapDocument mapDocumentOf(const EditedMap& map, const std::vector<PagePicture>& awaited = {});

// The map state a document describes (a stacked page's addresses as one text, a line each), with
// `picture` (shared, may be null while it is fetched)
// as background and every hotspot drawn in `style`'s colours and transparency.
MapState mapStateOf(const MapDocument& document, std::shared_ptr<const Picture> picture,
                    const HotspotStyle& style);

// The pictures of a stacked page on the background, top to bottom, in picture coordinates; empty
// for one picture or none.
std::vector<PagePicture> pagePicturesOf(const Background& background);

}  // namespace velquist
