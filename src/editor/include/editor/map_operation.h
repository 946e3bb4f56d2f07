// The parts of the edited map and the operations that change it, as plain values: what an undo
// history records and inverts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "core/color.h"
#include "core/geometry.h"
#include "pictures/picture.h"

namespace velquist {

// How a hotspot is drawn: the colours of its tile and its transparency (percent).
struct HotspotLook {
    ColorRef fill = 0;
    ColorRef border = 0;
    int32_t transparency = 0;
    bool operator==(const HotspotLook&) const = default;
};

struct Hotspot {
    int32_t id = 0;  // canvas object id, never reused
    Rect rect;       // canvas position and tile size (0 x 0 when no tile could be made)
    std::string tip;
    std::string link;
    HotspotLook look;
    bool operator==(const Hotspot&) const = default;
};

struct Background {
    // 0: none. Taken before the hotspots' ids, so that stacking by id keeps the picture at the
    // bottom; a map waiting for its picture holds the id without a picture.
    int32_t id = 0;
    std::shared_ptr<const Picture> picture;
    std::string address;  // as entered
    Point position;       // canvas position of the picture's top-left corner
    int width() const { return picture ? picture->width : 0; }
    int height() const { return picture ? picture->height : 0; }
    Rect rect() const { return {position.x, position.y, width(), height()}; }
};

// Everything a map holds, for putting it back whole.
struct MapState {
    Background background;
    std::vector<Hotspot> hotspots;
    int32_t selection = 0;  // the current object; it alone is selected when the map is put back
};

namespace op {

// A hotspot joins the table at `index` (past the end: appended) and is selected. Id 0 takes the
// next id; a given id puts a removed hotspot back as it was.
struct AddHotspot {
    Hotspot hotspot;
    size_t index = SIZE_MAX;
};
struct RemoveHotspot {
    int32_t id = 0;
};
struct MoveHotspot {
    int32_t id = 0;
    Point to;
};
// The hotspots `ids` move by `by` together: one operation for a whole selection, so that a drag
// of a thousand hotspots records one inverse per movement, not a thousand.
struct MoveHotspots {
    std::vector<int32_t> ids;
    Point by;
};
// New position and size; the tile is redrawn in `look`.
struct ResizeHotspot {
    int32_t id = 0;
    Rect rect;
    HotspotLook look;
};
struct SetContent {
    int32_t id = 0;
    std::string tip;
    std::string link;
};
// Two hotspots trade places in the map order: their contents (rectangle, tip, link, look) are
// swapped and the ids stay, since the ids are the order. Its own inverse.
struct SwapHotspots {
    int32_t first = 0;
    int32_t second = 0;
};
// The background moves to `to` and every hotspot moves by the same distance.
struct MoveBackground {
    Point to;
};
// A loaded picture becomes the background at (0, 0); every hotspot goes.
struct ReplaceBackground {
    std::shared_ptr<const Picture> picture;
    std::string address;
};
// The picture of the background changes and everything else stays: the background keeps its
// position, every hotspot its place. A picture arriving for a restored map; undone by the same
// operation with the old picture. No picture: the map is left waiting for one, its background
// keeping its id.
struct ReplacePicture {
    std::shared_ptr<const Picture> picture;
    std::string address;
    int32_t id = 0;  // the background's id when it gets a picture; 0 takes the next id
};
// The whole map is put back (undo of a load, a restored or opened map).
struct RestoreMap {
    MapState state;
};
// `id` becomes the current object (a hotspot, the background, or 0 for none) and the hotspots in
// `also` are selected with it; choosing the background or nothing selects no hotspot.
struct Select {
    int32_t id = 0;
    std::vector<int32_t> also;
};

}  // namespace op

using MapOperation =
    std::variant<op::AddHotspot, op::RemoveHotspot, op::MoveHotspot, op::ResizeHotspot,
                 op::SetContent, op::SwapHotspots, op::MoveBackground, op::ReplaceBackground,
                 op::ReplacePicture, op::RestoreMap, op::Select, op::MoveHotspots>;

}  // namespace velquist
