// The canvas of numbered picture objects: store, drawing with transparency, hit test.
#include "editor/hotspot_canvas.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

#include "editor/compositor.h"
#include "pictures/picture_buffer.h"

namespace velquist {
namespace {

// Truncation toward zero that stays defined for NaN and values beyond the int range.
int truncateToInt(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= static_cast<double>(INT_MAX)) {
        return INT_MAX;
    }
    if (value <= static_cast<double>(INT_MIN)) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

// The part of a picture placed at (left, top) that lies inside `bounds`; computed in 64 bits
// because an object may sit anywhere in the int range.
Rect clippedArea(int64_t left, int64_t top, int64_t width, int64_t height, const Rect& bounds) {
    const int64_t l = std::max<int64_t>(left, bounds.left);
    const int64_t t = std::max<int64_t>(top, bounds.top);
    const int64_t r = std::min<int64_t>(left + width, bounds.right());
    const int64_t b = std::min<int64_t>(top + height, bounds.bottom());
    if (r <= l || b <= t) {
        return {};
    }
    return Rect{static_cast<int>(l), static_cast<int>(t), static_cast<int>(r - l),
                static_cast<int>(b - t)};
}

// Frame rows lie a whole canvas width apart, a pattern the processor does not prefetch by
// itself; asking for the rows a few steps ahead hides most of the wait for memory.
constexpr int kPrefetchRows = 4;
constexpr int kCacheLine = 64;

void prefetchForWriting(const uint32_t* row, int count) {
    const char* bytes = reinterpret_cast<const char*>(row);
    for (int offset = 0; offset < count * 4; offset += kCacheLine) {
        __builtin_prefetch(bytes + offset, 1);
    }
}

const std::shared_ptr<const Picture>& emptyPicture() {
    static const auto kEmpty = std::make_shared<const Picture>();
    return kEmpty;
}

bool isConsistent(const Picture& picture) {
    return checkPictureSize(picture.width, picture.height).ok() &&
           picture.pixels.size() ==
               static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height);
}

}  // namespace

HotspotCanvas::HotspotCanvas(int width, int height) {
    resize(width, height);
}

void HotspotCanvas::resize(int width, int height) {
    // The frame is held in memory, so the canvas obeys the same limits as a picture.
    m_width = std::clamp(width, 0, kMaxPictureSide);
    m_height = std::clamp(height, 0, kMaxPictureSide);
    if (m_width > 0 && static_cast<int64_t>(m_width) * m_height > kMaxPicturePixels) {
        m_height = static_cast<int>(kMaxPicturePixels / m_width);
    }
    // Everything is drawn again below: a frame of the same pixel count is reused as it is (the
    // window's first layout gives the canvas the size it was made with); another size is made
    // when something is drawn.
    const size_t pixels = static_cast<size_t>(m_width) * static_cast<size_t>(m_height);
    if (pixels != m_frame.size()) {
        std::vector<uint32_t>().swap(m_frame);
    }
    m_dirty = DirtyRegion();
    markAllDirty();
}

int HotspotCanvas::width() const {
    return m_width;
}
int HotspotCanvas::height() const {
    return m_height;
}
ColorRef HotspotCanvas::backgroundColor() const {
    return m_backgroundColor;
}

void HotspotCanvas::setBackgroundColor(ColorRef color) {
    m_backgroundColor = color & 0xFFFFFF;
    markAllDirty();
}

void HotspotCanvas::clearBackdrop() {
    markAllDirty();
}

bool HotspotCanvas::placeObject(int id, double left, double top) {
    auto it = std::lower_bound(m_objects.begin(), m_objects.end(), id,
                               [](const CanvasObject& o, int key) { return o.id < key; });
    if (id < 1 || (it != m_objects.end() && it->id == id)) {
        return false;
    }
    CanvasObject object;
    object.id = id;
    object.left = left;
    object.top = top;
    object.picture = emptyPicture();
    m_objects.insert(it, std::move(object));
    return true;
}

void HotspotCanvas::deleteObject(int id) {
    auto it = std::lower_bound(m_objects.begin(), m_objects.end(), id,
                               [](const CanvasObject& o, int key) { return o.id < key; });
    if (it == m_objects.end() || it->id != id) {
        return;
    }
    markDirty(*it);
    m_objects.erase(it);
}

void HotspotCanvas::deleteAllObjects() {
    for (const CanvasObject& object : m_objects) {
        markDirty(object);
    }
    m_objects.clear();
}

int HotspotCanvas::objectCount() const {
    return static_cast<int>(m_objects.size());
}
bool HotspotCanvas::hasObject(int id) const {
    return find(id) != nullptr;
}

void HotspotCanvas::setPicture(int id, Picture picture) {
    setPicture(id, std::make_shared<const Picture>(std::move(picture)));
}

void HotspotCanvas::setPicture(int id, std::shared_ptr<const Picture> picture) {
    if (CanvasObject* object = find(id)) {
        installPicture(*object, std::move(picture));
    }
}

void HotspotCanvas::installPicture(CanvasObject& object, std::shared_ptr<const Picture> picture) {
    if (picture == nullptr || !isConsistent(*picture)) {
        picture = emptyPicture();
    }
    markDirty(object);
    object.picture = std::move(picture);
    // The decoder's finding: every picture comes from a decoder or makeHotspotTile, which set it.
    object.opaque = !object.picture->empty() && object.picture->opaque;
    markDirty(object);
}

void HotspotCanvas::setTransparency(int id, int percent) {
    if (CanvasObject* object = find(id)) {
        object->transparency = std::clamp(percent, 0, 100);
        markDirty(*object);
    }
}

