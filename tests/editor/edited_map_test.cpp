// The edited map: table order, ids, what each operation changes, and that its inverse undoes it.
#include <gtest/gtest.h>

#include "editor/edited_map.h"
#include "editor/hotspot_editor.h"
#include "editor/hotspot_tile.h"
#include "editor/map_document_conversion.h"
#include "pictures/test_pictures.h"
#include "pointer_gestures.h"

namespace velquist {
namespace {

std::shared_ptr<const Picture> picture(int width, int height) {
    return std::make_shared<const Picture>(test::solidPicture(width, height, 0x00336699));
}

Hotspot hotspotAt(int left, int top, std::string link = "#") {
    Hotspot h;
    h.rect = {left, top, 100, 100};
    h.link = std::move(link);
    return h;
}

std::vector<int32_t> ids(const EditedMap& map) {
    std::vector<int32_t> out;
    for (const Hotspot& h : map.hotspots()) {
        out.push_back(h.id);
    }
    return out;
}

// Everything a user can see of the map, for comparing before and after.
struct Seen {
    int32_t background;
    Rect backgroundRect;
    std::string address;
    std::vector<Hotspot> hotspots;
    bool operator==(const Seen&) const = default;
};
Seen seen(const EditedMap& map) {
    return {map.background().id, map.background().rect(), map.background().address, map.hotspots()};
}

TEST(EditedMap, EveryOperationIsUndoneByItsInverse) {
    EditedMap map;
    ASSERT_TRUE(map.apply(op::ReplaceBackground{picture(750, 400), "http://a/b.png"}));
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(map.apply(op::AddHotspot{hotspotAt(10 * i, 20 * i)}));
    }
    const std::vector<int32_t> before = ids(map);
    const std::vector<MapOperation> operations = {
        op::RemoveHotspot{before[1]},
        op::MoveHotspot{before[2], {-5, 7}},
        op::ResizeHotspot{before[3], {1, 2, 3, 4}, {1, 2, 30}},
        op::SetContent{before[0], "提示 \"&", "http://x?a=1&b=2"},
        op::MoveBackground{{-30, 40}},
        op::ReplaceBackground{picture(20, 30), "http://c"},
        op::AddHotspot{hotspotAt(1, 1)},
        op::ReplacePicture{picture(40, 50), "http://d"},
        op::ReplacePicture{nullptr, "http://e"},
        op::RestoreMap{},
    };
    for (const MapOperation& operation : operations) {
        const Seen was = seen(map);
        const auto inverse = map.apply(operation);
        ASSERT_TRUE(inverse) << operation.index();
        EXPECT_NE(seen(map), was) << operation.index();
        ASSERT_TRUE(map.apply(*inverse)) << operation.index();
        EXPECT_EQ(seen(map), was) << operation.index();
    }
    // A removed hotspot comes back with its id, in its place in the table.
    EXPECT_EQ(ids(map), before);
}

TEST(EditedMap, IdsNeverRepeatAndOperationsOnMissingHotspotsChangeNothing) {
    EditedMap map;
    EXPECT_FALSE(map.apply(op::MoveBackground{{1, 1}}));  // no background yet
    ASSERT_TRUE(map.apply(op::ReplaceBackground{picture(10, 10), "http://a"}));
    ASSERT_TRUE(map.apply(op::AddHotspot{hotspotAt(0, 0)}));
    const int32_t first = map.hotspots()[0].id;
    EXPECT_EQ(map.selection(), first);
    ASSERT_TRUE(map.apply(op::RemoveHotspot{first}));
    EXPECT_EQ(map.selection(), 0);
    EXPECT_FALSE(map.apply(op::RemoveHotspot{first}));
    EXPECT_FALSE(map.apply(op::SetContent{first, "x", "y"}));
    EXPECT_FALSE(map.apply(op::Select{first, {}}));
    ASSERT_TRUE(map.apply(op::ReplaceBackground{picture(5, 5), "http://b"}));
    EXPECT_GT(map.background().id, first);
    EXPECT_TRUE(map.hotspots().empty());
    ASSERT_TRUE(map.apply(op::AddHotspot{hotspotAt(0, 0)}));
    EXPECT_GT(map.hotspots()[0].id, map.background().id);

    // A size no tile can have gives a hotspot without picture, and so without size.
    Hotspot flat = hotspotAt(3, 4);
    flat.rect.width = 0;
    ASSERT_TRUE(map.apply(op::AddHotspot{flat}));
    EXPECT_EQ(map.hotspots().back().rect, (Rect{3, 4, 0, 0}));
}

TEST(EditedMap, EditorDeletesOnlyTheSelectedHotspotAndTheCanvasFollows) {
    HotspotEditor editor(996, 624);
    editor.finishLoad("http://a", test::solidPicture(750, 400, 0));
    for (int i = 0; i < 4; ++i) {
        editor.addHotspot();
    }
    const std::vector<int32_t> before = ids(editor.map());
    test::choose(editor, before[2]);
    EXPECT_EQ(editor.deleteSelectedHotspot(), "选中的热点区已删除");
    EXPECT_EQ(ids(editor.map()), (std::vector<int32_t>{before[0], before[1], before[3]}));
    EXPECT_FALSE(editor.canvas().hasObject(before[2]));
    EXPECT_EQ(editor.canvas().objectCount(), 4);

    // Nothing is selected now: a second delete changes nothing.
    EXPECT_EQ(editor.deleteSelectedHotspot(), std::nullopt);
    EXPECT_EQ(editor.map().hotspots().size(), 3u);

    test::choose(editor, editor.map().background().id);
    EXPECT_EQ(editor.deleteSelectedHotspot(), "删除失败，没有选中要操作的热点区");
    EXPECT_EQ(editor.canvas().objectCount(), 4);
}

// Colours of a tile's pixels as 'F'ill and 'B'order letters.
std::vector<std::string> tileRows(int width, int height) {
    const Picture tile = makeHotspotTile(width, height, rgb(255, 0, 255), rgb(0, 224, 128));
    EXPECT_EQ(tile.width, width);
    EXPECT_TRUE(tile.opaque);
    std::vector<std::string> rows;
    for (int y = 0; y < tile.height; ++y) {
        std::string row;
        for (int x = 0; x < tile.width; ++x) {
            const uint32_t p = tile.pixels[static_cast<size_t>(y * width + x)];
            row += p == 0x00FF00FFu ? 'F' : p == 0x0000E080u ? 'B' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

// A map put back from its saved form is the map that was saved, in picture coordinates wherever
// the background sits; the picture arriving later leaves every hotspot where it was.
TEST(EditedMap, SavedFormComesBackAndAPictureArrivesUnderTheHotspots) {
    MapDocument document;
    document.pictureAddress = "http://a/b.png";
    document.pictureWidth = 750;
    document.pictureHeight = 400;
    document.backgroundPosition = {-30, 40};
    document.hotspots = {{{0, 0, 100, 50}, "甲 \"&<", "http://x?a=1&b=2"},
                         {{700, 350, 60, 60}, "", "#"}};
    HotspotStyle style;
    style.transparency = 70;
    EditedMap map;
    ASSERT_TRUE(map.apply(op::RestoreMap{mapStateOf(document, nullptr, style)}));
    EXPECT_FALSE(map.hasBackground());
    EXPECT_EQ(mapDocumentOf(map, {{"http://a/b.png", 750, 400}}), document);
    EXPECT_EQ(map.hotspots()[1].rect, (Rect{670, 390, 60, 60}));
    EXPECT_EQ(map.hotspots()[0].look.transparency, 70);

    const std::vector<Hotspot> before = map.hotspots();
    ASSERT_TRUE(map.apply(op::ReplacePicture{picture(750, 400), "http://a/b.png"}));
    EXPECT_TRUE(map.hasBackground());
    EXPECT_EQ(map.background().rect(), (Rect{-30, 40, 750, 400}));
    EXPECT_EQ(map.hotspots(), before);
    EXPECT_EQ(mapDocumentOf(map), document);
}

TEST(HotspotTile, FrameIsTwoPixelsAndNarrowTilesAreAllFrame) {
    EXPECT_EQ(tileRows(1, 1), (std::vector<std::string>{"B"}));
    EXPECT_EQ(tileRows(4, 3), (std::vector<std::string>{"BBBB", "BBBB", "BBBB"}));
    EXPECT_EQ(tileRows(5, 5),
              (std::vector<std::string>{"BBBBB", "BBBBB", "BBFBB", "BBBBB", "BBBBB"}));
    const auto big = tileRows(100, 100);
    EXPECT_EQ(big[50], "BB" + std::string(96, 'F') + "BB");
    EXPECT_EQ(big[1], std::string(100, 'B'));
    EXPECT_EQ(big[98], std::string(100, 'B'));
    EXPECT_TRUE(makeHotspotTile(0, 10, 0, 0).empty());
    EXPECT_TRUE(makeHotspotTile(10, -50, 0, 0).empty());
    EXPECT_TRUE(makeHotspotTile(40000, 10, 0, 0).empty());
}

TEST(EditedMap, SeveralSelectedHotspotsFollowRemovalsAndTheirSelectionIsUndoneWhole) {
    EditedMap map;
    ASSERT_TRUE(map.apply(op::ReplaceBackground{picture(10, 10), "http://a"}));
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(map.apply(op::AddHotspot{hotspotAt(i, i)}));
    }
    const int32_t a = map.hotspots()[0].id, b = map.hotspots()[1].id, c = map.hotspots()[2].id;
    EXPECT_EQ(map.selectedIds(), std::vector<int32_t>{c});  // a new hotspot alone

    // The background never joins hotspots in a selection.
    EXPECT_FALSE(map.apply(op::Select{map.background().id, {a}}));
    auto back = map.apply(op::Select{c, {a, c}});
    ASSERT_TRUE(back);
    EXPECT_EQ(map.selectedIds(), (std::vector<int32_t>{a, c}));
    EXPECT_EQ(map.selection(), c);
    ASSERT_TRUE(map.apply(op::RemoveHotspot{a}));
    EXPECT_EQ(map.selectedIds(), std::vector<int32_t>{c});

    ASSERT_TRUE(map.apply(op::Select{b, {c}}));
    ASSERT_TRUE(map.apply(op::Select{map.background().id, {}}));
    EXPECT_TRUE(map.selectedIds().empty());
    EXPECT_FALSE(map.isSelected(b));
}

}  // namespace
}  // namespace velquist
