// Importing image-map code: the shapes real code comes in, and the ways it can lack a map.
#include "mapfile/image_map_import.h"

#include <gtest/gtest.h>

#include "codegen/code_files.h"
#include "codegen/tabs_widget.h"
#include "map_printing.h"

namespace velquist {
namespace {

MapDocument picture(std::string address, int width, int height, std::vector<MapHotspot> hotspots) {
    return MapDocument{std::move(address), width, height, {0, 0}, std::move(hotspots), {}};
}

constexpr std::string_view kToolCode =
    "<img src=\"https://img.example.com/a.jpg\" width=\"790\" height=\"400\" usemap=\"#MIV12\" "
    "border=\"0\">\r\n<map name=\"MIV12\">\r\n"
    "  <area shape=\"rect\" coords=\"20,30,220,150\" href=\"https://s.example.com/?id=1&x=2\" "
    "alt=\"新品 &quot;上市&quot;\">\r\n"
    "  <area shape=\"rect\" coords=\"-5,0,0,10\" href=\"\" alt=\"\">\r\n</map>";

const MapDocument kToolMap =
    picture("https://img.example.com/a.jpg", 790, 400,
            {{Rect{20, 30, 200, 120}, "新品 \"上市\"", "https://s.example.com/?id=1&x=2"},
             {Rect{-5, 0, 5, 10}, "", ""}});

std::string replaced(std::string_view text, std::string_view from, std::string_view to) {
    std::string out(text);
    for (size_t at = out.find(from); at != std::string::npos; at = out.find(from, at + to.size())) {
        out.replace(at, from.size(), to);
    }
    return out;
}

TEST(ImageMapImport, CodeAsToolsAndPeopleWriteIt) {
    const std::string oldOutline =
        replaced(kToolCode, "<area shape=", "<area style=\"outline:none;\"");
    const std::string newOutline =
        replaced(kToolCode, "<area shape=", "<area style=\"outline:none;\" shape=");
    const std::string tabs =
        convertToTabsWidget({0, "790", "400", "10", "-960", oldOutline}, 12345);
    const std::string previewed = previewPage(kToolCode, true);

    // Hand-written: capitals, any order, single and no quotes, "rectangle", no shape, blanks in
    // coords, reversed corners, title for a missing alt, references as browsers read them, areas
    // that are not rectangles, one without usable coords, a self-closing XHTML tag.
    const std::string handWritten =
        "<P><IMG Border=0 UseMap='#Nav' SRC=pic.jpg?a=1&amp;b=2 HEIGHT=\"300\" WIDTH=750></P>\n"
        "<MAP NAME=Nav>\n"
        " <AREA HREF='a.htm?q=1&copy=2' COORDS=' 10 , 20 ,110, 70 ' ALT='Tom &amp Jerry "
        "&amp;lt;'>\n"
        " <area coords=\"300,200,200,100\" title=\"&#x4E2D;&#25991; &copy 2024 &lt;b&gt;\" />\n"
        " <area shape=rectangle coords=\"0;0;5.6;5\" alt=\"\" title=\"unused\">\n"
        " <area shape=\"circle\" coords=\"50,50,10\"><area shape=poly coords=\"1,1,5,5,1,5\">\n"
        " <area shape=rect coords=\"1,2,3\" href=x>\n"
        "</MAP>";
    const MapDocument handMap =
        picture("pic.jpg?a=1&b=2", 750, 300,
                {{Rect{10, 20, 100, 50}, "Tom & Jerry &lt;", "a.htm?q=1&copy=2"},
                 {Rect{200, 100, 100, 100}, "中文 © 2024 <b>", ""},
                 {Rect{0, 0, 6, 5}, "", ""}});

    // A saved shop page: a charset the text no longer has, markup in comments, scripts and text
    // areas, an image without a map, maps before the image, the map found by id, a size in %.
    const std::string page =
        "<!DOCTYPE html><html><head><meta charset=\"gbk\"><title><img usemap=#t></title>\n"
        "<script>document.write('<img src=s.jpg usemap=\"#s\">');</script></head><body>\n"
        "<!-- <img src=old.jpg usemap=\"#old\"> --><textarea><img usemap=#t></textarea>\n"
        "<img src=\"logo.png\"><map name=\"other\"><area coords=\"0,0,1,1\"></map>\n"
        "<div><map id=\"Banner\"><table><tr><td><area shape=rect coords=\"1,1,9,9\" href=\"#\" "
        "alt=\"活动\"></td></tr></table></map></div>\n"
        "<div class=x><img src=\"b.jpg\" width=\"100%\" height=\"80\" usemap=\"#banner\"></div>"
        "</body></html>";
    const MapDocument pageMap = picture("b.jpg", 0, 0, {{Rect{1, 1, 8, 8}, "活动", "#"}});

    const struct {
        std::string code;
        MapDocument map;
        std::string message;
    } cases[] = {
        {std::string(kToolCode), kToolMap, "已导入 2 个热区"},
        {oldOutline, kToolMap, "已导入 2 个热区"},
        {newOutline, kToolMap, "已导入 2 个热区"},
        {tabs, kToolMap, "已导入 2 个热区"},
        {previewed, kToolMap, "已导入 2 个热区"},
        {"\xEF\xBB\xBF" + handWritten, handMap,
         "已导入 3 个热区，跳过 2 个非矩形热区和 1 个坐标不正确的热区"},
        {page, pageMap, "已导入 1 个热区"},
    };
    for (const auto& c : cases) {
        const Result<ImportedMap> imported = importImageMap(c.code);
        ASSERT_TRUE(imported.ok()) << imported.error() << "\n" << c.code;
        EXPECT_EQ(imported->map, c.map) << c.code;
        EXPECT_EQ(importedMessage(*imported), c.message) << c.code;
    }
}

TEST(ImageMapImport, CodeWithoutAMapToImportSaysWhatIsMissing) {
    const struct {
        std::string code;
        std::string cause;
    } cases[] = {
        {"", "代码中没有热区（<map> 和其中的 <area>）"},
        {"<img src=a.jpg usemap=\"\"><area coords=\"0,0,1,1\">",
         "代码中没有热区（<map> 和其中的 <area>）"},
        {"<map id=m></map><map name=n><p></map>", "热区 <map name=\"m\"> 中没有 <area>"},
        {"<img src=a.jpg usemap=#m><map name=n><area coords=\"0,0,1,1\"></map>",
         "代码中找不到图片使用的热区 <map name=\"m\">"},
        {"<img src=a.jpg usemap=#m><map name=m></map><area coords=\"0,0,1,1\">",
         "热区 <map name=\"m\"> 中没有 <area>"},
        {"<img src=a.jpg usemap=#m><map name=m><area shape=circle coords=\"5,5,5\"></map>",
         "没有可导入的矩形热区，跳过 1 个非矩形热区"},
        {"<img src=a.jpg usemap=#m><map name=m><area coords=\"0,0,1,2000000\"></map>",
         "没有可导入的矩形热区，跳过 1 个坐标不正确的热区"},
        {"<img usemap=#m alt=\"\xFF\">", "文本不是有效的 UTF-8"},
        {[] {
             std::string deep;  // past the parser's nesting limit: no partial import
             for (int i = 0; i < 300; ++i) {
                 deep += "<div>";
             }
             return deep + "<img src=a.jpg usemap=#m><map name=m><area coords=\"0,0,1,1\"></map>";
         }(),
         "代码中的标签嵌套太深，无法完整读取"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(importImageMap(c.code).error(), c.cause) << c.code;
    }
}

// Pages keep a map apart from its picture, or hold several; server templates fill in values.
TEST(ImageMapImport, MapWithoutItsPictureOrOneOfSeveral) {
    const MapDocument shown = {"https://img.example/shown.jpg", 790, 400, {0, 35},
                               {{Rect{0, 0, 9, 9}, "旧", "#"}}, {}};
    const std::string bare =
        "<p>页尾</p><map name=\"m\"><area shape=rect coords=\"10,20,30,40\" "
        "href=\"<%= item_url(3) %>?a=1&b=2\" alt=\"{{ item.title }}\" "
        "title='<% if x > 1 %>多<% end %>'></map>\n<map name=\"n\"><area coords=\"0,0,1,1\"></map>";
    const Result<ImportedMap> alone = importImageMap(bare);
    ASSERT_TRUE(alone.ok()) << alone.error();
    EXPECT_EQ(
        importedOnto(*alone, shown),
        (MapDocument{"https://img.example/shown.jpg",
                     790,
                     400,
                     {0, 35},
                     {{Rect{10, 20, 20, 20}, "{{ item.title }}", "<%= item_url(3) %>?a=1&b=2"}},
                     {}}));
    EXPECT_EQ(importedMessage(*alone), "已导入 1 个热区；另有 1 组热区未导入");

    // Without their sizes several pairs cannot be stacked: the first image whose map is there; a
    // map used twice is one pair, a map of no image none.
    const std::string pairs =
        "<img src=gone.jpg usemap=#gone><img src=a.jpg usemap=#a><img src=b.jpg usemap=#B>"
        "<img src=a2.jpg usemap=#a><map name=a><area coords=\"1,1,2,2\"><area shape=circle>"
        "</map><map name=b><area coords=\"0,0,5,5\"></map><map name=c><area coords=\"0,0,9,9\">"
        "</map>";
    const Result<ImportedMap> first = importImageMap(pairs);
    ASSERT_TRUE(first.ok()) << first.error();
    EXPECT_EQ(importedOnto(*first, shown), picture("a.jpg", 0, 0, {{Rect{1, 1, 1, 1}, "", ""}}));
    EXPECT_EQ(importedMessage(*first), "已导入 1 个热区，跳过 1 个非矩形热区；另有 1 组热区未导入");

    // With their sizes the pairs are one stacked page: the lower map's areas below the upper.
    const std::string sized =
        replaced(replaced(pairs, "src=a.jpg ", "src=a.jpg width=10 height=20 "), "src=b.jpg ",
                 "src=b.jpg width=8 height=30 ");
    const Result<ImportedMap> page = importImageMap(sized);
    ASSERT_TRUE(page.ok()) << page.error();
    EXPECT_EQ(importedOnto(*page, shown),
              (MapDocument{"a.jpg",
                           10,
                           50,
                           {0, 0},
                           {{Rect{1, 1, 1, 1}, "", ""}, {Rect{0, 20, 5, 5}, "", ""}},
                           {{"a.jpg", 10, 20}, {"b.jpg", 8, 30}}}));
    EXPECT_EQ(importedMessage(*page), "已导入 2 张图片上的 2 个热区，跳过 1 个非矩形热区");
}

// A hotspot cut at a join comes back whole when its parts have the same left and right edges,
// link and tip and meet at the join; parts that differ in one of these, or leave a gap, stay apart.
TEST(ImageMapImport, PartsMeetingAtAJoinAreOneHotspot) {
    const std::string code =
        "<img src=a.jpg width=100 height=50 usemap=#m1><map name=m1>"
        "<area coords=10,30,40,50 href=l alt=t><area coords=50,40,60,50 href=l alt=t>"
        "<area coords=70,30,80,49 href=g alt=t><area coords=0,45,5,50 href=h alt=t>"
        "<area coords=85,45,95,50 href=k alt=t><area coords=45,45,50,50 href=l alt=s></map>"
        "<img src=b.jpg width=100 height=40 usemap=#m2><map name=m2>"
        "<area coords=10,0,40,20 href=l alt=t><area coords=50,0,60,10 href=other alt=t>"
        "<area coords=70,0,80,10 href=g alt=t><area coords=0,1,5,5 href=h alt=t>"
        "<area coords=85,0,96,5 href=k alt=t><area coords=45,0,50,5 href=l alt=t></map>";
    const Result<ImportedMap> page = importImageMap(code);
    ASSERT_TRUE(page.ok()) << page.error();
    EXPECT_EQ(page->map, (MapDocument{"a.jpg",
                                      100,
                                      90,
                                      {0, 0},
                                      {{Rect{10, 30, 30, 40}, "t", "l"},
                                       {Rect{50, 40, 10, 10}, "t", "l"},
                                       {Rect{70, 30, 10, 19}, "t", "g"},
                                       {Rect{0, 45, 5, 5}, "t", "h"},
                                       {Rect{85, 45, 10, 5}, "t", "k"},
                                       {Rect{45, 45, 5, 5}, "s", "l"},
                                       {Rect{50, 50, 10, 10}, "t", "other"},
                                       {Rect{70, 50, 10, 10}, "t", "g"},
                                       {Rect{0, 51, 5, 4}, "t", "h"},
                                       {Rect{85, 50, 11, 5}, "t", "k"},
                                       {Rect{45, 50, 5, 5}, "t", "l"}},
                                      {{"a.jpg", 100, 50}, {"b.jpg", 100, 40}}}));
    EXPECT_EQ(importedMessage(*page), "已导入 2 张图片上的 11 个热区");
}

}  // namespace
}  // namespace velquist
