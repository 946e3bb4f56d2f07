// Keys, the wheel, snapping and a picture swapped under the map, one rule per test.
#include <gtest/gtest.h>

#include "editor/hotspot_editor.h"
#include "editor/messages.h"
#include "editor/status_text.h"
#include "pictures/test_pictures.h"
#include "pointer_gestures.h"

namespace velquist {
namespace {

struct Loaded : HotspotEditor {
    explicit Loaded(int width = 750, int height = 400) : HotspotEditor(996, 624) {
        finishLoad("http://img.example/a.png", test::solidPicture(width, height, 0x00336699));
    }
    // Adds a hotspot and drags it to `at`, returning its id.
    int32_t addAt(Point at) {
        addHotspot();
        const int32_t id = map().selection();
        test::pressAt(*this, 100, 100);
        test::moveTo(*this, at.x, at.y);
        test::releaseAt(*this, at.x, at.y);
        return id;
    }
    Rect rectOf(int32_t id) const { return map().findHotspot(id)->rect; }
};

TEST(EditingKeys, NudgesMoveTheSelectedHotspotAndARunIsOneStep) {
    Loaded e;
    const int32_t a = e.addAt({200, 150});
    const int32_t b = e.addAt({400, 300});
    test::choose(e, a);
    e.nudgeSelected(1, 0);
    e.nudgeSelected(0, -10);
    const Said said = e.nudgeSelected(-10, 0);
    EXPECT_EQ(e.rectOf(a), (Rect{191, 140, 100, 100}));
    EXPECT_EQ(e.canvas().objectLeft(a), 191);
    EXPECT_EQ(said, hotspotStatus(e.rectOf(a), {0, 0}, "#"));
    EXPECT_EQ(e.handles().handles[0].position.x, 186);  // the handles follow
    // Another hotspot's nudges are a step of their own.
    e.selectNextHotspot();
    ASSERT_EQ(e.map().selection(), b);
    e.nudgeSelected(0, 1);
    e.undo();
    EXPECT_EQ(e.rectOf(b), (Rect{400, 300, 100, 100}));
    EXPECT_EQ(e.rectOf(a), (Rect{191, 140, 100, 100}));
    e.undo();
    EXPECT_EQ(e.rectOf(a), (Rect{200, 150, 100, 100}));
    // With the background (no hotspot) selected nothing moves.
    test::clickOn(e, e.map().background().id);
    e.nudgeSelected(10, 10);
    EXPECT_EQ(e.rectOf(a), (Rect{200, 150, 100, 100}));
    EXPECT_EQ(e.map().background().position, (Point{0, 0}));
}

TEST(EditingKeys, DuplicateCopiesSizeTipAndLinkOffsetAndSelectsTheCopy) {
    Loaded e;
    const int32_t a = e.addAt({200, 150});
    ASSERT_TRUE(e.applyContent(e.contentFormFor(a), "tip", "https://shop.example/x").stored);
    const Rect before = e.rectOf(a);
    e.duplicateSelected();
    ASSERT_EQ(e.map().hotspots().size(), 2u);
    const Hotspot& copy = e.map().hotspots().back();  // last in table order
    EXPECT_NE(copy.id, a);
    EXPECT_EQ(e.map().selection(), copy.id);
    EXPECT_EQ(copy.rect, (Rect{before.left + 10, before.top + 10, before.width, before.height}));
    EXPECT_EQ(copy.tip, "tip");
    EXPECT_EQ(copy.link, "https://shop.example/x");
    EXPECT_EQ(e.canvas().objectTop(copy.id), before.top + 10);
    EXPECT_TRUE(e.handles().handles[0].visible);
    e.undo();
    EXPECT_EQ(e.map().hotspots().size(), 1u);
    EXPECT_EQ(e.canvas().objectWidth(copy.id), 0);  // gone from the canvas too
}

TEST(EditingKeys, TabStepsThroughTableOrderWrappingBothWays) {
    Loaded e;
    const int32_t a = e.addAt({100, 100});
    const int32_t b = e.addAt({200, 100});
    const int32_t c = e.addAt({300, 100});
    const size_t steps = e.history().undoCount();
    std::vector<int32_t> seen;
    for (int i = 0; i < 4; ++i) {
        e.selectNextHotspot();
        seen.push_back(e.map().selection());
    }
    EXPECT_EQ(seen, (std::vector<int32_t>{a, b, c, a}));
    const Said said = e.selectNextHotspot(true);
    EXPECT_EQ(e.map().selection(), c);
    EXPECT_EQ(said, hotspotStatus(e.rectOf(c), {0, 0}, "#"));
    EXPECT_EQ(e.handles().handles[0].position.x, 295);
    EXPECT_EQ(e.history().undoCount(), steps);  // choosing is no step
    // With nothing selected, Tab starts at the first hotspot and Shift+Tab at the last.
    test::clickOn(e, 0);
    e.selectNextHotspot();
    EXPECT_EQ(e.map().selection(), a);
    EXPECT_TRUE(e.handles().handles[0].visible);
    test::clickOn(e, e.map().background().id);
    e.selectNextHotspot(true);
    EXPECT_EQ(e.map().selection(), c);
}

TEST(EditingWheel, NotchMoves60PxFractionsAddUpAndARunIsOneStep) {
    Loaded e(1500, 3000);
    const int32_t a = e.addAt({200, 150});
    const Said said = e.wheel(0, -120);  // one notch down: the picture goes up
    EXPECT_EQ(e.map().background().position, (Point{0, -60}));
    EXPECT_EQ(e.rectOf(a).top, 90);
    EXPECT_EQ(e.canvas().objectTop(a), 90);
    EXPECT_EQ(said, backgroundStatus(e.map().background().rect(), 1));
    for (int i = 0; i < 7; ++i) {
        e.wheel(-3, 0);  // a touchpad's small steps: 21 units, 10 px, one unit left over
    }
    EXPECT_EQ(e.map().background().position, (Point{-10, -60}));
    e.wheel(-1, 0);
    EXPECT_EQ(e.map().background().position.x, -11);
    e.wheel(5, 0);  // back across zero: 4 units, 2 px
    EXPECT_EQ(e.map().background().position.x, -9);
    e.undo();
    EXPECT_EQ(e.map().background().position, (Point{0, 0}));
    EXPECT_EQ(e.rectOf(a).top, 150);
}

TEST(EditingWheel, StopsAtThePictureEdgesAndNeverPushesItFurtherOut) {
    Loaded e(790, 3000);  // taller than the 624 px canvas, narrower than its 996 px
    const int32_t a = e.addAt({200, 150});
    for (int i = 0; i < 65; ++i) {
        e.wheel(0, -120);
    }
    EXPECT_EQ(e.map().background().position, (Point{0, 624 - 3000}));  // bottom edge at the bottom
    EXPECT_EQ(e.rectOf(a).top, 150 + 624 - 3000);
    e.wheel(-120, 0);  // sideways the picture fits: it stays
    EXPECT_EQ(e.map().background().position.x, 0);
    for (int i = 0; i < 65; ++i) {
        e.wheel(0, 120);
    }
    EXPECT_EQ(e.map().background().position, (Point{0, 0}));

    // A picture that fits the canvas does not move at all.
    Loaded small;
    small.wheel(0, -120);
    EXPECT_EQ(small.map().background().position, (Point{0, 0}));

    // Put out of range by a drag or a button, it may come back but never go further out.
    const Rect dropped{0, 100, 790, 3000};
    EXPECT_EQ(wheelScrolledPosition(dropped, {0, 60}, 996, 624), (Point{0, 100}));
    EXPECT_EQ(wheelScrolledPosition(dropped, {0, -60}, 996, 624), (Point{0, 40}));
    EXPECT_EQ(wheelScrolledPosition(dropped, {0, -500}, 996, 624), (Point{0, -400}));
    const Rect lifted{-3100, -2900, 4000, 3000};  // right and bottom edges inside the canvas
    EXPECT_EQ(wheelScrolledPosition(lifted, {-60, -60}, 996, 624), (Point{-3100, -2900}));
    EXPECT_EQ(wheelScrolledPosition(lifted, {60, 60}, 996, 624), (Point{-3040, -2840}));
}

TEST(PictureSwap, KeepsHotspotsOnThePictureAndUndoesAsOneStep) {
    Loaded e;
    const int32_t a = e.addAt({200, 150});
    ASSERT_TRUE(e.applyContent(e.contentFormFor(a), "tip", "https://shop.example/x").stored);
    e.wheel(0, -40);  // background at (0, -20)
    const MapState before = e.map().state();
    e.finishLoad("/home/d/banner-v2.png", test::solidPicture(790, 1500, 0x00FF0000), true);
    const Background& b = e.map().background();
    EXPECT_EQ(b.width(), 790);
    EXPECT_EQ(b.height(), 1500);
    EXPECT_EQ(b.address, "/home/d/banner-v2.png");
    EXPECT_EQ(b.position, before.background.position);
    EXPECT_EQ(e.map().hotspots(), before.hotspots);
    EXPECT_EQ(e.canvas().objectHeight(b.id), 1500);
    // A failed load swaps nothing.
    e.finishLoad("/nope.png", Status::failure("gone"), true);
    EXPECT_EQ(e.map().background().height(), 1500);
    e.undo();
    EXPECT_EQ(e.map().background().picture, before.background.picture);
    EXPECT_EQ(e.map().background().address, "http://img.example/a.png");
    EXPECT_EQ(e.canvas().objectHeight(b.id), 400);
    EXPECT_EQ(e.map().hotspots(), before.hotspots);
    // Without the box a load replaces the map; the first picture always does.
    e.finishLoad("http://img.example/b.png", test::solidPicture(10, 10, 0), false);
    EXPECT_TRUE(e.map().hotspots().empty());
    HotspotEditor fresh(996, 624);
    fresh.finishLoad("/a.png", test::solidPicture(10, 10, 0), true);
    EXPECT_TRUE(fresh.map().hasBackground());
}

// A dragged or resized edge within reach of a strong edge of the picture settles on it, once
// the edge map is there; Alt held or S switched off leaves it where the pointer put it.
TEST(Snapping, DraggedAndResizedEdgesSnapUnlessAltOrSwitchedOff) {
    HotspotEditor e(800, 600);
    Picture box = test::solidPicture(400, 300, 0x00FFFFFF);
    for (int y = 50; y < 200; ++y) {
        for (int x = 100; x < 300; ++x) {
            box.pixels[size_t(y) * 400 + size_t(x)] = 0x003070C0;
        }
    }
    e.finishLoad("box.png", std::move(box));
    while (std::optional<AnalysisRequest> request = e.takeAnalysisRequest()) {
        e.finishAnalysis(analysePicture(*request));
    }
    e.addHotspot();  // 100 x 100 at (100, 100)
    const int32_t id = e.map().selection();
    Said said;
    const auto dragBy = [&](int dx, int dy, bool alt) {
        const Rect r = e.map().findHotspot(id)->rect;
        test::pressAt(e, r.left + 10, r.top + 10);
        PointerInput to = test::pointer(r.left + 10 + dx, r.top + 10 + dy);
        to.modifiers.alt = alt;
        e.move(to);
        said = e.release(to);
        return e.map().findHotspot(id)->rect;
    };
    // 3 px right of the box's left side and 30 px down, far from any row edge: only x snaps.
    EXPECT_EQ(dragBy(3, 30, false), (Rect{100, 130, 100, 100}));
    EXPECT_EQ(said, hotspotStatus({100, 130, 100, 100}, {0, 0}, "#"));
    EXPECT_EQ(dragBy(3, 0, true), (Rect{103, 130, 100, 100}));
    EXPECT_EQ(e.toggleSnapping(), editor_messages::kSnapOff);
    EXPECT_EQ(dragBy(-1, 0, false), (Rect{102, 130, 100, 100}));
    e.toggleSnapping();

    // The right handle dragged to 4 px short of the box's right side: the side and its handle
    // go to the box's side.
    e.press(test::pointer(0, 0, PointerButton::Left, HandleEdge::Right));
    e.move(test::pointer(296, 180, PointerButton::Left, HandleEdge::Right));
    EXPECT_EQ(e.map().findHotspot(id)->rect, (Rect{102, 130, 198, 100}));
    EXPECT_EQ(e.handles()[HandleEdge::Right].position.x, 300);
    e.release(test::pointer(296, 180, PointerButton::Left, HandleEdge::Right));
}

}  // namespace
}  // namespace velquist
