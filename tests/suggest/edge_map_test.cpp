// The snapping query: the nearest strong edge within reach that runs along the dragged side.
#include <gtest/gtest.h>

#include "suggest/drawn_pictures.h"
#include "suggest/edge_map.h"

namespace velquist {
namespace {

TEST(EdgeMap, FindsTheNearestEdgeAlongTheSpanWithinReach) {
    Picture p = test::blankPicture(400, 300);
    test::fill(p, Rect{100, 50, 200, 140}, 0x00E04040);  // edges at x 100 and 300, y 50 and 190
    const EdgeMap edges = EdgeMap::of(p);
    EXPECT_EQ(edges.nearestVertical(104, 60, 180), 100);
    EXPECT_EQ(edges.nearestVertical(94, 60, 180), 100);
    EXPECT_EQ(edges.nearestVertical(306, 40, 210), 300);
    EXPECT_FALSE(edges.nearestVertical(93, 60, 180));   // 7 px away
    EXPECT_FALSE(edges.nearestVertical(100, 0, 300));   // the edge runs along less than half
    EXPECT_FALSE(edges.nearestVertical(200, 60, 180));  // inside a flat colour
    EXPECT_EQ(edges.nearestHorizontal(47, 110, 290), 50);
    EXPECT_EQ(edges.nearestHorizontal(193, 110, 290), 190);
    EXPECT_FALSE(edges.nearestHorizontal(50, 310, 390));  // beside the block, not along it
}

TEST(EdgeMap, ProposalsAreEdgesToo) {
    EdgeMap edges = EdgeMap::of(test::blankPicture(400, 300));
    EXPECT_FALSE(edges.nearestVertical(52, 10, 100));
    edges.addRectangle(Rect{50, 20, 80, 60});
    EXPECT_EQ(edges.nearestVertical(52, 10, 100), 50);
    EXPECT_EQ(edges.nearestHorizontal(84, 40, 120), 80);
    EXPECT_FALSE(edges.nearestHorizontal(84, 200, 300));
}

}  // namespace
}  // namespace velquist
