// Reading the editor for the code generator.
#include "app/image_map_input.h"

#include "editor/hotspot_editor.h"

namespace velquist {
namespace {

Rect objectRect(const HotspotCanvas& canvas, int id) {
    if (!canvas.hasObject(id)) {
        return {};
    }
    return {canvas.objectLeft(id), canvas.objectTop(id), canvas.objectWidth(id),
            canvas.objectHeight(id)};
}

}  // namespace

ImageMapInput imageMapInputOf(const HotspotEditor& editor) {
    const HotspotCanvas& canvas = editor.canvas();
    const HotspotTable& table = editor.table();
    ImageMapInput input;
    input.backgroundAddress = editor.backgroundAddress();
    input.background = objectRect(canvas, editor.state().backgroundId);
    input.areas.reserve(table.rowCount() > 0 ? table.rowCount() - 1 : 0);
    for (size_t row = 1; row < table.rowCount(); ++row) {
        const HotspotRow& r = table.row(row);
        input.areas.push_back({objectRect(canvas, r.id), r.tip, r.link});
    }
    return input;
}

}  // namespace velquist
