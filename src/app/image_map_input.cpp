// Reading the editor for the code generator.
#include "app/image_map_input.h"

#include "editor/hotspot_editor.h"
#include "editor/map_document_conversion.h"

namespace velquist {
namespace {

ImageMapInput backgroundInputOf(const EditedMap& map) {
    ImageMapInput input;
    input.backgroundAddress = map.background().address;
    input.background = map.hasBackground() ? map.background().rect() : Rect{};
    input.pictures = pagePicturesOf(map.background());
    return input;
}

}  // namespace

ImageMapInput imageMapInputOf(const HotspotEditor& editor) {
    const EditedMap& map = editor.map();
    ImageMapInput input = backgroundInputOf(map);
    input.areas.reserve(map.hotspots().size());
    for (const Hotspot& h : map.hotspots()) {
        input.areas.push_back({h.rect, h.tip, h.link});
    }
    return input;
}

ImageMapInput selectionInputOf(const HotspotEditor& editor) {
    const EditedMap& map = editor.map();
    ImageMapInput input = backgroundInputOf(map);
    for (const int32_t id : map.selectedIds()) {
        const Hotspot& h = *map.findHotspot(id);
        input.areas.push_back({h.rect, h.tip, h.link});
    }
    return input;
}

}  // namespace velquist
