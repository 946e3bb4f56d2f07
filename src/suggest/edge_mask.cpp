// Marking where the colour changes: central differences, so a soft edge still counts.
#include "edge_mask.h"

#include <algorithm>

#include "picture_rows.h"

namespace velquist::suggest_detail {
namespace {

// A row that is one unbroken run across (nearly) the whole width is a rule or the boundary of
// a full-width band: decoration, never part of a block.
bool pageWideRun(const uint8_t* row, int width) {
    int longest = 0;
    int run = 0;
    for (int x = 0; x < width; ++x) {
        run = row[x] ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest * 100 >= width * 95 && width >= 64;
}

void markRow(PictureRows& rows, int y, int width, int height, int threshold, uint8_t* out) {
    const uint32_t* above = rows.row(std::max(y - 1, 0));
    const uint32_t* here = rows.row(y);
    const uint32_t* below = rows.row(std::min(y + 1, height - 1));
    for (int x = 0; x < width; ++x) {
        const int left = std::max(x - 1, 0);
        const int right = std::min(x + 1, width - 1);
        const int across = colourDistance(here[right], here[left]);
        const int down = colourDistance(below[x], above[x]);
        const int change = std::max(across, down);
        out[x] = change > threshold ? (change >= kStrongChange ? kEdge | kStrong : kEdge) : 0;
    }
}

}  // namespace

EdgeMask markEdges(const Picture& picture, int threshold) {
    EdgeMask mask;
    mask.width = picture.width;
    mask.height = picture.height;
    mask.cells.assign(size_t(picture.width) * size_t(picture.height), 0);
    PictureRows rows(picture);
    for (int y = 0; y < picture.height; ++y) {
        uint8_t* out = mask.cells.data() + size_t(y) * size_t(picture.width);
        markRow(rows, y, picture.width, picture.height, threshold, out);
        if (pageWideRun(out, picture.width)) {
            std::fill(out, out + picture.width, uint8_t{0});
            mask.cleanRows.push_back(y);
        }
    }
    return mask;
}

void closeGaps(EdgeMask& mask, int gapX, int gapY) {
    const int width = mask.width;
    std::vector<int> lastMarked(size_t(width), -1);
    for (int y = 0; y < mask.height; ++y) {
        uint8_t* row = mask.cells.data() + size_t(y) * size_t(width);
        int last = -1;
        for (int x = 0; x < width; ++x) {
            if (!(row[x] & kEdge)) {
                continue;
            }
            if (last >= 0 && x - last - 1 <= gapX) {
                std::fill(row + last + 1, row + x, uint8_t(kClosed));
            }
            last = x;
        }
        for (int x = 0; x < width; ++x) {
            if (!row[x]) {
                continue;
            }
            const int from = lastMarked[size_t(x)];
            if (from >= 0 && y - from - 1 <= gapY) {
                for (int fill = from + 1; fill < y; ++fill) {
                    mask.cells[size_t(fill) * size_t(width) + size_t(x)] |= kClosed;
                }
            }
            lastMarked[size_t(x)] = y;
        }
    }
}

}  // namespace velquist::suggest_detail
