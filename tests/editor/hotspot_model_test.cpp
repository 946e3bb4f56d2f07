// The hotspot model: table rows in step with canvas objects, tiles, deleting and shifting.
#include <gtest/gtest.h>

#include "editor/hotspot_editor.h"
#include "editor/hotspot_tile.h"
#include "pictures/picture_decoder.h"

namespace velquist {
namespace {

// An editor with a background object and row 0, as a finished load leaves it.
HotspotEditor editorWithBackground(int left = 0, int top = 0) {
    HotspotEditor editor(996, 624);
    const int id = editor.canvas().createObject(left, top, true);
    editor.canvas().setPicture(id, makeHotspotTile(750, 400, 0, 0));
    editor.state().currentObjectId = id;
    editor.appendTableRow("", "");
    editor.state().backgroundId = id;
    editor.enableAddHotspot();
    return editor;
}

std::vector<int32_t> rowIds(const HotspotEditor& editor) {
    std::vector<int32_t> ids;
    for (const HotspotRow& row : editor.table().rows()) {
        ids.push_back(row.id);
    }
    return ids;
}

TEST(HotspotModel, AddedHotspotUsesTheStyleAndJoinsTheTable) {
    HotspotEditor editor = editorWithBackground(20, 10);
    editor.addHotspot();
    const int id = editor.state().currentObjectId;
    EXPECT_EQ(editor.canvas().objectLeft(id), 100);
    EXPECT_EQ(editor.canvas().objectWidth(id), 100);
    EXPECT_EQ(editor.canvas().objectHeight(id), 100);
    ASSERT_EQ(editor.table().rowCount(), 2u);
    EXPECT_EQ(editor.table().row(1).id, id);
    EXPECT_EQ(editor.table().row(1).link, "#");
    EXPECT_EQ(editor.table().row(1).tip, "");
    EXPECT_EQ(editor.findRow(id), 1u);
    EXPECT_FALSE(editor.findRow(editor.state().backgroundId).has_value());

    editor.style().width = 0;  // a style below one pixel gives a hotspot without picture
    editor.addHotspot();
    const int empty = editor.state().currentObjectId;
    EXPECT_EQ(editor.canvas().objectWidth(empty), 0);
    EXPECT_EQ(editor.canvas().objectHeight(empty), 0);
    EXPECT_EQ(editor.table().rowCount(), 3u);
}

TEST(HotspotModel, DeletingMovesLaterRowsUpInOrder) {
    HotspotEditor editor = editorWithBackground();
    for (int i = 0; i < 4; ++i) {
        editor.addHotspot();
    }
    const std::vector<int32_t> before = rowIds(editor);
    editor.state().currentObjectId = before[2];
    editor.deleteCurrentHotspot();
    EXPECT_EQ(editor.status(), "选中的热点区已删除");
    EXPECT_EQ(rowIds(editor), (std::vector<int32_t>{before[0], before[1], before[3], before[4]}));
    EXPECT_FALSE(editor.canvas().hasObject(before[2]));
    EXPECT_EQ(editor.canvas().objectCount(), 4);

    // The deleted id stays current: a second delete finds no row and changes nothing.
    editor.setStatus("unchanged");
    editor.deleteCurrentHotspot();
    EXPECT_EQ(editor.status(), "unchanged");
    EXPECT_EQ(editor.table().rowCount(), 4u);
}

TEST(HotspotModel, DeletingTheBackgroundIsRefused) {
    HotspotEditor editor = editorWithBackground();
    editor.addHotspot();
    editor.state().currentObjectId = editor.state().backgroundId;
    editor.deleteCurrentHotspot();
    EXPECT_EQ(editor.status(), "删除失败，没有选中要操作的热点区");
    EXPECT_EQ(editor.table().rowCount(), 2u);
    EXPECT_EQ(editor.canvas().objectCount(), 2);
}

TEST(HotspotModel, ShiftMovesHotspotsButNotTheBackground) {
    HotspotEditor editor = editorWithBackground();
    editor.addHotspot();
    editor.addHotspot();
    const int bg = editor.state().backgroundId;
    editor.mutableHandles()[HandleEdge::Left].visible = true;
    editor.shiftHotspots(30, -20);
    for (size_t row = 1; row < editor.table().rowCount(); ++row) {
        const int id = editor.table().row(row).id;
        EXPECT_EQ(editor.canvas().objectLeft(id), 130);
        EXPECT_EQ(editor.canvas().objectTop(id), 80);
    }
    EXPECT_EQ(editor.canvas().objectLeft(bg), 0);
    EXPECT_FALSE(editor.handles()[HandleEdge::Left].visible);
}

TEST(HotspotModel, IdsNeverRepeatAcrossResets) {
    HotspotEditor editor = editorWithBackground();
    editor.addHotspot();
    const int highest = editor.state().currentObjectId;
    editor.state().pressPoint = {5, 6};
    editor.state().backgroundOrigin = {7, 8};
    editor.resetEditor();
    EXPECT_EQ(editor.canvas().objectCount(), 0);
    EXPECT_EQ(editor.table().rowCount(), 0u);
    EXPECT_EQ(editor.state().currentObjectId, 0);
    EXPECT_EQ(editor.state().pressPoint, Point{});
    EXPECT_EQ(editor.state().backgroundOrigin, Point{});
    EXPECT_NE(editor.state().backgroundId, 0);  // kept until the next load sets it
    EXPECT_GT(editor.canvas().createObject(0, 0, true), highest);
}

TEST(HotspotModel, ContentGoesOnlyIntoHotspotRows) {
    HotspotEditor editor = editorWithBackground();
    editor.addHotspot();
    EXPECT_TRUE(editor.setRowContent(1, "tip", ""));
    EXPECT_EQ(editor.table().row(1).tip, "tip");
    EXPECT_EQ(editor.table().row(1).link, "");
    EXPECT_FALSE(editor.setRowContent(0, "x", "y"));
    EXPECT_FALSE(editor.setRowContent(2, "x", "y"));
    EXPECT_EQ(editor.table().row(0).tip, "");
}

// Colours of a tile's pixels, read back through the decoder, as 'F'ill and 'B'order letters.
std::vector<std::string> tileRows(int width, int height) {
    const ColorRef fill = rgb(255, 0, 255);
    const ColorRef border = rgb(0, 224, 128);
    auto picture = decodePicture(makeHotspotTile(width, height, fill, border));
    EXPECT_TRUE(picture.ok()) << picture.error();
    std::vector<std::string> rows;
    for (int y = 0; y < height; ++y) {
        std::string row;
        for (int x = 0; x < width; ++x) {
            const uint32_t p = picture->pixels[static_cast<size_t>(y * width + x)];
            row += p == 0x00FF00FFu ? 'F' : p == 0x0000E080u ? 'B' : '?';
        }
        rows.push_back(row);
    }
    return rows;
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
}

TEST(HotspotTile, BitmapLayoutPadsRowsToFourBytes) {
    const std::string bmp = makeHotspotTile(5, 2, rgb(1, 2, 3), rgb(4, 5, 6));
    ASSERT_EQ(bmp.size(), 54u + 16u * 2u);  // 15 bytes of pixels padded to 16 per row
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<uint8_t>(bmp[28]), 24);  // bits per pixel
    EXPECT_EQ(static_cast<uint8_t>(bmp[2]), 54 + 32);
    EXPECT_EQ(bmp[54], 6);  // blue first
    EXPECT_EQ(bmp[56], 4);
    // Rows of 3-byte pixels, padded with zeros to 4 bytes: width 1 → 4, 4 → 12, 100 → 300.
    for (const auto& [width, stride] : {std::pair{1, 4}, {4, 12}, {5, 16}, {100, 300}}) {
        const std::string tile = makeHotspotTile(width, 3, rgb(1, 2, 3), rgb(4, 5, 6));
        ASSERT_EQ(tile.size(), 54u + static_cast<size_t>(stride) * 3) << width;
        for (int row = 0; row < 3; ++row) {
            for (int pad = width * 3; pad < stride; ++pad) {
                EXPECT_EQ(tile[static_cast<size_t>(54 + row * stride + pad)], 0) << width;
            }
        }
    }
    EXPECT_TRUE(makeHotspotTile(0, 10, 0, 0).empty());
    EXPECT_TRUE(makeHotspotTile(10, -50, 0, 0).empty());
    EXPECT_TRUE(makeHotspotTile(40000, 10, 0, 0).empty());
}

}  // namespace
}  // namespace velquist
