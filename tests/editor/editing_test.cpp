// Selecting, dragging, resizing, handles, alignment and the status line.
#include <utility>

#include <gtest/gtest.h>

#include "editor/hotspot_editor.h"
#include "editor/picture_loader.h"
#include "editor/resize_handles.h"
#include "editor/status_text.h"
#include "pictures/test_pictures.h"
#include "pointer_gestures.h"

namespace velquist {
namespace {

// An editor on a 996 x 624 canvas holding a loaded background of the given size.
struct Loaded : HotspotEditor {
    explicit Loaded(int width = 750, int height = 400) : HotspotEditor(996, 624) {
        finishLoad("http://img.example/a.png", test::solidPicture(width, height, 0x00336699));
    }
};

using test::choose;
using test::moveHandle;
using test::moveTo;
using test::pressAt;
using test::pressHandle;
using test::releaseAt;
using test::releaseHandle;

// Where the canvas draws an object: the map and its drawing must agree.
Rect rectOf(const HotspotEditor& e, int id) {
    const HotspotCanvas& c = e.canvas();
    return {c.objectLeft(id), c.objectTop(id), c.objectWidth(id), c.objectHeight(id)};
}

int32_t hotspotId(const HotspotEditor& e, size_t index) {
    return e.map().hotspots().at(index).id;
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
    Loaded editor;
    editor.addHotspot();
    const int id = editor.map().selection();
    pressAt(editor, 110, 107);
    const Said said = moveTo(editor, 300, 250);
    EXPECT_EQ(rectOf(editor, id), (Rect{290, 243, 100, 100}));
    EXPECT_EQ(said, "当前热区坐标：左= 290 px；顶= 243 px；右= 390 px；底= 343 px；链接地址：#");
    EXPECT_TRUE(editor.handles()[HandleEdge::Left].visible);
    EXPECT_EQ(editor.handles()[HandleEdge::Left].position, (Point{285, 293}));
}

TEST(Editing, DraggingTheBackgroundCarriesEveryHotspot) {
    Loaded editor;
    editor.addHotspot();
    editor.addHotspot();
    const int bg = editor.map().background().id;
    pressAt(editor, 50, 50);  // on the background, outside the hotspots
    ASSERT_EQ(editor.map().selection(), bg);
    moveTo(editor, 80, 30);
    const Said said = moveTo(editor, 80, 30);  // no movement: no drift
    EXPECT_EQ(rectOf(editor, bg), (Rect{30, -20, 750, 400}));
    for (const Hotspot& h : editor.map().hotspots()) {
        EXPECT_EQ(rectOf(editor, h.id), (Rect{130, 80, 100, 100}));
        EXPECT_EQ(h.rect, (Rect{130, 80, 100, 100}));
    }
    EXPECT_FALSE(editor.handles()[HandleEdge::Top].visible);
    EXPECT_EQ(said, "背景图尺寸：750×400 PX； 距左：30 PX； 距顶：-20 PX；共绘制了：2 个热点区");
    // Back to the left edge: everything returns by the same distance.
    const Said aligned = editor.alignBackground(Alignment::Left);
    EXPECT_EQ(rectOf(editor, bg), (Rect{0, 0, 750, 400}));
    EXPECT_EQ(rectOf(editor, hotspotId(editor, 0)), (Rect{100, 100, 100, 100}));
    EXPECT_EQ(aligned, "背景图已居左对齐");
}

TEST(Editing, ResizeHandlesFollowThePointerDownToOnePixel) {
    Loaded editor;
    editor.addHotspot();
    const int id = editor.map().selection();
    pressAt(editor, 150, 150);
    releaseAt(editor, 150, 150);
    pressHandle(editor, HandleEdge::Right);
    moveHandle(editor, HandleEdge::Right, 250, 400);
    EXPECT_EQ(rectOf(editor, id), (Rect{100, 100, 150, 100}));
    EXPECT_EQ(editor.handles()[HandleEdge::Right].position, (Point{250, 152}));  // x only
    EXPECT_EQ(editor.handles()[HandleEdge::Left].position, (Point{95, 150}));    // others wait
    moveHandle(editor, HandleEdge::Right, 300, 700);  // below the canvas: nothing changes
    releaseHandle(editor, HandleEdge::Right, 300, 700);
    EXPECT_EQ(rectOf(editor, id), (Rect{100, 100, 150, 100}));
    EXPECT_EQ(editor.handles()[HandleEdge::Right].position, (Point{252, 152}));

    // The left handle dragged past the right edge (a width of -50 asked for) leaves one pixel
    // at the right edge; dragged back, the hotspot grows again from that edge.
    pressHandle(editor, HandleEdge::Left);
    moveHandle(editor, HandleEdge::Left, 300, 0);
    EXPECT_EQ(rectOf(editor, id), (Rect{249, 100, 1, 100}));
    EXPECT_EQ(editor.handles()[HandleEdge::Left].position, (Point{249, 150}));
    moveHandle(editor, HandleEdge::Left, 200, 0);
    EXPECT_EQ(rectOf(editor, id), (Rect{200, 100, 50, 100}));
    pressHandle(editor, HandleEdge::Bottom);
    moveHandle(editor, HandleEdge::Bottom, 0, 120);
    EXPECT_EQ(rectOf(editor, id), (Rect{200, 100, 50, 20}));
    pressHandle(editor, HandleEdge::Top);
    moveHandle(editor, HandleEdge::Top, 0, 90);
    EXPECT_EQ(rectOf(editor, id), (Rect{200, 90, 50, 30}));
    pressHandle(editor, HandleEdge::Bottom);
    moveHandle(editor, HandleEdge::Bottom, 0, 50);
    EXPECT_EQ(rectOf(editor, id), (Rect{200, 90, 50, 1}));
}

TEST(Editing, ResizeUsesTheCurrentColoursAndKeepsTransparency) {
    Loaded editor;
    editor.addHotspot();
    HotspotStyle style;
    style.fillColor = rgb(0, 0, 255);
    style.transparency = 0;
    editor.setStyle(style);
    pressHandle(editor, HandleEdge::Right);
    moveHandle(editor, HandleEdge::Right, 210, 0);
    const int x = 150;  // a fill pixel of the rebuilt tile, seen through 50 % transparency
    editor.canvas().render();
    const uint32_t seen = editor.canvas().frame()[150 * 996 + x];
    EXPECT_EQ(seen & 0xFF, (0x99u + 255u + 1u) / 2u);  // blue halfway between 0x99 and 255
}

TEST(Editing, AHandleLeftHeldNeverTurnsTheBackgroundIntoATile) {
    Loaded editor;
    editor.addHotspot();
    pressHandle(editor, HandleEdge::Right);  // pressed, released somewhere else
    pressAt(editor, 500, 300);               // the background becomes current
    moveTo(editor, 600, 300);                // and moves as a whole
    EXPECT_EQ(rectOf(editor, editor.map().background().id), (Rect{100, 0, 750, 400}));
}

// A release that never arrived must not leave the pointer resizing: without the button held
// nothing changes, and the next press on a hotspot grabs it to move.
TEST(Editing, AResizeNeverOutlivesTheButton) {
    Loaded editor;
    editor.addHotspot();
    const int id = editor.map().selection();
    pressHandle(editor, HandleEdge::Bottom);
    moveHandle(editor, HandleEdge::Bottom, 150, 250, false);
    EXPECT_EQ(rectOf(editor, id), (Rect{100, 100, 100, 100}));
    pressAt(editor, 150, 150);
    moveTo(editor, 170, 160);
    EXPECT_EQ(rectOf(editor, id), (Rect{120, 110, 100, 100}));
}

// What the left button holds ends with its release, and with the held hotspot: undoing the
// delete brings it back, but not into the hand that lost it.
TEST(Editing, AHeldHotspotIsLetGoOnReleaseAndWhenDeleted) {
    Loaded editor;
    editor.addHotspot();
    const int id = editor.map().selection();
    pressAt(editor, 150, 150);
    releaseAt(editor, 150, 150);
    moveTo(editor, 300, 300);
    EXPECT_EQ(rectOf(editor, id), (Rect{100, 100, 100, 100}));

    pressAt(editor, 150, 150);
    editor.deleteSelectedHotspot();
    editor.undo();
    editor.selectNextHotspot();
    ASSERT_EQ(editor.map().selection(), id);
    moveTo(editor, 300, 300);
    EXPECT_EQ(rectOf(editor, id), (Rect{100, 100, 100, 100}));

    // The same when a new picture replaces the whole map under the held hotspot.
    releaseAt(editor, 300, 300);
    pressAt(editor, 150, 150);
    editor.finishLoad("http://img.example/b.png", test::solidPicture(600, 300, 0x00336699));
    editor.undo();
    editor.selectNextHotspot();
    ASSERT_EQ(editor.map().selection(), id);
    moveTo(editor, 300, 300);
    EXPECT_EQ(rectOf(editor, id), (Rect{100, 100, 100, 100}));
}

// Every way to a hotspot the canvas could not draw is refused: it could be neither seen nor
// clicked, yet it would be in the code.
TEST(Editing, AddingNeverMakesAHotspotWithoutPicture) {
    Loaded editor;
    const std::pair<int, int> sizes[] = {{0, 100}, {100, -5}, {32769, 10}, {8193, 8193}};
    for (const auto& [width, height] : sizes) {
        HotspotStyle style;
        style.width = width;
        style.height = height;
        editor.setStyle(style);
        const Said said = editor.addHotspot();
        EXPECT_TRUE(editor.map().hotspots().empty()) << width << " x " << height;
        EXPECT_EQ(said, "添加失败：热点区的宽和高须在 1 到 32768 之间，宽×高不超过 67108864");
    }
    editor.setStyle(HotspotStyle{});
    editor.addHotspot();
    EXPECT_EQ(editor.canvas().hitTest(150, 150), editor.map().selection());
}

TEST(Editing, NothingMovesWithoutBackgroundOrFromEmptyCanvas) {
    HotspotEditor empty(996, 624);
    EXPECT_EQ(pressAt(empty, 50, 50), "点击左上角 背景设置 添加背景图片");
    moveTo(empty, 60, 60);
    EXPECT_EQ(empty.canvas().hitTest(60, 60), 0);

    Loaded editor(100, 100);
    pressAt(editor, 900, 600);  // empty canvas
    EXPECT_EQ(editor.map().selection(), 0);
    moveTo(editor, 10, 10);
    EXPECT_EQ(editor.canvas().objectLeft(editor.map().background().id), 0);
}

TEST(StatusText, IsExactIncludingNegativeNumbers) {
    EXPECT_EQ(backgroundStatus({-102, 0, 1201, 50}, 0),
              "背景图尺寸：1201×50 PX； 距左：-102 PX； 距顶：0 PX；共绘制了：0 个热点区");
    EXPECT_EQ(
        hotspotStatus({10, 5, 100, 50}, {20, 10}, "http://a?b=1&c"),
        "当前热区坐标：左= -10 px；顶= -5 px；右= 90 px；底= 45 px；链接地址：http://a?b=1&c");
    // An id naming no object shows the background's position negated.
    Loaded editor;
    editor.alignBackground(Alignment::Centre);
    EXPECT_EQ(pressAt(editor, 900, 600),
              "当前热区坐标：左= -123 px；顶= 0 px；右= -123 px；底= 0 px；链接地址：");
    EXPECT_EQ(loadedStatus(750, 400), "图片载入完成....宽度为：750；高度为：400 PX");
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
    EXPECT_EQ(none.alignBackground(Alignment::Right), "没有加载背景图片");
}

TEST(ContentWindow, EditsTheHotspotItOpenedFor) {
    Loaded editor;
    editor.addHotspot();
    editor.addHotspot();
    const int first = hotspotId(editor, 0);
    choose(editor, hotspotId(editor, 1));
    editor.alignBackground(Alignment::Centre);  // (123, 112): the title counts from the picture
    const ContentForm form = editor.contentForm();
    ASSERT_TRUE(form.found);
    EXPECT_EQ(form.tip, "Miva，我想你了");  // an empty tip is offered this default
    EXPECT_EQ(form.link, "#");
    EXPECT_EQ(form.id, hotspotId(editor, 1));
    EXPECT_EQ(form.title, "热区内容 (100, 100, 200, 200)");

    // The first hotspot is deleted meanwhile: the rows move up, the edit follows its hotspot.
    choose(editor, first);
    editor.deleteSelectedHotspot();
    // Blanks typed around the link go (the ideographic space too); the tip keeps its own.
    const ContentApplied applied =
        editor.applyContent(form, " tip ", " \r\n\xE3\x80\x80https://s.example/a b\t\n");
    EXPECT_EQ(editor.map().hotspots()[0].tip, " tip ");
    EXPECT_EQ(editor.map().hotspots()[0].link, "https://s.example/a b");
    EXPECT_EQ(applied.said, "选中热区内容修改完成");

    // Its own hotspot deleted: nothing is stored and the user is told.
    choose(editor, hotspotId(editor, 0));
    const ContentForm gone = editor.contentForm();
    editor.deleteSelectedHotspot();
    EXPECT_EQ(editor.applyContent(gone, "x", "y").said, "修改失败，这个热区已被删除");

    // Nothing to edit: refused, never "done" over a hotspot that was not there.
    choose(editor, editor.map().background().id);
    const ContentOpened none = editor.openContent();
    EXPECT_FALSE(none.form.found);
    EXPECT_EQ(none.said, "修改失败，没有选中要操作的热点区");
    const ContentApplied refused = editor.applyContent(none.form, "x", "y");
    EXPECT_FALSE(refused.stored);
    EXPECT_EQ(refused.said, "修改失败，没有选中要操作的热点区");
    EXPECT_EQ(editor.cancelContent(), "已取消选中热区的内容修改");
}

TEST(Background, InstallingReplacesEverythingAndIdsKeepGrowing) {
    Loaded editor;
    editor.addHotspot();
    const int oldHotspot = editor.map().selection();
    const Said loaded = editor.finishLoad("http://b", test::solidPicture(20, 30, 0));
    EXPECT_TRUE(editor.map().hotspots().empty());
    EXPECT_EQ(editor.canvas().objectCount(), 1);
    EXPECT_GT(editor.map().background().id, oldHotspot);
    EXPECT_EQ(rectOf(editor, editor.map().background().id), (Rect{0, 0, 20, 30}));
    EXPECT_EQ(editor.map().background().address, "http://b");
    EXPECT_EQ(loaded, "图片载入完成....宽度为：20；高度为：30 PX");
    EXPECT_TRUE(editor.addHotspotEnabled());

    // A failed load changes nothing but the status line; while it runs, the address window
    // offers the address being loaded.
    const int background = editor.map().background().id;
    editor.loadStarted("http://c/typo");
    EXPECT_EQ(editor.addressToShow(), "http://c/typo");
    const Said failed = editor.finishLoad("http://c/typo", Status::failure("服务器返回 HTTP 404"));
    EXPECT_EQ(editor.addressToShow(), "http://b");
    EXPECT_EQ(failed, "图片载入失败：服务器返回 HTTP 404");
    EXPECT_EQ(editor.map().background().id, background);
    EXPECT_EQ(editor.map().background().address, "http://b");
}

TEST(PictureAddress, WebSchemeInAnyCaseWithBlanksAroundDropped) {
    EXPECT_TRUE(addressAccepted("https://a/b.jpg"));
    EXPECT_TRUE(addressAccepted("HTTPS://A/B.JPG"));
    EXPECT_TRUE(addressAccepted("Http://a/b.jpg"));
    EXPECT_TRUE(addressAccepted("/home/me/b.jpg"));
    EXPECT_FALSE(addressAccepted("see http here"));
    EXPECT_FALSE(addressAccepted("httpx://a/b.jpg"));
    EXPECT_FALSE(addressAccepted("www.a.com/b.jpg"));
    EXPECT_EQ(acceptAddress(" \r\n\tHTTP://a/b c.png \r\n").value(), "HTTP://a/b c.png");
    EXPECT_EQ(acceptAddress("  www.a.com/b.jpg\n").error(),
              "地址须以 http:// 或 https:// 开头，或是本机图片的路径");
    EXPECT_FALSE(acceptAddress(" \n ").ok());
}

}  // namespace
}  // namespace velquist
