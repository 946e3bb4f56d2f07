// The map being edited: the background picture, the hotspots in table order with their tips and
// links, the selection and the style of new hotspots. It changes only through operations.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/geometry.h"
#include "core/hotspot_style.h"
#include "editor/map_operation.h"

namespace velquist {

class EditedMap {
public:
    // Told after every applied operation, with the operation as applied (ids filled in).
    using Listener = std::function<void(const MapOperation& applied)>;

    EditedMap() = default;
    void setListener(Listener listener) { m_listener = std::move(listener); }

    // Applies `operation` and returns the operation that undoes it. An operation that names a
    // hotspot the map does not hold changes nothing and returns nullopt; so does one that needs a
    // background when none is loaded.
    std::optional<MapOperation> apply(MapOperation operation);

    // --- read-only views ---
    const Background& background() const { return m_background; }
    // A picture is shown under the map. A map waiting for its picture already has the
    // background's id (below every hotspot's), but no background yet.
    bool hasBackground() const { return m_background.picture != nullptr; }
    const std::vector<Hotspot>& hotspots() const { return m_hotspots; }
    const Hotspot* findHotspot(int32_t id) const;
    std::optional<size_t> indexOf(int32_t id) const;  // position among the hotspots
    // The object last selected: a hotspot, the background, or 0 for none.
    int32_t selection() const { return m_selection; }
    // Every selected hotspot in map order, the current one among them; none while the background
    // is current.
    const std::vector<int32_t>& selectedIds() const { return m_selected; }
    bool isSelected(int32_t id) const;
    bool isHotspot(int32_t id) const { return findHotspot(id) != nullptr; }
    const HotspotStyle& style() const { return m_style; }
    // The whole map, e.g. to put it back later (pictures are shared, not copied).
    MapState state() const;

    // The id the next new object gets; ids are never reused.
    int32_t nextId() const { return m_nextId; }

    // The style of new hotspots; not a change of the map itself.
    void setStyle(const HotspotStyle& style) { m_style = style; }

private:
    std::optional<MapOperation> applyOne(op::AddHotspot& o);
    std::optional<MapOperation> applyOne(op::RemoveHotspot& o);
    std::optional<MapOperation> applyOne(op::MoveHotspot& o);
    std::optional<MapOperation> applyOne(op::MoveHotspots& o);
    std::optional<MapOperation> applyOne(op::ResizeHotspot& o);
    std::optional<MapOperation> applyOne(op::SetContent& o);
    std::optional<MapOperation> applyOne(op::SwapHotspots& o);
    std::optional<MapOperation> applyOne(op::MoveBackground& o);
    std::optional<MapOperation> applyOne(op::ReplaceBackground& o);
    std::optional<MapOperation> applyOne(op::ReplacePicture& o);
    std::optional<MapOperation> applyOne(op::RestoreMap& o);
    std::optional<MapOperation> applyOne(op::Select& o);
    Hotspot* findMutable(int32_t id);
    int32_t takeId(int32_t wanted);
    // `id` alone is selected (no hotspot for the background or 0).
    void selectOnly(int32_t id);

    Background m_background;
    std::vector<Hotspot> m_hotspots;
    int32_t m_selection = 0;
    std::vector<int32_t> m_selected;  // ascending ids, which is map order
    int32_t m_nextId = 1;
    HotspotStyle m_style;
    Listener m_listener;
};

}  // namespace velquist
