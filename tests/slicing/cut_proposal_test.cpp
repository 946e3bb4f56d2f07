#include "slicing/cut_proposal.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace velquist {
namespace {

constexpr int kWidth = 200;

// A page background that darkens a little every row, as designs often do.
Picture gradientPage(int height) {
    Picture p{kWidth, height, std::vector<uint32_t>(size_t(kWidth) * size_t(height)), true, {}};
    for (int y = 0; y < height; ++y) {
        const uint32_t v = uint32_t(250 - y * 120 / height);
        for (int x = 0; x < kWidth; ++x) {
            p.pixels[size_t(y) * kWidth + size_t(x)] = v << 16 | v << 8 | v;
        }
    }
    return p;
}

// Rows [from, to) get dark strokes like a line of text: edges across and along the rows.
void paintText(Picture& p, int from, int to) {
    for (int y = from; y < to; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if ((x / 3 + y / 2) % 4 == 0) {
                p.pixels[size_t(y) * kWidth + size_t(x)] = 0x202020;
            }
        }
    }
}

void expectSlicesWithin(const std::vector<int>& cuts, int height, int limit) {
    int top = 0;
    for (int cut : cuts) {
        EXPECT_GT(cut, top);
        EXPECT_LE(cut - top, limit);
        top = cut;
    }
    EXPECT_LE(height - top, limit);
}

TEST(CutProposal, FewestSlicesWithinTheLimitAndNoneForAShortPicture) {
    EXPECT_TRUE(proposeCuts(gradientPage(1500), {}, 1500).empty());
    // Plain everywhere: the slices are as tall as the limit allows, the last one takes the rest.
    EXPECT_EQ(proposeCuts(gradientPage(3200), {}, 1500), (std::vector<int>{1500, 3000}));
}

TEST(CutProposal, CutsFallBetweenTextLinesNotThroughThem) {
    Picture p = gradientPage(3000);
    // Text straddles where the slice would end; lines every 60 rows further up leave plain gaps.
    for (int y = 1000; y < 1520; y += 60) {
        paintText(p, y, y + 40);
    }
    const std::vector<int> cuts = proposeCuts(p, {}, 1500);
    expectSlicesWithin(cuts, 3000, 1500);
    ASSERT_FALSE(cuts.empty());
    // The last plain gap before the limit: after the line at 1420-1460.
    EXPECT_GE(cuts[0], 1461);
    EXPECT_LE(cuts[0], 1479);
}

TEST(CutProposal, AHotspotIsNotCutWhileACutAroundItExistsEvenThroughText) {
    Picture p = gradientPage(3000);
    paintText(p, 1100, 1300);  // the only place left to cut above the hotspot is text
    const std::vector<Rect> hotspots = {{10, 1300, 100, 400}, {10, 0, 100, 1100}};
    const std::vector<int> cuts = proposeCuts(p, hotspots, 1500);
    expectSlicesWithin(cuts, 3000, 1500);
    for (int cut : cuts) {
        for (const Rect& h : hotspots) {
            EXPECT_FALSE(cut > h.top && cut < h.bottom()) << "cut at " << cut;
        }
    }
    // The text between the hotspots is crossed rather than either of them.
    EXPECT_GE(cuts[0], 1100);
    EXPECT_LE(cuts[0], 1300);
}

TEST(CutProposal, APictureWithNoPlainRowAndAHotspotTallerThanTheLimitAreStillSliced) {
    Picture p = gradientPage(5000);
    paintText(p, 0, 5000);
    const std::vector<int> cuts = proposeCuts(p, {{0, 100, 50, 4800}}, 1500);
    EXPECT_EQ(cuts.size(), 3u);
    expectSlicesWithin(cuts, 5000, 1500);
}

}  // namespace
}  // namespace velquist
