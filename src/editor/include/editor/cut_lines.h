// The cut lines shown over a picture about to be sliced, in picture rows: which one a press
// takes, and what dragging, adding and dropping one does.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace velquist {

// A press this close to a line (in rows) takes the line rather than what lies under it.
inline constexpr int kCutGrabDistance = 4;

class CutLines {
public:
    CutLines() = default;
    CutLines(std::vector<int> rows, int pictureHeight);

    // Ascending, each inside the picture; a line being dragged is where the pointer holds it.
    std::vector<int> rows() const;
    // The cuts to export: the lines inside the picture, ascending, none twice.
    std::vector<int> cuts() const;

    // The line nearest `row` within kCutGrabDistance, if any.
    std::optional<size_t> near(int row) const;
    // Takes the line near `row`; false when none is that close.
    bool grab(int row);
    bool holding() const { return m_held.has_value(); }
    void drag(int row);
    // The held line stays at `row`, or goes when that is off the picture (above its top, below
    // its bottom, or on either edge, where a cut would leave an empty slice); dropped on another
    // line, the two are one.
    void release(int row);
    // A new line at `row`, when that is inside the picture and no line is there yet.
    void add(int row);

private:
    bool inside(int row) const { return row > 0 && row < m_height; }

    std::vector<int> m_rows;
    int m_height = 0;
    std::optional<size_t> m_held;
};

}  // namespace velquist
