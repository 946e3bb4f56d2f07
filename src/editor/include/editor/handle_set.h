// The four resize handles around the selected hotspot: where they sit and whether they show.
#pragma once

#include <array>

#include "core/geometry.h"

namespace velquist {

enum class HandleEdge { Left = 0, Top = 1, Right = 2, Bottom = 3 };

struct Handle {
    Point position;
    bool visible = false;
};

struct HandleSet {
    std::array<Handle, 4> handles{};

    Handle& operator[](HandleEdge edge) { return handles[static_cast<size_t>(edge)]; }
    const Handle& operator[](HandleEdge edge) const { return handles[static_cast<size_t>(edge)]; }
    void hideAll() {
        for (Handle& h : handles) {
            h.visible = false;
        }
    }
    friend bool operator==(const Handle& a, const Handle& b) {
        return a.position == b.position && a.visible == b.visible;
    }
};

}  // namespace velquist
