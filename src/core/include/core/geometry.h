// Integer points and rectangles in canvas pixels.
#pragma once

#include <algorithm>
#include <cstdint>

namespace velquist {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Left and top inclusive, right and bottom exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool empty() const { return width <= 0 || height <= 0; }
    // The same size, moved by (dx, dy): between page and picture coordinates, for one.
    Rect translated(int dx, int dy) const { return {left + dx, top + dy, width, height}; }
    bool contains(int x, int y) const {
        return x >= left && x < right() && y >= top && y < bottom();
    }
    Rect intersected(const Rect& o) const {
        const int l = std::max(left, o.left);
        const int t = std::max(top, o.top);
        const int r = std::min(right(), o.right());
        const int b = std::min(bottom(), o.bottom());
        return r > l && b > t ? Rect{l, t, r - l, b - t} : Rect{};
    }
    Rect united(const Rect& o) const {
        if (empty()) {
            return o;
        }
        if (o.empty()) {
            return *this;
        }
        const int l = std::min(left, o.left);
        const int t = std::min(top, o.top);
        return Rect{l, t, std::max(right(), o.right()) - l, std::max(bottom(), o.bottom()) - t};
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace velquist
