// The canvas: ids, geometry, hit test, held id, drawing and what each change redraws.
#include "editor/hotspot_canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

#include "pictures/allocation_watch.h"
#include "pictures/test_pictures.h"
#include "support/canvas_objects.h"

namespace velquist {
namespace {

using test::solidPicture;

constexpr uint32_t kMagenta = 0x00FF00FF;
constexpr uint32_t kWhiteFrame = 0xFFFFFFFF;

uint32_t pixelAt(const HotspotCanvas& canvas, int x, int y) {
    return canvas.frame()[y * canvas.width() + x];
}

// What a full redraw gives, to compare against frames built from dirty rectangles only.
std::vector<uint32_t> fullRedraw(HotspotCanvas& canvas) {
    canvas.clearBackdrop();
    canvas.render();
    return {canvas.frame(), canvas.frame() + canvas.width() * canvas.height()};
}

// The model hands out the ids; the canvas stacks by id, so an object put back after a delete
// returns to its place, under the ones above it.
TEST(HotspotCanvas, ObjectsStackByIdWhateverTheOrderTheyArePlacedIn) {
    HotspotCanvas canvas(50, 50);
    EXPECT_TRUE(canvas.placeObject(3, 0, 0));
    EXPECT_TRUE(canvas.placeObject(1, 0, 0));
    EXPECT_FALSE(canvas.placeObject(3, 10, 10));  // taken
    EXPECT_FALSE(canvas.placeObject(0, 0, 0));
    EXPECT_FALSE(canvas.placeObject(-2, 0, 0));
    canvas.setPicture(1, solidPicture(10, 10, kMagenta));
    canvas.setPicture(3, solidPicture(10, 10, kMagenta));
    EXPECT_EQ(canvas.hitTest(5, 5), 3);
    canvas.deleteObject(3);
    canvas.deleteObject(99);
    canvas.deleteObject(0);
    EXPECT_EQ(canvas.hitTest(5, 5), 1);
    ASSERT_TRUE(canvas.placeObject(2, 0, 0));
    canvas.setPicture(2, solidPicture(10, 10, kMagenta));
    EXPECT_EQ(canvas.hitTest(5, 5), 2);
    EXPECT_EQ(canvas.objectCount(), 2);
    canvas.deleteAllObjects();
    EXPECT_EQ(canvas.objectCount(), 0);
    EXPECT_FALSE(canvas.hasObject(1));
}

TEST(HotspotCanvas, UnknownIdsReadAsZeroAndChangeNothing) {
    HotspotCanvas canvas(50, 50);
    canvas.render();
    const int id = test::addObject(canvas, 5.9, -7.9);
    canvas.setPicture(id, solidPicture(10, 20, kMagenta));
    canvas.render();
    EXPECT_EQ(canvas.objectLeft(id), 5);
    EXPECT_EQ(canvas.objectTop(id), -7);
    EXPECT_EQ(canvas.objectWidth(id), 10);
    EXPECT_EQ(canvas.objectHeight(id), 20);
    for (int unknown : {0, -1, id + 1}) {
        EXPECT_EQ(canvas.objectLeft(unknown), 0);
        EXPECT_EQ(canvas.objectWidth(unknown), 0);
        canvas.moveObject(unknown, 1, 1);
        canvas.setTransparency(unknown, 50);
        EXPECT_FALSE(test::setPictureBytes(
            canvas, unknown, test::makeBmp(2, 2, 24, false, [](int, int) { return 0u; })));
    }
    EXPECT_TRUE(canvas.render().empty());
}

TEST(HotspotCanvas, PositionsMayLieOffTheCanvasAndExtremesSaturate) {
    HotspotCanvas canvas(50, 50);
    const int id = test::addObject(canvas, -30, 1e12);
    canvas.setPicture(id, solidPicture(10, 10, kMagenta));
    EXPECT_EQ(canvas.objectLeft(id), -30);
    EXPECT_EQ(canvas.objectTop(id), 2147483647);
    canvas.moveObject(id, -1e300, std::nan(""));
    EXPECT_EQ(canvas.objectTop(id), 0);
    canvas.render();  // must neither crash nor draw: the object lies far outside
    EXPECT_EQ(pixelAt(canvas, 0, 0), kWhiteFrame);
}

TEST(HotspotCanvas, HitTestTakesTheTopmostNonTransparentPixel) {
    HotspotCanvas canvas(100, 100);
    const int below = test::addObject(canvas, 0, 0);
    canvas.setPicture(below, solidPicture(60, 60, kMagenta));
    const int above = test::addObject(canvas, 40, 40);
    // Left half fully transparent, right half opaque.
    ASSERT_TRUE(test::setPictureBytes(canvas, above,
                                      test::makePng(40, 40, test::PngKind::rgba, [](int x, int) {
                                          return x < 20 ? 0xFF000000u : 0u;
                                      })));
    canvas.setTransparency(above, 100);  // object transparency does not matter for hits
    EXPECT_EQ(canvas.hitTest(65, 50), above);
    EXPECT_EQ(canvas.hitTest(45, 50), below);  // transparent pixel: the object below
    EXPECT_EQ(canvas.hitTest(45, 70), 0);      // transparent pixel over nothing
    EXPECT_EQ(canvas.hitTest(79, 79), above);
    EXPECT_EQ(canvas.hitTest(80, 79), 0);  // right edge is exclusive
    EXPECT_EQ(canvas.hitTest(10, 10), below);
}

TEST(HotspotCanvas, ObjectsWithoutPictureAreNeitherDrawnNorHit) {
    HotspotCanvas canvas(40, 40);
    canvas.render();
    const int id = test::addObject(canvas, 0, 0);
    EXPECT_FALSE(test::setPictureBytes(canvas, id, "not a picture"));
    EXPECT_FALSE(test::setPictureBytes(canvas, id, ""));
    EXPECT_EQ(canvas.objectWidth(id), 0);
    EXPECT_EQ(canvas.objectHeight(id), 0);
    EXPECT_EQ(canvas.hitTest(0, 0), 0);
    canvas.moveObject(id, 5, 5);
    EXPECT_TRUE(canvas.render().empty());
    EXPECT_EQ(pixelAt(canvas, 0, 0), kWhiteFrame);

    // A picture that disagrees with its own size is refused the same way.
    Picture broken = solidPicture(4, 4, kMagenta);
    broken.width = 5;
    canvas.setPicture(id, broken);
    EXPECT_EQ(canvas.objectWidth(id), 0);
}

TEST(HotspotCanvas, DrawsMagentaAtHalfTransparencyOverTheBackground) {
    HotspotCanvas canvas(20, 10);
    const int id = test::addObject(canvas, -30.5, 2);
    canvas.setPicture(
        id, test::makePicture(40, 5, [](int x, int) { return x == 30 ? 0x000000FFu : kMagenta; }));
    canvas.setTransparency(id, 50);
    canvas.render();
    EXPECT_EQ(canvas.objectLeft(id), -30);
    EXPECT_EQ(pixelAt(canvas, 0, 2), 0xFF8080FFu);  // column 30 of the picture, blue over white
    EXPECT_EQ(pixelAt(canvas, 1, 2), 0xFFFF80FFu);
    EXPECT_EQ(pixelAt(canvas, 9, 6), 0xFFFF80FFu);
    EXPECT_EQ(pixelAt(canvas, 10, 6), kWhiteFrame);  // the picture ends at -30 + 40
    EXPECT_EQ(pixelAt(canvas, 1, 7), kWhiteFrame);

    canvas.setBackgroundColor(rgb(0x10, 0x20, 0x30));
    EXPECT_EQ(canvas.backgroundColor(), rgb(0x10, 0x20, 0x30));
    canvas.render();
    EXPECT_EQ(pixelAt(canvas, 15, 0), 0xFF102030u);
}

// An empty editor shows only the work-area colour: it keeps no window-sized frame for that, and
// the frame it makes once something is drawn has that colour around it.
TEST(HotspotCanvas, KeepsNoFrameWhileNothingIsDrawn) {
    std::optional<HotspotCanvas> canvas;
    size_t largest = 0;
    int id = 0;
    {
        test::AllocationWatch watch;
        canvas.emplace(996, 624);
        canvas->render();
        canvas->setBackgroundColor(rgb(0x10, 0x20, 0x30));
        canvas->resize(1200, 700);
        id = test::addObject(*canvas, 1300, 10);  // off the canvas
        canvas->setPicture(id, solidPicture(10, 10, kMagenta));
        canvas->render();
        largest = watch.largest();
    }
    EXPECT_LT(largest, size_t{100'000});
    canvas->moveObject(id, 5, 6);
    canvas->render();
    EXPECT_EQ(pixelAt(*canvas, 5, 6), 0xFFFF00FFu);
    EXPECT_EQ(pixelAt(*canvas, 15, 6), 0xFF102030u);
    EXPECT_EQ(pixelAt(*canvas, 1199, 699), 0xFF102030u);
}

TEST(HotspotCanvas, ChangesReportTheRectanglesTheyDirty) {
    HotspotCanvas canvas(200, 100);
    EXPECT_EQ(canvas.render(), (std::vector<Rect>{{0, 0, 200, 100}}));
    EXPECT_TRUE(canvas.render().empty());
    const int id = test::addObject(canvas, 10, 20);
    EXPECT_TRUE(canvas.render().empty());  // nothing to see yet
    canvas.setPicture(id, solidPicture(30, 40, kMagenta));
    EXPECT_EQ(canvas.render(), (std::vector<Rect>{{10, 20, 30, 40}}));
    canvas.moveObject(id, 13, 20);
    EXPECT_EQ(canvas.render(), (std::vector<Rect>{{10, 20, 33, 40}}));
    canvas.moveObject(id, 150, -30);  // far: two pieces, the new one clipped
    EXPECT_EQ(canvas.render(), (std::vector<Rect>{{13, 20, 30, 40}, {150, 0, 30, 10}}));
    canvas.setTransparency(id, 20);
    EXPECT_EQ(canvas.render(), (std::vector<Rect>{{150, 0, 30, 10}}));
    canvas.deleteObject(id);
    EXPECT_EQ(canvas.render(), (std::vector<Rect>{{150, 0, 30, 10}}));
    canvas.resize(300, 50);
    EXPECT_EQ(canvas.render(), (std::vector<Rect>{{0, 0, 300, 50}}));
}

TEST(HotspotCanvas, RedrawingDirtyRectanglesGivesTheSameFrameAsAFullRedraw) {
    HotspotCanvas canvas(120, 90);
    const int background = test::addObject(canvas, -2, -3);
    canvas.setPicture(
        background, test::makePicture(130, 100, [](int x, int y) {
            return static_cast<uint32_t>((x * 2) << 16 | (y * 2) << 8 | ((x + y) & 0xFF));
        }));
    std::vector<int> tiles;
    for (int i = 0; i < 6; ++i) {
        tiles.push_back(test::addObject(canvas, i * 15, i * 10));
        canvas.setPicture(tiles.back(),
                          solidPicture(30, 25, 0x00FF00FF + static_cast<uint32_t>(i)));
        canvas.setTransparency(tiles.back(), 10 * i + 5);
    }
    const int soft = test::addObject(canvas, 50, 40);
    canvas.setPicture(soft, test::makePicture(40, 30, [](int x, int y) {
                          return static_cast<uint32_t>((x * 6 + y) << 24) | 0x3366AA;
                      }));
    canvas.render();
    canvas.moveObject(tiles[2], 33, 24);
    canvas.moveObject(background, -5, -1);
    canvas.moveObject(soft, 70, 70);
    canvas.setTransparency(tiles[4], 0);
    canvas.deleteObject(tiles[1]);
    canvas.setTransparency(tiles[0], 100);
    canvas.render();
    const std::vector<uint32_t> incremental(canvas.frame(), canvas.frame() + 120 * 90);
    EXPECT_EQ(incremental, fullRedraw(canvas));
    EXPECT_NE(pixelAt(canvas, 119, 0), kWhiteFrame);  // the background object covers the corner
}

}  // namespace
}  // namespace velquist
