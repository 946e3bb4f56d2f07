// The canvas of numbered picture objects: store, drawing with transparency, hit test.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "core/color.h"
#include "core/geometry.h"
#include "editor/dirty_region.h"
#include "pictures/picture.h"

namespace velquist {

class HotspotCanvas {
public:
    HotspotCanvas(int width, int height);

    // --- size, background ---
    void resize(int width, int height);  // the layout changes it; everything becomes dirty
    int width() const;
    int height() const;
    ColorRef backgroundColor() const;  // initially white
    void setBackgroundColor(ColorRef color);
    void clearBackdrop();  // the backdrop is never set; clearing redraws

    // --- objects (ids from 1, handed out by the model; 0 means "no object" everywhere) ---
    // An object with the given id, stacked among the others by id (a model that hands out its
    // own ids, and puts a deleted object back where it was). False when the id is taken or < 1.
    bool placeObject(int id, double left, double top);
    void deleteObject(int id);  // unknown id: nothing
    void deleteAllObjects();
    int objectCount() const;
    bool hasObject(int id) const;
    // A picture whose size disagrees with its pixels leaves the object without one (0 x 0).
    void setPicture(int id, Picture picture);
    void setPicture(int id, std::shared_ptr<const Picture> picture);  // shared, not copied
    void setTransparency(int id, int percent);
    void moveObject(int id, double left, double top);  // no clamping
    // Position truncated toward zero; size of the picture; 0 for an unknown id.
    int objectLeft(int id) const;
    int objectTop(int id) const;
    int objectWidth(int id) const;
    int objectHeight(int id) const;

    // Topmost object whose picture pixel at (x, y) is not fully transparent; 0 when none.
    int hitTest(int x, int y) const;

    // --- drawing ---
    // Recomposites what changed since the last call into frame() and returns the repainted
    // rectangles (clipped to the canvas) so the view can repaint just those.
    std::vector<Rect> render();
    // width() * height() pixels, row-major, 0xFFRRGGBB (QImage::Format_RGB32 layout).
    const uint32_t* frame() const;
    // Until an object is drawn the frame is one colour, and only that colour is kept: an empty
    // editor holds no window-sized buffer. Then the colour (0xFFRRGGBB), else empty.
    std::optional<uint32_t> plainColor() const;

private:
    struct CanvasObject {
        int id = 0;
        double left = 0;
        double top = 0;
        std::shared_ptr<const Picture> picture;  // never null
        bool opaque = false;                     // every pixel of the picture is opaque
        int transparency = 0;
    };

    CanvasObject* find(int id);
    const CanvasObject* find(int id) const;
    Rect bounds() const { return Rect{0, 0, m_width, m_height}; }
    Rect visibleArea(const CanvasObject& object) const;  // clipped to the canvas
    void markDirty(const CanvasObject& object);
    void markAllDirty();
    void installPicture(CanvasObject& object, std::shared_ptr<const Picture> picture);
    bool drawsAnyObject() const;
    void compositeRegion(const Rect& region);
    void drawObject(const CanvasObject& object, const Rect& region);

    int m_width = 0;
    int m_height = 0;
    ColorRef m_backgroundColor = rgb(0xFF, 0xFF, 0xFF);
    std::vector<CanvasObject> m_objects;  // stacking order, bottom first; ids ascend along it
    DirtyRegion m_dirty;
    // Empty while the frame is plain: made on the first drawn object, or when frame() is read.
    mutable std::vector<uint32_t> m_frame;
    uint32_t m_plainColor = 0xFF000000u;
};

}  // namespace velquist
