// The proposal rules on small drawn pictures, and on the sample banner the tool ships with.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "pictures/picture_decoder.h"
#include "suggest/drawn_pictures.h"
#include "suggest/suggestion.h"

namespace velquist {
namespace {

using test::blankPicture;
using test::drawCard;
using test::fill;

std::vector<Rect> proposed(const Picture& p, std::span<const Rect> existing = {}) {
    std::vector<Rect> out;
    for (const Suggestion& s : suggestHotspots(p, existing)) {
        out.push_back(s.rect);
    }
    std::sort(out.begin(), out.end(), [](const Rect& a, const Rect& b) {
        return a.top != b.top ? a.top < b.top : a.left < b.left;
    });
    return out;
}

// Within 2 px on every side.
void expectFits(const std::vector<Rect>& found, const std::vector<Rect>& wanted) {
    ASSERT_EQ(found.size(), wanted.size());
    for (size_t i = 0; i < wanted.size(); ++i) {
        EXPECT_NEAR(found[i].left, wanted[i].left, 2) << i;
        EXPECT_NEAR(found[i].top, wanted[i].top, 2) << i;
        EXPECT_NEAR(found[i].right(), wanted[i].right(), 2) << i;
        EXPECT_NEAR(found[i].bottom(), wanted[i].bottom(), 2) << i;
    }
}

TEST(SuggestHotspots, ACardIsProposedWholeNotItsParts) {
    Picture p = blankPicture(400, 300);
    drawCard(p, Rect{40, 30, 150, 240});
    expectFits(proposed(p), {Rect{40, 30, 150, 240}});
    const std::vector<Suggestion> found = suggestHotspots(p);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].kind, SuggestionKind::Card);
}

TEST(SuggestHotspots, CardsDrawnTouchingAreProposedOneByOne) {
    Picture p = blankPicture(520, 300);
    for (int i = 0; i < 3; ++i) {
        drawCard(p, Rect{40 + i * 149, 30, 150, 240});  // each shares its border with the next
    }
    expectFits(proposed(p),
               {Rect{40, 30, 150, 240}, Rect{189, 30, 149, 240}, Rect{338, 30, 150, 240}});
}

TEST(SuggestHotspots, AGradientIsBackgroundNotABlock) {
    Picture p = blankPicture(600, 400);
    for (int y = 0; y < 400; ++y) {
        for (int x = 0; x < 600; ++x) {
            const uint32_t r = 255 - uint32_t(x) * 80 / 600;
            const uint32_t g = 230 - uint32_t(y) * 90 / 400;
            p.pixels[size_t(y) * 600 + size_t(x)] = r << 16 | g << 8 | 0xC0;
        }
    }
    EXPECT_TRUE(proposed(p).empty());
    drawCard(p, Rect{300, 100, 150, 240});
    expectFits(proposed(p), {Rect{300, 100, 150, 240}});
}

TEST(SuggestHotspots, DecorationAloneProposesNothing) {
    Picture p = blankPicture(790, 600);
    fill(p, Rect{0, 80, 790, 1}, 0x00CCCCCC);     // a rule across the page
    fill(p, Rect{0, 200, 790, 120}, 0x00FFE0D0);  // a full-width band
    fill(p, Rect{300, 400, 6, 6}, 0x00333333);    // a speck
    fill(p, Rect{200, 450, 390, 2}, 0x00999999);  // a short line
    EXPECT_TRUE(proposed(p).empty());
}

TEST(SuggestHotspots, TinyAndTallestPicturesAreHandled) {
    EXPECT_TRUE(proposed(blankPicture(1, 1, 0x00123456)).empty());
    EXPECT_TRUE(suggestHotspots(Picture{}).empty());
    Picture tall = blankPicture(200, kMaxPictureSide);
    drawCard(tall, Rect{20, kMaxPictureSide - 300, 150, 240});
    expectFits(proposed(tall), {Rect{20, kMaxPictureSide - 300, 150, 240}});
}

TEST(SuggestHotspots, WhatHotspotsCoverIsNotProposedAgain) {
    Picture p = blankPicture(520, 300);
    for (int i = 0; i < 3; ++i) {
        drawCard(p, Rect{40 + i * 160, 30, 150, 240});
    }
    const std::vector<Rect> existing = {Rect{195, 25, 160, 250}};
    expectFits(proposed(p, existing), {Rect{40, 30, 150, 240}, Rect{360, 30, 150, 240}});
}

TEST(SuggestHotspots, TheSampleBannerProposesItsThreeCards) {
    std::ifstream in(VELQUIST_SAMPLE_PICTURE, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    const Result<Picture> banner = decodePicture(bytes.str());
    ASSERT_TRUE(banner.ok()) << banner.error();
    expectFits(proposed(*banner),
               {Rect{40, 150, 260, 320}, Rect{345, 150, 260, 320}, Rect{650, 150, 260, 320}});
}

}  // namespace
}  // namespace velquist
