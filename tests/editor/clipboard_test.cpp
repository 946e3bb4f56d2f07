// Pasting hotspots from image-map code, and moving hotspots in the map order.
#include <gtest/gtest.h>

#include "editor/hotspot_editor.h"
#include "editor/paste_placement.h"
#include "pictures/test_pictures.h"

namespace velquist {
namespace {

constexpr const char* kTwoAreas =
    "<map name=\"MIV1\">\r\n"
    "  <area shape=\"rect\" coords=\"10,20,110,70\" href=\"https://a\" alt=\"A\">\r\n"
    "  <area shape=\"rect\" coords=\"200,20,260,80\" href=\"https://b\" alt=\"B\">\r\n"
    "</map>";

// A loaded 750 x 400 picture, moved to (40, 30) so that picture and canvas coordinates differ.
struct Loaded : HotspotEditor {
    Loaded() : HotspotEditor(996, 624) {
        finishLoad("http://img.example/a.png", test::solidPicture(750, 400, 0x00336699));
        alignBackground(Alignment::Centre);
    }
    Point origin() const { return map().background().position; }
    std::vector<Rect> pictureRects() const {
        std::vector<Rect> rects;
        for (const Hotspot& h : map().hotspots()) {
            rects.push_back(h.rect.translated(-origin().x, -origin().y));
        }
        return rects;
    }
};

TEST(Paste, LandsAtThePictureCoordinatesThenStepsAwayFromIdenticalOnes) {
    Loaded e;
    HotspotStyle style;
    style.fillColor = 0x123456;
    e.setStyle(style);
    EXPECT_EQ(e.pasteCode(kTwoAreas), "已粘贴 2 个热区");
    EXPECT_EQ(e.pictureRects(), (std::vector<Rect>{{10, 20, 100, 50}, {200, 20, 60, 60}}));
    EXPECT_EQ(e.map().hotspots()[1].tip, "B");
    EXPECT_EQ(e.map().hotspots()[1].look.fill, 0x123456u);
    // Twice more: each paste moves on 10 px right and down past the copies already there.
    e.pasteCode(kTwoAreas);
    e.pasteCode(kTwoAreas);
    const std::vector<Rect> rects = e.pictureRects();
    ASSERT_EQ(rects.size(), 6u);
    EXPECT_EQ(rects[2], (Rect{20, 30, 100, 50}));
    EXPECT_EQ(rects[5], (Rect{220, 40, 60, 60}));
    // The last paste is the selection, and one undo step.
    EXPECT_EQ(e.map().selectedIds(),
              (std::vector<int32_t>{e.map().hotspots()[4].id, e.map().hotspots()[5].id}));
    e.undo();
    EXPECT_EQ(e.map().hotspots().size(), 4u);
    // <area> lines copied without their <map> paste too; text without areas changes nothing.
    e.pasteCode("  <area coords=\"0,0,5,5\" href=\"#\">\n");
    EXPECT_EQ(e.map().hotspots().size(), 5u);
    EXPECT_EQ(e.pasteCode("hello"), "粘贴失败：剪贴板中没有热区代码（<area>）");
    EXPECT_EQ(e.map().hotspots().size(), 5u);
}

TEST(Paste, OnlyOntoAPicture) {
    HotspotEditor e(996, 624);
    EXPECT_EQ(e.pasteCode(kTwoAreas),
              "粘贴失败：没有背景图片，请先点击左上角 背景设置 添加背景图片");
    EXPECT_TRUE(e.map().hotspots().empty());
}

TEST(Paste, OffsetMovesTheWholeGroupPastAnyIdenticalRectangle) {
    const std::vector<Rect> pasted{{0, 0, 10, 10}, {50, 0, 10, 10}};
    EXPECT_EQ(pasteOffset({{0, 0, 10, 11}}, pasted), (Point{0, 0}));
    // Only the second one is blocked at 0 and at 10: both move on together.
    EXPECT_EQ(pasteOffset({{50, 0, 10, 10}, {60, 10, 10, 10}}, pasted), (Point{20, 20}));
}

// Swapping contents keeps the ids, which are the stacking: the canvas draws the moved hotspot
// where its new place puts it, and the swap undoes itself.
TEST(MapOrder, SwapTradesContentsAndMovingKeepsTheSelection) {
    Loaded e;
    e.pasteCode(kTwoAreas);
    e.pasteCode("<area coords=\"50,40,90,90\" href=\"https://c\" alt=\"C\">");
    const std::vector<Hotspot> before = e.map().hotspots();
    // C (last, on top) moves up twice: it becomes the first and lies under A.
    e.moveSelectedInOrder(true);
    e.moveSelectedInOrder(true);
    const std::vector<Hotspot>& after = e.map().hotspots();
    EXPECT_EQ(after[0].id, before[0].id);
    EXPECT_EQ(after[0].tip, "C");
    EXPECT_EQ(after[1].tip, "A");
    EXPECT_EQ(after[2].tip, "B");
    EXPECT_EQ(e.map().selectedIds(), (std::vector<int32_t>{after[0].id}));
    const Point at{e.origin().x + 60, e.origin().y + 50};  // inside both A and C
    EXPECT_EQ(e.canvas().hitTest(at.x, at.y), after[1].id);
    e.undo();
    EXPECT_EQ(e.map().hotspots()[0].tip, "A");
    e.undo();
    EXPECT_EQ(e.map().hotspots(), before);
    EXPECT_EQ(e.canvas().objectLeft(before[2].id), before[2].rect.left);
    EXPECT_EQ(e.map().selectedIds(), (std::vector<int32_t>{before[2].id}));
}

}  // namespace
}  // namespace velquist
