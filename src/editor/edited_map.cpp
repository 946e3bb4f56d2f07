// The edited map's operations, each applied in one place and answered with its inverse.
#include "editor/edited_map.h"

#include <algorithm>
#include <utility>

#include "editor/hotspot_tile.h"

namespace velquist {
namespace {

// A hotspot whose tile cannot be made has no picture, and so no size on the canvas.
Rect withTileSize(Rect rect) {
    if (!tileSizeAllowed(rect.width, rect.height)) {
        rect.width = 0;
        rect.height = 0;
    }
    return rect;
}

}  // namespace

std::optional<MapOperation> EditedMap::apply(MapOperation operation) {
    std::optional<MapOperation> inverse =
        std::visit([this](auto& o) { return applyOne(o); }, operation);
    if (inverse && m_listener) {
        m_listener(operation);
    }
    return inverse;
}

// The table is kept in ascending ids (stacking order), so a lookup is a binary search: actions on
// a thousand selected hotspots look each one up.
const Hotspot* EditedMap::findHotspot(int32_t id) const {
    const auto it =
        std::lower_bound(m_hotspots.begin(), m_hotspots.end(), id,
                         [](const Hotspot& h, int32_t wanted) { return h.id < wanted; });
    return it == m_hotspots.end() || it->id != id ? nullptr : &*it;
}

bool EditedMap::isSelected(int32_t id) const {
    return std::binary_search(m_selected.begin(), m_selected.end(), id);
}

void EditedMap::selectOnly(int32_t id) {
    m_selection = id;
    m_selected.clear();
    if (isHotspot(id)) {
        m_selected.push_back(id);
    }
}

Hotspot* EditedMap::findMutable(int32_t id) {
    return const_cast<Hotspot*>(findHotspot(id));
}

std::optional<size_t> EditedMap::indexOf(int32_t id) const {
    const Hotspot* h = findHotspot(id);
    if (h == nullptr) {
        return std::nullopt;
    }
    return static_cast<size_t>(h - m_hotspots.data());
}

MapState EditedMap::state() const {
    return {m_background, m_hotspots, m_selection};
}

int32_t EditedMap::takeId(int32_t wanted) {
    if (wanted > 0 && wanted < m_nextId && wanted != m_background.id && !isHotspot(wanted)) {
        return wanted;  // an object put back keeps its id
    }
    return m_nextId++;
}

std::optional<MapOperation> EditedMap::applyOne(op::AddHotspot& o) {
    o.hotspot.id = takeId(o.hotspot.id);
    o.hotspot.rect = withTileSize(o.hotspot.rect);
    // Table order is stacking order: a hotspot put back goes where its id places it.
    const auto at = std::lower_bound(m_hotspots.begin(), m_hotspots.end(), o.hotspot.id,
                                     [](const Hotspot& h, int32_t id) { return h.id < id; });
    o.index = static_cast<size_t>(at - m_hotspots.begin());
    m_hotspots.insert(at, o.hotspot);
    selectOnly(o.hotspot.id);
    return op::RemoveHotspot{o.hotspot.id};
}

std::optional<MapOperation> EditedMap::applyOne(op::RemoveHotspot& o) {
    const auto index = indexOf(o.id);
    if (!index) {
        return std::nullopt;
    }
    op::AddHotspot back{m_hotspots[*index], *index};
    m_hotspots.erase(m_hotspots.begin() + static_cast<std::ptrdiff_t>(*index));
    if (m_selection == o.id) {
        m_selection = 0;
    }
    if (const auto it = std::lower_bound(m_selected.begin(), m_selected.end(), o.id);
        it != m_selected.end() && *it == o.id) {
        m_selected.erase(it);
    }
    return back;
}

std::optional<MapOperation> EditedMap::applyOne(op::MoveHotspot& o) {
    Hotspot* h = findMutable(o.id);
    if (h == nullptr) {
        return std::nullopt;
    }
    const Point from{h->rect.left, h->rect.top};
    h->rect.left = o.to.x;
    h->rect.top = o.to.y;
    return op::MoveHotspot{o.id, from};
}

std::optional<MapOperation> EditedMap::applyOne(op::MoveHotspots& o) {
    // Ids of hotspots gone meanwhile are left out, also of the operation as applied.
    std::erase_if(o.ids, [this](int32_t id) { return !isHotspot(id); });
    if (o.ids.empty()) {
        return std::nullopt;
    }
    for (int32_t id : o.ids) {
        Hotspot* h = findMutable(id);
        h->rect.left += o.by.x;
        h->rect.top += o.by.y;
    }
    return op::MoveHotspots{o.ids, {-o.by.x, -o.by.y}};
}

std::optional<MapOperation> EditedMap::applyOne(op::ResizeHotspot& o) {
    Hotspot* h = findMutable(o.id);
    if (h == nullptr) {
        return std::nullopt;
    }
    op::ResizeHotspot back{o.id, h->rect, h->look};
    o.rect = withTileSize(o.rect);
    h->rect = o.rect;
    h->look = o.look;
    return back;
}

std::optional<MapOperation> EditedMap::applyOne(op::SetContent& o) {
    Hotspot* h = findMutable(o.id);
    if (h == nullptr) {
        return std::nullopt;
    }
    op::SetContent back{o.id, h->tip, h->link};
    h->tip = o.tip;
    h->link = o.link;
    return back;
}

std::optional<MapOperation> EditedMap::applyOne(op::SwapHotspots& o) {
    Hotspot* a = findMutable(o.first);
    Hotspot* b = findMutable(o.second);
    if (a == nullptr || b == nullptr) {
        return std::nullopt;
    }
    std::swap(a->rect, b->rect);
    std::swap(a->tip, b->tip);
    std::swap(a->link, b->link);
    std::swap(a->look, b->look);
    return o;
}

std::optional<MapOperation> EditedMap::applyOne(op::MoveBackground& o) {
    if (!hasBackground()) {
        return std::nullopt;
    }
    const Point from = m_background.position;
    const int dx = o.to.x - from.x;
    const int dy = o.to.y - from.y;
    m_background.position = o.to;
    for (Hotspot& h : m_hotspots) {
        h.rect.left += dx;
        h.rect.top += dy;
    }
    return op::MoveBackground{from};
}

std::optional<MapOperation> EditedMap::applyOne(op::ReplaceBackground& o) {
    op::RestoreMap back{state()};
    m_hotspots.clear();
    m_background = Background{takeId(0), o.picture, o.address, {0, 0}};
    selectOnly(m_background.id);
    return back;
}

std::optional<MapOperation> EditedMap::applyOne(op::ReplacePicture& o) {
    op::ReplacePicture back{m_background.picture, m_background.address, m_background.id};
    m_background.picture = o.picture;
    m_background.address = o.address;
    if (!o.picture) {
        if (m_selection == m_background.id) {
            selectOnly(0);
        }
    } else if (m_background.id == 0) {
        m_background.id = takeId(o.id);
    }
    return back;
}

std::optional<MapOperation> EditedMap::applyOne(op::RestoreMap& o) {
    op::RestoreMap back{state()};
    MapState& s = o.state;
    // A picture still to come needs the background's id before any hotspot takes one: the
    // picture arriving later must lie under them.
    if (s.background.picture || s.background.id > 0 || !s.background.address.empty()) {
        s.background.id = takeId(s.background.id);
    }
    m_background = s.background;
    m_hotspots.clear();
    for (Hotspot& h : s.hotspots) {
        h.id = takeId(h.id);
        h.rect = withTileSize(h.rect);
        m_hotspots.push_back(h);
    }
    std::sort(m_hotspots.begin(), m_hotspots.end(),
              [](const Hotspot& a, const Hotspot& b) { return a.id < b.id; });
    s.hotspots = m_hotspots;
    selectOnly(s.selection == m_background.id || isHotspot(s.selection) ? s.selection : 0);
    s.selection = m_selection;
    return back;
}

std::optional<MapOperation> EditedMap::applyOne(op::Select& o) {
    if (o.id != 0 && o.id != m_background.id && !isHotspot(o.id)) {
        return std::nullopt;
    }
    const bool alsoHotspots =
        std::all_of(o.also.begin(), o.also.end(), [this](int32_t id) { return isHotspot(id); });
    if (!alsoHotspots || (!o.also.empty() && !isHotspot(o.id) && o.id != 0)) {
        return std::nullopt;  // the background is never selected together with hotspots
    }
    op::Select back{m_selection, {}};
    for (int32_t id : m_selected) {
        if (id != m_selection) {
            back.also.push_back(id);
        }
    }
    selectOnly(o.id);
    m_selected.insert(m_selected.end(), o.also.begin(), o.also.end());
    std::sort(m_selected.begin(), m_selected.end());
    m_selected.erase(std::unique(m_selected.begin(), m_selected.end()), m_selected.end());
    return back;
}

}  // namespace velquist
