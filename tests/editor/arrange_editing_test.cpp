// The selection arranged and a hotspot repeated as a grid on the editor: one undo step each,
// drawn by the canvas, the map's limits taken in picture coordinates.
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "editor/hotspot_editor.h"
#include "pictures/test_pictures.h"
#include "pointer_gestures.h"

namespace velquist {
namespace {

constexpr Point kPicture{30, 20};  // where the picture sits on the canvas

// An editor whose map holds hotspots at `rects` (picture coordinates) on a 750 x 400 picture.
struct Mapped : HotspotEditor {
    explicit Mapped(const std::vector<Rect>& rects) : HotspotEditor(996, 624) {
        MapDocument document{"http://img.example/a.png", 750, 400, kPicture, {}, {}};
        for (const Rect& r : rects) {
            document.hotspots.push_back({r, "提示", "https://shop.example/"});
        }
        replaceMap("测试", document,
                   std::make_shared<const Picture>(test::solidPicture(750, 400, 0x00336699)));
    }
    int32_t id(size_t index) const { return map().hotspots().at(index).id; }
    Rect drawn(size_t index) const {
        const int32_t i = id(index);
        return {canvas().objectLeft(i), canvas().objectTop(i), canvas().objectWidth(i),
                canvas().objectHeight(i)};
    }
};

TEST(ArrangingSelection, OneUndoStepLinesUpEveryHotspotAndRedrawsResizedTiles) {
    Mapped e({{0, 0, 100, 50}, {200, 100, 60, 80}, {400, 300, 30, 30}});
    const std::vector<Rect> before = {e.drawn(0), e.drawn(1), e.drawn(2)};
    e.selectHotspots({e.id(0), e.id(1), e.id(2)});
    const size_t steps = e.history().undoCount();

    EXPECT_EQ(e.arrangeSelected(Arrangement::Bottom, e.id(1)), "已底端对齐 3 个热区");
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(e.drawn(i).bottom(), kPicture.y + 180) << i;
        EXPECT_EQ(e.drawn(i).left, before[i].left) << i;
    }
    EXPECT_EQ(e.arrangeSelected(Arrangement::SameSize, e.id(1)), "已将 3 个热区设为大小相同");
    EXPECT_EQ(e.drawn(2), (Rect{kPicture.x + 400, kPicture.y + 150, 60, 80}));
    EXPECT_EQ(e.drawn(0).width, 60);  // the tile itself, not only the map, has the new size
    EXPECT_EQ(e.history().undoCount(), steps + 2);

    e.undo();
    e.undo();
    EXPECT_EQ((std::vector<Rect>{e.drawn(0), e.drawn(1), e.drawn(2)}), before);
    EXPECT_EQ(e.map().selectedIds().size(), size_t{3});
}

TEST(ArrangingSelection, RightClickInsideTheSelectionKeepsItWithThatHotspotCurrent) {
    Mapped e({{0, 0, 100, 50}, {200, 100, 60, 80}, {400, 300, 30, 30}});
    e.selectHotspots({e.id(0), e.id(2)});
    const Rect third = e.drawn(2);
    const PointerResponse menu =
        e.press(test::pointer(third.left + 5, third.top + 5, PointerButton::Right));
    EXPECT_TRUE(menu.openHotspotMenu);
    EXPECT_EQ(e.map().selectedIds(), (std::vector<int32_t>{e.id(0), e.id(2)}));
    EXPECT_EQ(e.map().selection(), e.id(2));
    // Outside the selection a right-click chooses that hotspot alone.
    const Rect second = e.drawn(1);
    e.press(test::pointer(second.left + 5, second.top + 5, PointerButton::Right));
    EXPECT_EQ(e.map().selectedIds(), (std::vector<int32_t>{e.id(1)}));
}

TEST(RepeatingAsGrid, CopiesAreOneStepOfLikeHotspotsThatBecomeTheSelection) {
    Mapped e({{0, 0, 100, 50}});
    const Said said =
        e.repeatAsGrid(e.id(0), {.rows = 2, .columns = 2, .horizontalGap = 10, .verticalGap = -10});
    EXPECT_EQ(said, "已重复为网格：2 行 2 列，添加了 3 个热区");
    ASSERT_EQ(e.map().hotspots().size(), size_t{4});
    const Hotspot& original = e.map().hotspots()[0];
    const std::vector<Rect> expected = {{140, 20, 100, 50}, {30, 60, 100, 50}, {140, 60, 100, 50}};
    for (size_t i = 1; i < 4; ++i) {
        const Hotspot& copy = e.map().hotspots()[i];
        EXPECT_EQ(e.drawn(i), expected[i - 1]);
        EXPECT_EQ(copy.tip, original.tip);
        EXPECT_EQ(copy.link, original.link);
        EXPECT_EQ(copy.look, original.look);
    }
    EXPECT_EQ(e.map().selectedIds(), (std::vector<int32_t>{e.id(1), e.id(2), e.id(3)}));

    e.undo();
    EXPECT_EQ(e.map().hotspots().size(), size_t{1});
    EXPECT_EQ(e.canvas().objectCount(), 2);  // the picture and the original
}

TEST(RepeatingAsGrid, LimitsHoldForPictureCoordinatesAndARefusalAddsNothing) {
    // 1000 px a column from picture x 0: the 1001st starts at the limit. Counted on the canvas,
    // 30 px further right, only 1000 would fit.
    Mapped e({{0, 0, 100, 50}});
    const GridShape fits{.columns = 1001, .horizontalGap = 900};
    EXPECT_TRUE(e.gridCopies(e.id(0), fits).ok());
    const GridShape wide{.columns = 1002, .horizontalGap = 900};
    EXPECT_EQ(e.repeatAsGrid(e.id(0), wide), "重复失败：列数超出范围（1 到 1001）");
    EXPECT_EQ(e.map().hotspots().size(), size_t{1});
    EXPECT_EQ(e.canvas().objectCount(), 2);
}

}  // namespace
}  // namespace velquist
