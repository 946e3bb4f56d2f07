// Picture loads and the map: a reopened map's picture arriving under its hotspots, loads that
// keep the hotspots and edits made while a load runs.
#include <gtest/gtest.h>

#include "editor/hotspot_editor.h"
#include "editor/messages.h"
#include "editor/status_text.h"
#include "pictures/test_pictures.h"

namespace velquist {
namespace {

constexpr uint32_t kPicture = 0xFF0A141E;  // as the frame holds it
constexpr const char* kAddress = "http://img.example/shop.png";

// A saved map of two hotspots on a 750 x 400 picture, as an autosave or a map file gives it.
MapDocument savedMap() {
    MapDocument document;
    document.pictureAddress = kAddress;
    document.pictureWidth = 750;
    document.pictureHeight = 400;
    document.hotspots = {{{100, 100, 100, 50}, "甲", "#"}, {{300, 200, 80, 80}, "", "#"}};
    return document;
}

Picture shopPicture() {
    return test::solidPicture(750, 400, kPicture & 0xFFFFFF);
}

uint32_t drawnAt(HotspotEditor& e, int x, int y) {
    e.canvas().render();
    return e.canvas().frame()[static_cast<size_t>(y) * e.canvas().width() + x];
}

// The picture of a reopened map lies under its hotspots, is drawn and answers clicks, also
// after the reopening is undone and redone.
TEST(ReopenedMap, PictureArrivesUnderTheHotspotsAndStaysThereThroughUndoAndRedo) {
    HotspotEditor e(996, 624);
    e.replaceMap(editor_messages::kStepRestore, savedMap(), nullptr);
    EXPECT_EQ(e.finishPictureFetch(kAddress, shopPicture()), loadedStatus(750, 400));
    const int32_t picture = e.map().background().id;
    const int32_t first = e.map().hotspots()[0].id;
    for (const char* after : {"arrival", "undo and redo"}) {
        EXPECT_EQ(drawnAt(e, 500, 50), kPicture) << after;
        EXPECT_NE(drawnAt(e, 150, 125), kPicture) << after;
        EXPECT_EQ(e.canvas().hitTest(500, 50), picture) << after;
        EXPECT_EQ(e.canvas().hitTest(150, 125), first) << after;
        e.undo();
        e.redo();
    }
}

// "保留热区" while a reopened map still waits for its picture keeps the map.
TEST(ReopenedMap, KeepingTheHotspotsWhileThePictureIsAwaitedKeepsThem) {
    HotspotEditor e(996, 624);
    e.replaceMap(editor_messages::kStepOpenMap, savedMap(), nullptr);
    const std::vector<Hotspot> hotspots = e.map().hotspots();
    e.finishLoad("http://img.example/other.png", shopPicture(), true);
    EXPECT_EQ(e.map().hotspots(), hotspots);
    EXPECT_EQ(e.map().background().address, "http://img.example/other.png");
    EXPECT_EQ(drawnAt(e, 500, 50), kPicture);
    EXPECT_NE(drawnAt(e, 150, 125), kPicture);
}

// A load that ends after the hotspots changed only swaps the picture, and says so; a load
// during which nothing changed replaces the map as before.
TEST(LoadDuringEdits, HotspotsChangedWhileItRanAreKept) {
    HotspotEditor e(996, 624);
    e.finishLoad("http://img.example/a.png", test::solidPicture(750, 400, 0));
    e.loadStarted("http://img.example/b.png");
    e.addHotspot();
    e.nudgeSelected(5, 0);
    const std::vector<Hotspot> edited = e.map().hotspots();
    const Said said = e.finishLoad("http://img.example/b.png", shopPicture());
    EXPECT_EQ(e.map().hotspots(), edited);
    EXPECT_EQ(e.map().background().address, "http://img.example/b.png");
    EXPECT_EQ(said, loadedStatus(750, 400) + editor_messages::kKeptEditsDuringLoad);
    EXPECT_EQ(drawnAt(e, 500, 50), kPicture);

    e.loadStarted("http://img.example/c.png");
    e.finishLoad("http://img.example/c.png", shopPicture());
    EXPECT_TRUE(e.map().hotspots().empty());
}

}  // namespace
}  // namespace velquist
