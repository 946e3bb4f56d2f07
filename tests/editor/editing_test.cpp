// Selecting, dragging, resizing, handles, alignment and the status line.
#include <gtest/gtest.h>

#include "editor/background.h"
#include "editor/editing.h"
#include "editor/handle_geometry.h"
#include "editor/hotspot_tile.h"
#include "editor/picture_loader.h"
#include "editor/status_text.h"
#include "support/temp_dir.h"
#include "test_pictures.h"

namespace velquist {
namespace {

// An editor on a 996 x 624 canvas holding a loaded background of the given size.
HotspotEditor loaded(int width = 750, int height = 400) {
    HotspotEditor editor(996, 624);
    installBackground(editor, test::solidPicture(width, height, 0x00336699),
                      "http://img.example/a.png");
    return editor;
}

// A left press at (x, y) as the canvas delivers it.
void press(HotspotEditor& editor, int x, int y) {
    leftButtonDown(editor, x, y);
    selectObject(editor, editor.canvas().pressLeft(x, y));
}

Rect rectOf(const HotspotEditor& e, int id) {
    const HotspotCanvas& c = e.canvas();
    return {c.objectLeft(id), c.objectTop(id), c.objectWidth(id), c.objectHeight(id)};
}

TEST(HandleGeometry, SitsAroundTheHotspotAndHidesOffCanvas) {
    const HandleSet h = placeHandlePositions({100, 100, 100, 100}, 996, 624);
    EXPECT_EQ(h[HandleEdge::Left].position, (Point{95, 150}));
    EXPECT_EQ(h[HandleEdge::Bottom].position, (Point{150, 202}));
    EXPECT_EQ(h[HandleEdge::Right].position, (Point{202, 152}));
    EXPECT_EQ(h[HandleEdge::Top].position, (Point{150, 98}));
    // Left handle exactly at 0 shows, at -1 hides; right handle at the width shows, one more hides.
    EXPECT_TRUE(placeHandlePositions({5, 100, 10, 10}, 996, 624)[HandleEdge::Left].visible);
    EXPECT_FALSE(placeHandlePositions({4, 100, 10, 10}, 996, 624)[HandleEdge::Left].visible);
    EXPECT_TRUE(placeHandlePositions({900, 100, 94, 10}, 996, 624)[HandleEdge::Right].visible);
    EXPECT_FALSE(placeHandlePositions({900, 100, 95, 10}, 996, 624)[HandleEdge::Right].visible);
    // Halves are truncated toward zero, also for negative positions.
    const HandleSet odd = placeHandlePositions({-3, -3, 5, 5}, 996, 624);
    EXPECT_EQ(odd[HandleEdge::Left].position, (Point{-8, 0}));
    EXPECT_EQ(odd[HandleEdge::Top].position, (Point{0, -5}));
}

TEST(Editing, DraggingKeepsTheGrabOffset) {
    HotspotEditor editor = loaded();
    editor.addHotspot();
    const int id = editor.state().currentObjectId;
    press(editor, 110, 107);
    EXPECT_EQ(editor.state().pressPoint, (Point{10, 7}));
    dragOrResize(editor, 300, 250, editor.canvas().heldId(true));
    EXPECT_EQ(rectOf(editor, id), (Rect{290, 243, 100, 100}));
    EXPECT_EQ(editor.status(),
              "当前热区坐标：左= 290 px；顶= 243 px；右= 390 px；底= 343 px；链接地址：#");
    EXPECT_TRUE(editor.handles()[HandleEdge::Left].visible);
    EXPECT_EQ(editor.handles()[HandleEdge::Left].position, (Point{285, 293}));
}

TEST(Editing, DraggingTheBackgroundCarriesEveryHotspot) {
    HotspotEditor editor = loaded();
    editor.addHotspot();
    editor.addHotspot();
    const int bg = editor.state().backgroundId;
    press(editor, 50, 50);  // on the background, outside the hotspots
    ASSERT_EQ(editor.state().currentObjectId, bg);
    dragOrResize(editor, 80, 30, editor.canvas().heldId(true));
    dragOrResize(editor, 80, 30, editor.canvas().heldId(true));  // no movement: no drift
    EXPECT_EQ(rectOf(editor, bg), (Rect{30, -20, 750, 400}));
    for (size_t row = 1; row < editor.table().rowCount(); ++row) {
        EXPECT_EQ(rectOf(editor, editor.table().row(row).id), (Rect{130, 80, 100, 100}));
    }
    EXPECT_FALSE(editor.handles()[HandleEdge::Top].visible);
    EXPECT_EQ(editor.status(),
              "背景图尺寸：750×400 PX； 距左：30 PX； 距顶：-20 PX；共绘制了：2 个热点区");
    // Back to the left edge: everything returns by the same distance.
    alignBackground(editor, Alignment::Left);
    EXPECT_EQ(rectOf(editor, bg), (Rect{0, 0, 750, 400}));
    EXPECT_EQ(rectOf(editor, editor.table().row(1).id), (Rect{100, 100, 100, 100}));
    EXPECT_EQ(editor.status(), "背景图已居左对齐");
}

TEST(Editing, ResizeHandlesFollowThePointerWithoutMinimum) {
    HotspotEditor editor = loaded();
    editor.addHotspot();
    const int id = editor.state().currentObjectId;
    press(editor, 150, 150);
    editor.canvas().releaseLeft();
    endDrag(editor);
    beginResize(editor, ResizeMode::Right);
    dragOrResize(editor, 250, 400, 0);
    EXPECT_EQ(rectOf(editor, id), (Rect{100, 100, 150, 100}));
    EXPECT_EQ(editor.handles()[HandleEdge::Right].position, (Point{250, 152}));  // x only
    EXPECT_EQ(editor.handles()[HandleEdge::Left].position, (Point{95, 150}));    // others wait
    endDrag(editor);
    EXPECT_EQ(editor.handles()[HandleEdge::Right].position, (Point{252, 152}));

    // The left handle dragged past the right edge (a width of -50 asked for) leaves one pixel
    // at the right edge; dragged back, the hotspot grows again from that edge.
    beginResize(editor, ResizeMode::Left);
    dragOrResize(editor, 300, 0, 0);
    EXPECT_EQ(rectOf(editor, id), (Rect{249, 100, 1, 100}));
    EXPECT_EQ(editor.handles()[HandleEdge::Left].position, (Point{249, 150}));
    dragOrResize(editor, 200, 0, 0);
    EXPECT_EQ(rectOf(editor, id), (Rect{200, 100, 50, 100}));
    beginResize(editor, ResizeMode::Bottom);
    dragOrResize(editor, 0, 120, 0);
    EXPECT_EQ(rectOf(editor, id), (Rect{200, 100, 50, 20}));
    beginResize(editor, ResizeMode::Top);
    dragOrResize(editor, 0, 90, 0);
    EXPECT_EQ(rectOf(editor, id), (Rect{200, 90, 50, 30}));
    beginResize(editor, ResizeMode::Bottom);
    dragOrResize(editor, 0, -500, 0);
    EXPECT_EQ(rectOf(editor, id), (Rect{200, 90, 50, 1}));
}

TEST(Editing, ResizeUsesTheCurrentColoursAndKeepsTransparency) {
    HotspotEditor editor = loaded();
    editor.addHotspot();
    editor.style().fillColor = rgb(0, 0, 255);
    editor.style().transparency = 0;
    beginResize(editor, ResizeMode::Right);
    dragOrResize(editor, 210, 0, 0);
    const int x = 150;  // a fill pixel of the rebuilt tile, seen through 50 % transparency
    editor.canvas().render();
    const uint32_t seen = editor.canvas().frame()[150 * 996 + x];
    EXPECT_EQ(seen & 0xFF, (0x99u + 255u + 1u) / 2u);  // blue halfway between 0x99 and 255
}

TEST(Editing, AHandleLeftHeldNeverTurnsTheBackgroundIntoATile) {
    HotspotEditor editor = loaded();
    editor.addHotspot();
    beginResize(editor, ResizeMode::Right);  // pressed, released somewhere else
    press(editor, 500, 300);                 // the background becomes current
    editor.canvas().releaseLeft();
    dragOrResize(editor, 600, 300, editor.canvas().heldId(false));
    EXPECT_EQ(rectOf(editor, editor.state().backgroundId), (Rect{0, 0, 750, 400}));
}

TEST(Editing, NothingMovesWithoutBackgroundOrFromEmptyCanvas) {
    HotspotEditor empty(996, 624);
    const int id = empty.canvas().createObject(10, 10, true);
    dragOrResize(empty, 50, 50, id);
    EXPECT_EQ(empty.canvas().objectLeft(id), 10);
    showStatus(empty, id);
    EXPECT_EQ(empty.status(), "点击左上角 背景设置 添加背景图片");

    HotspotEditor editor = loaded(100, 100);
    press(editor, 900, 600);  // empty canvas
    EXPECT_EQ(editor.state().currentObjectId, 0);
    EXPECT_EQ(editor.canvas().heldId(true), -1);
    dragOrResize(editor, 10, 10, -1);
    EXPECT_EQ(editor.canvas().objectLeft(editor.state().backgroundId), 0);
}

TEST(StatusText, IsExactIncludingNegativeNumbers) {
    EXPECT_EQ(backgroundStatus({-102, 0, 1201, 50}, 0),
              "背景图尺寸：1201×50 PX； 距左：-102 PX； 距顶：0 PX；共绘制了：0 个热点区");
    EXPECT_EQ(
        hotspotStatus({10, 5, 100, 50}, {20, 10}, "http://a?b=1&c"),
        "当前热区坐标：左= -10 px；顶= -5 px；右= 90 px；底= 45 px；链接地址：http://a?b=1&c");
    // An id naming no object shows the background's position negated.
    HotspotEditor editor = loaded();
    alignBackground(editor, Alignment::Centre);
    showStatus(editor, 0);
    EXPECT_EQ(editor.status(),
              "当前热区坐标：左= -123 px；顶= 0 px；右= -123 px；底= 0 px；链接地址：");
    EXPECT_EQ(loadedStatus("750", "400"), "图片载入完成....宽度为：750；高度为：400 PX");
}

TEST(StatusText, LoadingCountsBytesInTheLargestFittingUnitNeverRoundingUp) {
    const std::string prefix = "正在载入图片，请稍候... ";
    constexpr uint64_t kMB = 1024 * 1024;
    // 1.25 MiB, and 3.5 MiB less a byte.
    EXPECT_EQ(loadingStatus(1310720, 3670015), prefix + "1.2 MB / 3.4 MB");
    EXPECT_EQ(loadingStatus(1310720, std::nullopt), prefix + "1.2 MB");
    EXPECT_EQ(loadingStatus(0, 900), prefix + "0 B / 900 B");
    // Just under a unit stays in the smaller one: a load never reads as complete before it is.
    EXPECT_EQ(loadingStatus(1023, 1024), prefix + "1023 B / 1 KB");
    EXPECT_EQ(loadingStatus(kMB - 1, kMB), prefix + "1023 KB / 1.0 MB");
    EXPECT_EQ(loadingStatus(2 * kMB - 1, 64 * kMB), prefix + "1.9 MB / 64.0 MB");
}

TEST(ProgressPace, LetsThroughTheFirstReportThenOnePerInterval) {
    using std::chrono::milliseconds;
    const std::chrono::steady_clock::time_point t0{std::chrono::hours(1)};
    ProgressPace pace(milliseconds(100));
    EXPECT_TRUE(pace.due(t0));
    EXPECT_FALSE(pace.due(t0 + milliseconds(1)));
    EXPECT_FALSE(pace.due(t0 + milliseconds(99)));
    EXPECT_TRUE(pace.due(t0 + milliseconds(100)));
    // The interval counts from the last report let through, not from the last one offered.
    EXPECT_FALSE(pace.due(t0 + milliseconds(150)));
    EXPECT_TRUE(pace.due(t0 + milliseconds(200)));
    EXPECT_TRUE(pace.due(t0 + milliseconds(5000)));
}

TEST(Alignment, FivePlacesTruncatedTowardZero) {
    const Rect b{7, 9, 750, 400};
    EXPECT_EQ(alignedPosition(Alignment::Centre, b, 996, 624), (Point{123, 0}));
    EXPECT_EQ(alignedPosition(Alignment::Right, b, 996, 624), (Point{246, 0}));
    EXPECT_EQ(alignedPosition(Alignment::Bottom, b, 996, 624), (Point{7, 224}));
    EXPECT_EQ(alignedPosition(Alignment::Top, b, 996, 624), (Point{7, 0}));
    EXPECT_EQ(alignedPosition(Alignment::Left, b, 996, 624), (Point{0, 0}));
    EXPECT_EQ(alignedPosition(Alignment::Centre, {0, 0, 751, 1}, 996, 624), (Point{122, 0}));
    EXPECT_EQ(alignedPosition(Alignment::Centre, {0, 0, 1201, 1}, 996, 624), (Point{-102, 0}));

    HotspotEditor none(996, 624);
    alignBackground(none, Alignment::Right);
    EXPECT_EQ(none.status(), "没有加载背景图片");
}

TEST(ContentWindow, EditsTheHotspotItOpenedFor) {
    HotspotEditor editor = loaded();
    editor.addHotspot();
    editor.addHotspot();
    const int first = editor.table().row(1).id;
    editor.state().currentObjectId = editor.table().row(2).id;
    const ContentForm form = fillContentWindow(editor);
    ASSERT_TRUE(form.found);
    EXPECT_EQ(form.tip, "Miva，我想你了");  // an empty tip is offered this default
    EXPECT_EQ(form.link, "#");
    EXPECT_EQ(form.rowText, "2");

    // The first hotspot is deleted meanwhile: the rows move up, the edit follows its hotspot.
    editor.state().currentObjectId = first;
    editor.deleteCurrentHotspot();
    applyHotspotContent(editor, form, " tip ", "");
    EXPECT_EQ(editor.table().row(1).tip, " tip ");
    EXPECT_EQ(editor.table().row(1).link, "");
    EXPECT_EQ(editor.status(), "选中热区内容修改完成");

    // Its own hotspot deleted: nothing is stored and the user is told.
    editor.state().currentObjectId = editor.table().row(1).id;
    const ContentForm gone = fillContentWindow(editor);
    editor.deleteCurrentHotspot();
    applyHotspotContent(editor, gone, "x", "y");
    EXPECT_EQ(editor.status(), "修改失败，这个热区已被删除");

    editor.state().currentObjectId = editor.state().backgroundId;
    EXPECT_FALSE(fillContentWindow(editor).found);
    cancelHotspotContent(editor);
    EXPECT_EQ(editor.status(), "已取消选中热区的内容修改");
}

TEST(Background, InstallingReplacesEverythingAndIdsKeepGrowing) {
    HotspotEditor editor = loaded();
    editor.addHotspot();
    const int oldHotspot = editor.state().currentObjectId;
    installBackground(editor, test::solidPicture(20, 30, 0), "http://b");
    EXPECT_EQ(editor.table().rowCount(), 1u);
    EXPECT_EQ(editor.canvas().objectCount(), 1);
    EXPECT_GT(editor.state().backgroundId, oldHotspot);
    EXPECT_EQ(editor.table().row(0).id, editor.state().backgroundId);
    EXPECT_EQ(editor.backgroundAddress(), "http://b");
    EXPECT_EQ(editor.status(), "图片载入完成....宽度为：20；高度为：30 PX");
    EXPECT_TRUE(editor.addHotspotEnabled());

    // A failed load changes nothing but the status line; the address is remembered either way.
    test::TempDir dir;
    const int background = editor.state().backgroundId;
    finishLoad(editor, dir.path(), "http://c/typo", Status::failure("服务器返回 HTTP 404"));
    EXPECT_EQ(editor.status(), "图片载入失败：服务器返回 HTTP 404");
    EXPECT_EQ(editor.state().backgroundId, background);
    EXPECT_EQ(editor.table().rowCount(), 1u);
    EXPECT_EQ(editor.backgroundAddress(), "http://b");
    EXPECT_EQ(readRememberedAddress(dir.path()), "http://c/typo");
    finishLoad(editor, dir.path(), "http://d", test::solidPicture(5, 6, 0));
    EXPECT_EQ(editor.status(), "图片载入完成....宽度为：5；高度为：6 PX");
    EXPECT_EQ(editor.backgroundAddress(), "http://d");
    EXPECT_EQ(readRememberedAddress(dir.path()), "http://d");

    EXPECT_TRUE(addressAccepted("https://a/b.jpg"));
    EXPECT_TRUE(addressAccepted("see http here"));
    EXPECT_FALSE(addressAccepted("HTTPS://A/B.JPG"));
    EXPECT_FALSE(addressAccepted("/home/me/b.jpg"));
}

}  // namespace
}  // namespace velquist
