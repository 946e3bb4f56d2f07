// Several hotspots at once: drawn and selected with Shift and Ctrl drags, dragged together.
#include <gtest/gtest.h>

#include "editor/hotspot_editor.h"
#include "editor/messages.h"
#include "pictures/test_pictures.h"
#include "pointer_gestures.h"

namespace velquist {
namespace {

PointerInput with(PointerInput input, bool shift, bool control) {
    input.modifiers.shift = shift;
    input.modifiers.control = control;
    return input;
}

// A left drag from `from` to `to` in two movements, Shift or Ctrl held throughout.
void dragWith(HotspotEditor& e, Point from, Point to, bool shift, bool control) {
    e.press(with(test::pointer(from.x, from.y), shift, control));
    e.move(with(test::pointer((from.x + to.x) / 2, (from.y + to.y) / 2), shift, control));
    e.move(with(test::pointer(to.x, to.y), shift, control));
    e.release(with(test::pointer(to.x, to.y), shift, control));
}

struct Boxed : HotspotEditor {
    // A white picture with a blue box (100, 50)..(300, 200), its edges found for snapping, and
    // hotspots A at (100, 100) and B at (400, 300), both selected.
    Boxed() : HotspotEditor(800, 600) {
        Picture box = test::solidPicture(600, 500, 0x00FFFFFF);
        for (int y = 50; y < 200; ++y) {
            for (int x = 100; x < 300; ++x) {
                box.pixels[size_t(y) * 600 + size_t(x)] = 0x003070C0;
            }
        }
        finishLoad("box.png", std::move(box));
        while (std::optional<AnalysisRequest> request = takeAnalysisRequest()) {
            finishAnalysis(analysePicture(*request));
        }
        a = add({100, 100});
        b = add({400, 300});
        selectHotspots({a, b});
    }
    int32_t add(Point at) {
        addHotspot();
        const int32_t id = map().selection();
        test::pressAt(*this, 110, 110);
        test::moveTo(*this, at.x + 10, at.y + 10);
        test::releaseAt(*this, at.x + 10, at.y + 10);
        return id;
    }
    Rect rectOf(int32_t id) const { return map().findHotspot(id)->rect; }
    std::vector<int32_t> both() const { return {a, b}; }
    int32_t a = 0;
    int32_t b = 0;
};

// The grabbed hotspot snaps as it would alone and the other keeps its distance; the drag is one
// undo step, and the handles stay hidden while several are selected.
TEST(SeveralHotspots, ADragMovesThemAllByTheGrabbedOnesSnappedOffsetAsOneStep) {
    Boxed e;
    const size_t steps = e.history().undoCount();
    test::pressAt(e, 150, 150);
    test::moveTo(e, 152, 165);
    test::moveTo(e, 153, 180);  // 3 px right of the box's left side: x snaps back
    test::releaseAt(e, 153, 180);
    EXPECT_EQ(e.rectOf(e.a), (Rect{100, 130, 100, 100}));
    EXPECT_EQ(e.rectOf(e.b), (Rect{400, 330, 100, 100}));
    EXPECT_EQ(e.canvas().objectTop(e.b), 330);
    EXPECT_EQ(e.map().selectedIds(), e.both());
    EXPECT_FALSE(e.handles()[HandleEdge::Left].visible);
    EXPECT_EQ(e.selectionFrames(), (std::vector<Rect>{e.rectOf(e.a), e.rectOf(e.b)}));

    // Arrow keys move them all too; a run of them is one more step.
    e.nudgeSelected(10, 0);
    e.nudgeSelected(0, -1);
    EXPECT_EQ(e.rectOf(e.b), (Rect{410, 329, 100, 100}));
    e.undo();
    EXPECT_EQ(e.rectOf(e.b), (Rect{400, 330, 100, 100}));
    e.undo();
    EXPECT_EQ(e.history().undoCount(), steps);
    EXPECT_EQ(e.rectOf(e.a), (Rect{100, 100, 100, 100}));
    EXPECT_EQ(e.rectOf(e.b), (Rect{400, 300, 100, 100}));
}

// A click on one of them selects it alone (a drag keeps them); a right click keeps them for the
// menu, one outside them selects that one alone.
TEST(SeveralHotspots, AClickWithoutMovingSelectsOneAloneWhileARightClickKeepsThem) {
    Boxed e;
    const int32_t c = e.add({600, 100});
    e.selectHotspots(e.both());
    EXPECT_TRUE(e.press(test::pointer(450, 350, PointerButton::Right)).openHotspotMenu);
    EXPECT_EQ(e.map().selectedIds(), e.both());
    e.press(test::pointer(650, 150, PointerButton::Right));
    EXPECT_EQ(e.map().selectedIds(), std::vector<int32_t>{c});

    e.selectHotspots(e.both());
    test::clickOn(e, e.b);
    EXPECT_EQ(e.map().selectedIds(), std::vector<int32_t>{e.b});
    EXPECT_TRUE(e.handles()[HandleEdge::Left].visible);
    EXPECT_TRUE(e.selectionFrames().empty());
}

// Shift draws a hotspot over the dragged rectangle unless the drag is shorter than 4 px; Ctrl
// toggles the hotspot clicked, or selects what its rectangle touches instead of the selection.
TEST(SeveralHotspots, ShiftDrawsAndCtrlTogglesOrSelectsWhatItsRectangleTouches) {
    Boxed e;
    const size_t count = e.map().hotspots().size();
    dragWith(e, {20, 400}, {23, 397}, true, false);
    EXPECT_EQ(e.map().hotspots().size(), count);
    e.press(with(test::pointer(20, 400), true, false));
    e.move(with(test::pointer(150, 350), true, false));
    EXPECT_EQ(e.dragFrame(), (DragFrame{{20, 350, 130, 50}, true}));
    e.release(with(test::pointer(220, 460), true, false));
    EXPECT_FALSE(e.dragFrame());
    const Hotspot& drawn = e.map().hotspots().back();
    EXPECT_EQ(drawn.rect, (Rect{20, 400, 200, 60}));
    EXPECT_EQ(drawn.link, "#");
    EXPECT_EQ(e.map().selectedIds(), std::vector<int32_t>{drawn.id});
    EXPECT_EQ(e.undo(), std::string(editor_messages::kUndone) + editor_messages::kStepAdd);
    EXPECT_EQ(e.map().hotspots().size(), count);

    // Ctrl+click adds, and takes out again; the click on the picture selects no hotspot.
    test::clickOn(e, e.a);
    dragWith(e, {450, 350}, {451, 350}, false, true);
    EXPECT_EQ(e.map().selectedIds(), e.both());
    dragWith(e, {150, 150}, {150, 150}, false, true);
    EXPECT_EQ(e.map().selectedIds(), std::vector<int32_t>{e.b});
    EXPECT_EQ(e.map().selection(), e.b);
    // Started on a hotspot, the rectangle moves nothing; touching A's corner only, it lets B go.
    dragWith(e, {450, 350}, {199, 199}, false, true);
    EXPECT_EQ(e.map().selectedIds(), e.both());
    dragWith(e, {20, 20}, {101, 101}, false, true);
    EXPECT_EQ(e.map().selectedIds(), std::vector<int32_t>{e.a});
    EXPECT_EQ(e.rectOf(e.a), (Rect{100, 100, 100, 100}));  // nothing moved
}

TEST(SeveralHotspots, DeleteAndDuplicateActOnAllAsOneStepEach) {
    Boxed e;
    e.duplicateSelected();
    const std::vector<Hotspot>& all = e.map().hotspots();
    ASSERT_EQ(all.size(), size_t{4});
    EXPECT_EQ(all[2].rect, (Rect{110, 110, 100, 100}));
    EXPECT_EQ(all[3].rect, (Rect{410, 310, 100, 100}));
    EXPECT_EQ(e.map().selectedIds(), (std::vector<int32_t>{all[2].id, all[3].id}));
    EXPECT_EQ(e.deleteSelectedHotspot(), editor_messages::kHotspotDeleted);
    EXPECT_EQ(e.map().hotspots().size(), size_t{2});
    e.selectAll();
    e.deleteSelectedHotspot();
    EXPECT_TRUE(e.map().hotspots().empty());
    e.undo();
    EXPECT_EQ(e.map().hotspots().size(), size_t{2});
    e.undo();
    EXPECT_EQ(e.map().hotspots().size(), size_t{4});
}

}  // namespace
}  // namespace velquist