void HotspotCanvas::moveObject(int id, double left, double top) {
    if (CanvasObject* object = find(id)) {
        markDirty(*object);
        object->left = left;
        object->top = top;
        markDirty(*object);
    }
}

int HotspotCanvas::objectLeft(int id) const {
    const CanvasObject* object = find(id);
    return object ? truncateToInt(object->left) : 0;
}

int HotspotCanvas::objectTop(int id) const {
    const CanvasObject* object = find(id);
    return object ? truncateToInt(object->top) : 0;
}

int HotspotCanvas::objectWidth(int id) const {
    const CanvasObject* object = find(id);
    return object ? object->picture->width : 0;
}

int HotspotCanvas::objectHeight(int id) const {
    const CanvasObject* object = find(id);
    return object ? object->picture->height : 0;
}

int HotspotCanvas::hitTest(int x, int y) const {
    for (auto it = m_objects.rbegin(); it != m_objects.rend(); ++it) {
        const Picture& picture = *it->picture;
        if (picture.empty()) {
            continue;
        }
        const int64_t px = int64_t{x} - truncateToInt(it->left);
        const int64_t py = int64_t{y} - truncateToInt(it->top);
        if (px < 0 || py < 0 || px >= picture.width || py >= picture.height) {
            continue;
        }
        if ((picture.pixels[static_cast<size_t>(py * picture.width + px)] >> 24) != 0xFF) {
            return it->id;
        }
    }
    return 0;
}

std::vector<Rect> HotspotCanvas::render() {
    std::vector<Rect> rects = m_dirty.take();
    if (m_frame.empty() && !drawsAnyObject()) {
        if (!rects.empty()) {
            m_plainColor = 0xFF000000u | toHexRgb(m_backgroundColor);
        }
        return rects;
    }
    frame();  // a plain frame becomes pixels, under what is drawn now
    for (const Rect& rect : rects) {
        compositeRegion(rect);
    }
    return rects;
}

const uint32_t* HotspotCanvas::frame() const {
    if (m_frame.empty()) {
        m_frame.assign(static_cast<size_t>(m_width) * static_cast<size_t>(m_height), m_plainColor);
    }
    return m_frame.data();
}

std::optional<uint32_t> HotspotCanvas::plainColor() const {
    if (!m_frame.empty()) {
        return std::nullopt;
    }
    return m_plainColor;
}

bool HotspotCanvas::drawsAnyObject() const {
    return std::any_of(m_objects.begin(), m_objects.end(), [this](const CanvasObject& object) {
        return !object.picture->empty() && transparencyWeight(object.transparency) < 255 &&
               !visibleArea(object).empty();
    });
}

HotspotCanvas::CanvasObject* HotspotCanvas::find(int id) {
    return const_cast<CanvasObject*>(std::as_const(*this).find(id));
}

const HotspotCanvas::CanvasObject* HotspotCanvas::find(int id) const {
    auto it = std::lower_bound(m_objects.begin(), m_objects.end(), id,
                               [](const CanvasObject& o, int key) { return o.id < key; });
    return it != m_objects.end() && it->id == id ? &*it : nullptr;
}

Rect HotspotCanvas::visibleArea(const CanvasObject& object) const {
    return clippedArea(truncateToInt(object.left), truncateToInt(object.top), object.picture->width,
                       object.picture->height, bounds());
}

void HotspotCanvas::markDirty(const CanvasObject& object) {
    m_dirty.add(visibleArea(object), bounds());
}

void HotspotCanvas::markAllDirty() {
    m_dirty.add(bounds(), bounds());
}

void HotspotCanvas::compositeRegion(const Rect& region) {
    // Everything under the topmost object that covers the region with solid, fully opaque
    // pixels is overdrawn anyway, so drawing starts there.
    size_t first = m_objects.size();
    for (size_t i = m_objects.size(); i-- > 0;) {
        const CanvasObject& object = m_objects[i];
        if (object.opaque && object.transparency == 0 &&
            visibleArea(object).intersected(region) == region) {
            first = i;
            break;
        }
    }
    if (first == m_objects.size()) {
        const uint32_t background = 0xFF000000u | toHexRgb(m_backgroundColor);
        for (int y = region.top; y < region.bottom(); ++y) {
            fillRow(m_frame.data() + static_cast<size_t>(y) * m_width + region.left, region.width,
                    background);
        }
        first = 0;
    }
    for (size_t i = first; i < m_objects.size(); ++i) {
        drawObject(m_objects[i], region);
    }
}

void HotspotCanvas::drawObject(const CanvasObject& object, const Rect& region) {
    const Picture& picture = *object.picture;
    const int weight = transparencyWeight(object.transparency);
    // At weight 255 every pixel keeps the frame, whatever its own transparency.
    if (picture.empty() || weight >= 255) {
        return;
    }
    const Rect area = visibleArea(object).intersected(region);
    if (area.empty()) {
        return;
    }
    // The area lies inside the canvas, so these offsets into the picture are within it.
    const int64_t offsetX = int64_t{area.left} - truncateToInt(object.left);
    const int64_t offsetY = int64_t{area.top} - truncateToInt(object.top);
    for (int y = 0; y < area.height; ++y) {
        uint32_t* out = m_frame.data() + static_cast<size_t>(area.top + y) * m_width + area.left;
        if (y + kPrefetchRows < area.height) {
            prefetchForWriting(out + static_cast<size_t>(kPrefetchRows) * m_width, area.width);
        }
        const uint32_t* in = picture.pixels.data() + (offsetY + y) * picture.width + offsetX;
        blendRow(out, in, area.width, weight, object.opaque);
    }
}

}  // namespace velquist
