// Map files: what is written reads back exactly, the documented example reads, and every kind of
// bad file is refused with its own message and no partial map.
#include "mapfile/map_file.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "core/file_io.h"
#include "map_printing.h"
#include "mapfile/map_limits.h"
#include "support/temp_dir.h"

namespace velquist {
namespace {

MapDocument sampleMap() {
    MapDocument map;
    map.pictureAddress = "https://img.example.com/店招 \"新\".jpg?a=1&b=\\2";
    map.pictureWidth = kMaxMapPictureSide;
    map.pictureHeight = 1;
    map.backgroundPosition = {-kMaxMapCoordinate, 37};
    map.hotspots = {
        {Rect{0, 0, 0, 0}, "", ""},
        {Rect{-kMaxMapCoordinate, kMaxMapCoordinate, kMaxMapCoordinate, 5},
         "领\t\"优惠券\"\n<b>&amp;</b> \x01 😀", "javascript:alert('x')"},
        {Rect{20, 30, 200, 120}, std::string(kMaxMapTextBytes, 'x'), "#"},
    };
    return map;
}

// The ```json block of the format's documentation.
std::string documentedExample() {
    const Result<std::string> doc = readWholeFile(VELQUIST_FORMAT_DOC);
    EXPECT_TRUE(doc.ok()) << doc.error();
    const size_t start = doc->find("```json\n");
    const size_t end = doc->find("```", start + 8);
    EXPECT_NE(start, std::string::npos);
    return doc->substr(start + 8, end - start - 8);
}

TEST(MapFile, WhatIsWrittenReadsBackAndTheDocumentedExampleReads) {
    const MapDocument map = sampleMap();
    const Result<MapDocument> back = readMapFile(writeMapFile(map));
    ASSERT_TRUE(back.ok()) << back.error();
    EXPECT_EQ(*back, map);
    EXPECT_EQ(readMapFile(writeMapFile(MapDocument{})).value(), MapDocument{});

    const Result<MapDocument> example = readMapFile(documentedExample());
    ASSERT_TRUE(example.ok()) << example.error();
    MapDocument expected{"https://img.example.com/banner.jpg", 790, 400, {0, 0}, {}, {}};
    expected.hotspots = {
        {Rect{20, 30, 200, 120}, "新品上市", "https://shop.example.com/item?id=1&from=banner"},
        {Rect{260, 30, 200, 120}, "领 \"优惠券\"", ""}};
    EXPECT_EQ(*example, expected);
}

TEST(MapFile, SavedLoadedMissingAndSetAside) {
    test::TempDir dir;
    const std::string path = dir.file("autosave.vqmap");
    EXPECT_EQ(loadMapFile(path).code(), StatusCode::NotFound);

    ASSERT_TRUE(saveMapFile(path, sampleMap()).ok());
    Result<MapDocument> loaded = loadMapFile(path);
    ASSERT_TRUE(loaded.ok()) << loaded.error();
    EXPECT_EQ(*loaded, sampleMap());

    // A map beyond the limits is refused before anything is written.
    MapDocument tooLong = sampleMap();
    tooLong.hotspots[2].link.assign(kMaxMapTextBytes + 1, 'y');
    EXPECT_EQ(saveMapFile(path, tooLong).message(), "第 3 个热区的链接太长（最多 131072 字节）");
    EXPECT_EQ(loadMapFile(path).value(), sampleMap());

    ASSERT_TRUE(writeFileAtomically(path, "{\"format\": \"velquist-map\", \"vers").ok());
    loaded = loadMapFile(path);
    EXPECT_EQ(loaded.code(), StatusCode::Damaged);
    EXPECT_EQ(loaded.error(), "文件不完整，可能没有保存完");
    ASSERT_TRUE(setAsideCorruptFile(path).ok());
    EXPECT_EQ(loadMapFile(path).code(), StatusCode::NotFound);
    EXPECT_EQ(readWholeFile(path + ".bad").value(), "{\"format\": \"velquist-map\", \"vers");

    std::filesystem::create_directory(path);
    EXPECT_EQ(loadMapFile(path).code(), StatusCode::Folder);
    EXPECT_EQ(withMapFileExtension("图/a"), "图/a.vqmap");
    EXPECT_EQ(withMapFileExtension("a.VQMap"), "a.VQMap");
}

// A valid file with the last value called `name` (a number or text) replaced by `json`.
std::string withValue(std::string_view name, std::string_view json) {
    std::string bytes = writeMapFile(sampleMap());
    const std::string key = "\"" + std::string(name) + "\":";
    const size_t at = bytes.rfind(key) + key.size();
    size_t end = bytes.find_first_of(",}", at);
    if (bytes[at] == '"') {  // a text: up to its closing quote
        for (end = at + 1; bytes[end] != '"'; end += bytes[end] == '\\' ? 2 : 1) {
        }
        ++end;
    }
    return bytes.replace(at, end - at, json);
}

constexpr std::string_view kHead = "{\"format\":\"velquist-map\",\"version\":1,";
constexpr std::string_view kNoPicture =
    "\"picture\":{\"address\":\"\",\"width\":0,\"height\":0},\"background\":{\"x\":0,\"y\":0},";

TEST(MapFile, EveryKindOfBadFileIsRefusedWithItsCause) {
    const std::string valid = writeMapFile(sampleMap());
    std::string manyHotspots = std::string(kHead) + std::string(kNoPicture) + "\"hotspots\":[";
    for (int i = 0; i <= kMaxMapHotspots; ++i) {
        manyHotspots +=
            "{\"left\":0,\"top\":0,\"width\":0,\"height\":0,\"tip\":\"\",\"link\":\"\"},";
    }
    manyHotspots.back() = ']';
    manyHotspots += '}';
    const struct {
        std::string bytes;
        std::string cause;
    } cases[] = {
        {"", "文件是空的"},
        {" \r\n", "文件是空的"},
        {valid.substr(0, valid.size() / 2), "文件不完整，可能没有保存完"},
        {valid + "x", "文件已损坏（不是有效的 JSON 文本）"},
        {"\x89PNG\r\n\x1a\n", "文件已损坏（不是有效的 JSON 文本）"},
        {withValue("tip", "\"\xC0\xAF\""), "文件已损坏（不是有效的 JSON 文本）"},
        {withValue("left", "1e400"), "文件已损坏（不是有效的 JSON 文本）"},
        {std::string(100000, '['), "文件中的数据太多或层次太深，不是 Velquist 的热区文件"},
        {"[1,2]", "这不是 Velquist 的热区文件"},
        {"{\"name\":\"x\"}", "这不是 Velquist 的热区文件"},
        {"{\"format\":\"other-map\",\"version\":1}", "这不是 Velquist 的热区文件"},
        {withValue("version", "\"1\""), "文件的格式版本不正确"},
        {withValue("version", "0"), "文件的格式版本不正确"},
        {withValue("version", "3"),
         "这是更新版本的 Velquist 保存的热区文件（格式版本 3），请先更新 Velquist"},
        {std::string(kHead) + "\"picture\":[],\"background\":{\"x\":0,\"y\":0},\"hotspots\":[]}",
         "文件中图片信息格式不正确"},
        {std::string(kHead) + std::string(kNoPicture) + "\"hotspots\":{}}",
         "文件中热区列表格式不正确"},
        {std::string(kHead) + std::string(kNoPicture) + "\"hotspots\":[7]}",
         "文件中第 1 个热区格式不正确"},
        {withValue("width", "\"750\""), "文件中第 3 个热区的宽度不是整数"},
        {withValue("height", "1.5"), "文件中第 3 个热区的高度不是整数"},
        {withValue("tip", "null"), "文件中第 3 个热区的提示不是文字"},
        {withValue("width", "-1"), "文件中第 3 个热区的宽度超出范围（0 到 1000000）"},
        {withValue("left", "-99999999999999"),
         "文件中第 3 个热区的左边位置超出范围（-1000000 到 1000000）"},
        {withValue("y", "18446744073709551615"),
         "文件中背景位置的纵坐标超出范围（-1000000 到 1000000）"},
        {withValue("address", "\"" + std::string(kMaxMapTextBytes + 1, 'a') + "\""),
         "文件中图片信息的地址太长（最多 131072 字节）"},
        {manyHotspots, "文件中热区太多（最多 50000 个）"},
    };
    for (const auto& c : cases) {
        const Result<MapDocument> map = readMapFile(c.bytes);
        EXPECT_EQ(map.error(), c.cause) << c.bytes.substr(0, 200);
    }
    std::string missingLink = valid;
    missingLink.erase(missingLink.rfind(",\"link\":\"#\""), 11);
    EXPECT_EQ(readMapFile(missingLink).error(), "文件中第 3 个热区的链接缺失");
}

TEST(MapFile, AStackedPageIsVersionTwoAndAPageOfOnePictureStaysVersionOne) {
    MapDocument page = sampleMap();
    setPagePictures(page, {{"https://img.example/a_01.jpg", 790, 1500},
                           {"https://img.example/a_02.jpg", 750, 900}});
    EXPECT_EQ(page.pictureAddress, "https://img.example/a_01.jpg");
    EXPECT_EQ(page.pictureWidth, 790);
    EXPECT_EQ(page.pictureHeight, 2400);
    const std::string written = writeMapFile(page);
    // Older copies refuse a file of a newer version, so they never open half a page.
    EXPECT_NE(written.find("\"version\": 2"), std::string::npos);
    const Result<MapDocument> back = readMapFile(written);
    ASSERT_TRUE(back) << back.error();
    EXPECT_EQ(*back, page);

    MapDocument single = sampleMap();
    setPagePictures(single, {{"https://img.example/one.jpg", 790, 400}});
    EXPECT_TRUE(single.pictures.empty());
    EXPECT_NE(writeMapFile(single).find("\"version\": 1"), std::string::npos);

    const std::string head = "{\"format\":\"velquist-map\",\"version\":2,";
    const std::string tail = ",\"background\":{\"x\":0,\"y\":0},\"hotspots\":[]}";
    const std::string pictureA = "{\"address\":\"a\",\"width\":790,\"height\":20000}";
    const struct {
        std::string bytes;
        std::string cause;
    } cases[] = {
        {head + "\"picture\":{\"address\":\"\",\"width\":0,\"height\":0}" + tail,
         "文件中图片列表格式不正确"},
        {head + "\"pictures\":[]" + tail, "文件中图片列表格式不正确"},
        {head + "\"pictures\":[" + pictureA + ",{\"address\":\"b\",\"width\":790}]" + tail,
         "文件中第 2 张图片的高度缺失"},
        {head + "\"pictures\":[" + pictureA + "," + pictureA + "]" + tail,
         "文件中页面的高度超出范围（0 到 32768）"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readMapFile(c.bytes).error(), c.cause) << c.bytes;
    }
}

}  // namespace
}  // namespace velquist
