// Aligning, distributing and sizing hotspots against a reference, and the cells of a grid.
#include <vector>

#include <gtest/gtest.h>

#include "editor/arrangement.h"
#include "mapfile/map_limits.h"

namespace velquist {
namespace {

// The reference is the middle one; the others differ from it in every way.
const std::vector<Rect> kThree = {{10, 20, 30, 40}, {100, 200, 50, 60}, {-7, 300, 81, 15}};

TEST(Arranging, EdgesMeetTheReferenceWhichStaysAndTheOtherAxisIsKept) {
    const auto left = arranged(Arrangement::Left, kThree, 1);
    EXPECT_EQ(left, (std::vector<Rect>{{100, 20, 30, 40}, {100, 200, 50, 60}, {100, 300, 81, 15}}));
    const auto right = arranged(Arrangement::Right, kThree, 1);
    EXPECT_EQ(right, (std::vector<Rect>{{120, 20, 30, 40}, {100, 200, 50, 60}, {69, 300, 81, 15}}));
    const auto top = arranged(Arrangement::Top, kThree, 1);
    EXPECT_EQ(top, (std::vector<Rect>{{10, 200, 30, 40}, {100, 200, 50, 60}, {-7, 200, 81, 15}}));
    const auto bottom = arranged(Arrangement::Bottom, kThree, 1);
    EXPECT_EQ(bottom,
              (std::vector<Rect>{{10, 220, 30, 40}, {100, 200, 50, 60}, {-7, 245, 81, 15}}));
}

TEST(Arranging, CentresMeetTheReferenceCentreTruncatedTowardZero) {
    // Reference centre x = 125: 30 wide starts at 110; 81 wide at 84.5, truncated to 84.
    const auto h = arranged(Arrangement::CentreHorizontally, kThree, 1);
    EXPECT_EQ(h, (std::vector<Rect>{{110, 20, 30, 40}, {100, 200, 50, 60}, {84, 300, 81, 15}}));
    // Reference centre y = 230: 40 tall starts at 210; 15 tall at 222.5, truncated to 222.
    const auto v = arranged(Arrangement::CentreVertically, kThree, 1);
    EXPECT_EQ(v, (std::vector<Rect>{{10, 210, 30, 40}, {100, 200, 50, 60}, {-7, 222, 81, 15}}));
    // Left of the origin too: 2 wide around the centre -0.5 starts at -1.5, truncated to -1.
    const std::vector<Rect> negative = {{-3, 0, 5, 5}, {50, 0, 2, 5}};
    EXPECT_EQ(arranged(Arrangement::CentreHorizontally, negative, 0)[1], (Rect{-1, 0, 2, 5}));
}

TEST(Arranging, DistributingKeepsTheOuterTwoAndEqualisesTheGaps) {
    // Given out of order; ordered by their left edges they are c, a, d, b. Span 0..200, widths
    // 10 + 20 + 30 + 40 = 100: 100 px of gaps over three, 33, 33, 34 (the last gets the extra).
    const std::vector<Rect> rects = {
        {50, 1, 20, 5}, {160, 2, 40, 5}, {0, 3, 10, 5}, {90, 4, 30, 5}};
    const auto out = arranged(Arrangement::DistributeHorizontally, rects, 1);
    EXPECT_EQ(out,
              (std::vector<Rect>{{43, 1, 20, 5}, {160, 2, 40, 5}, {0, 3, 10, 5}, {96, 4, 30, 5}}));
    // The same along y, whatever the reference.
    std::vector<Rect> columns;
    for (const Rect& r : rects) {
        columns.push_back({r.top, r.left, r.height, r.width});
    }
    const auto down = arranged(Arrangement::DistributeVertically, columns, 3);
    EXPECT_EQ(down[0].top, 43);
    EXPECT_EQ(down[3].top, 96);
    EXPECT_EQ(down[1].top, 160);
}

TEST(Arranging, DistributingHotspotsWiderThanTheirSpanOverlapsThemEqually) {
    // Three 100 wide between 0 and 250: 300 px of hotspots in 250, each gap -25.
    const std::vector<Rect> rects = {{0, 0, 100, 9}, {10, 0, 100, 9}, {150, 0, 100, 9}};
    const auto out = arranged(Arrangement::DistributeHorizontally, rects, 2);
    EXPECT_EQ(out[1].left, 75);
    EXPECT_EQ(out[1].left - out[0].right(), out[2].left - out[1].right());
    // -49 over two gaps: -25 then -24, split like a positive remainder (the last gets more).
    const std::vector<Rect> odd = {{0, 0, 100, 9}, {10, 0, 100, 9}, {151, 0, 100, 9}};
    EXPECT_EQ(arranged(Arrangement::DistributeHorizontally, odd, 0)[1].left, 75);
}

TEST(Arranging, SizingTakesTheReferenceSizeAndKeepsEachTopLeft) {
    EXPECT_EQ(arranged(Arrangement::SameWidth, kThree, 1),
              (std::vector<Rect>{{10, 20, 50, 40}, {100, 200, 50, 60}, {-7, 300, 50, 15}}));
    EXPECT_EQ(arranged(Arrangement::SameHeight, kThree, 1),
              (std::vector<Rect>{{10, 20, 30, 60}, {100, 200, 50, 60}, {-7, 300, 81, 60}}));
    EXPECT_EQ(arranged(Arrangement::SameSize, kThree, 0),
              (std::vector<Rect>{{10, 20, 30, 40}, {100, 200, 30, 40}, {-7, 300, 30, 40}}));
}

TEST(GridCells, CopiesGoRowByRowTheGapsApartWithoutTheOriginal) {
    const auto cells = gridCells(
        {10, 20, 100, 50}, {.rows = 2, .columns = 3, .horizontalGap = 5, .verticalGap = -49}, 0);
    ASSERT_TRUE(cells.ok()) << cells.error();
    EXPECT_EQ(*cells, (std::vector<Rect>{{115, 20, 100, 50},
                                         {220, 20, 100, 50},
                                         {10, 21, 100, 50},
                                         {115, 21, 100, 50},
                                         {220, 21, 100, 50}}));
    const auto single = gridCells({10, 20, 100, 50}, {}, 0);
    ASSERT_TRUE(single.ok());
    EXPECT_TRUE(single->empty());
}

TEST(GridCells, RefusalsNameTheValueAndTheRangeAllowed) {
    const Rect original{0, 0, 100, 50};
    const auto refusal = [&](GridShape shape, size_t there = 0) {
        return gridCells(original, shape, there).error();
    };
    // A step below one pixel would put copies on top of each other or in reverse.
    EXPECT_EQ(refusal({.horizontalGap = -100}), "水平间距超出范围（-99 到 1000000）");
    EXPECT_EQ(refusal({.verticalGap = -50}), "垂直间距超出范围（-49 到 1000000）");
    EXPECT_TRUE(gridCells(original, {.rows = 2, .verticalGap = -49}, 0).ok());
    // 25000 px per column from 0: the 41st starts at 1000000, the limit itself.
    EXPECT_EQ(refusal({.columns = 42, .horizontalGap = 24900}), "列数超出范围（1 到 41）");
    EXPECT_EQ(refusal({.columns = 0}), "列数超出范围（1 到 9091）");
    // The hotspots already there count: 49990 leave room for the original's cell and 10 more.
    EXPECT_EQ(refusal({.rows = 4, .columns = 3}, 49990), "行数超出范围（1 到 3）");
    EXPECT_TRUE(gridCells(original, {.rows = 1, .columns = 11}, 49990).ok());
    EXPECT_EQ(refusal({.rows = 30000, .columns = 2}), "行数超出范围（1 到 16667）");
    // The original's own place counts toward the coordinate limit.
    const auto far = gridCells({kMaxMapCoordinate - 100, 0, 100, 50}, {.columns = 2}, 0);
    EXPECT_EQ(far.error(), "列数超出范围（1 到 1）");
}

}  // namespace
}  // namespace velquist
