// Objects on a canvas for tests that draw without an editor: the next free id, and pictures
// straight from file bytes.
#pragma once

#include <string_view>
#include <utility>

#include "editor/hotspot_canvas.h"
#include "pictures/picture_decoder.h"

namespace velquist::test {

// An object at (left, top), on top of the others, without picture; returns its id.
inline int addObject(HotspotCanvas& canvas, double left, double top) {
    int id = 1;
    while (!canvas.placeObject(id, left, top)) {
        ++id;
    }
    return id;
}

// Decodes `bytes` for object `id`; undecodable bytes leave it without picture (0 x 0). Returns
// whether a picture was decoded and installed.
inline bool setPictureBytes(HotspotCanvas& canvas, int id, std::string_view bytes) {
    Result<Picture> decoded = decodePicture(bytes);
    const bool ok = decoded.ok() && canvas.hasObject(id);
    canvas.setPicture(id, ok ? std::move(decoded).value() : Picture{});
    return ok;
}

}  // namespace velquist::test
