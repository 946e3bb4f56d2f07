// Image-map code: layout, coordinates, map name and values that look like markup or placeholders.
#include "codegen/image_map.h"

#include <regex>

#include <gtest/gtest.h>

namespace velquist {
namespace {

constexpr std::string_view kHead =
    "<img src=\"https://x/a.jpg\" width=\"950\" height=\"500\" usemap=\"#MIV7\" border=\"0\">\r\n"
    "<map name=\"MIV7\">";

ImageMapInput picture(std::vector<ImageMapInput::Area> areas = {}) {
    return {"https://x/a.jpg", Rect{23, 0, 950, 500}, std::move(areas), {}};
}

TEST(ImageMap, HeaderAndClosingWithoutHotspots) {
    EXPECT_EQ(generateImageMap(ImageMapInput{}, 7),
              "<img src=\"\" width=\"0\" height=\"0\" usemap=\"#MIV7\" border=\"0\">\r\n"
              "<map name=\"MIV7\">\r\n</map>");
    EXPECT_EQ(generateImageMap(picture(), 7), std::string(kHead) + "\r\n</map>");
}

TEST(ImageMap, LinesInTableOrderRelativeToTheBackground) {
    // One hotspot: exactly four lines, none after "</map>".
    EXPECT_EQ(generateImageMap(picture({{Rect{73, 40, 100, 50}, "", "#"}}), 7),
              std::string(kHead) +
                  "\r\n  <area shape=\"rect\" coords=\"50,40,150,90\" href=\"#\" alt=\"\">"
                  "\r\n</map>");
    // Dragged past the top-left corner; an id the canvas does not know.
    EXPECT_EQ(generateImageMap(picture({{Rect{3, -10, 40, 20}, "b", "2"}, {Rect{}, "a", "1"}}), 7),
              std::string(kHead) +
                  "\r\n  <area shape=\"rect\" coords=\"-20,-10,20,10\" href=\"2\" alt=\"b\">"
                  "\r\n  <area shape=\"rect\" coords=\"-23,0,-23,0\" href=\"1\" alt=\"a\">"
                  "\r\n</map>");
}

// Copied hotspots: only the <map>, its lines exactly those of the complete code, so that they
// paste into page code as well as back into the editor.
TEST(ImageMap, CopiedAreasAreTheMapOfTheCompleteCode) {
    const ImageMapInput in =
        picture({{Rect{3, -10, 40, 20}, "b\"", "x?a=1&b"}, {Rect{73, 40, 100, 50}, "", "#"}});
    const std::string whole = generateImageMap(in, 7);
    EXPECT_EQ(areaMapCode(in, 7), whole.substr(whole.find("<map")));
    EXPECT_EQ(
        areaMapCode(in, 7),
        "<map name=\"MIV7\">"
        "\r\n  <area shape=\"rect\" coords=\"-20,-10,20,10\" href=\"x?a=1&amp;b\" alt=\"b&quot;\">"
        "\r\n  <area shape=\"rect\" coords=\"50,40,150,90\" href=\"#\" alt=\"\">"
        "\r\n</map>");
}

TEST(ImageMap, ValuesAreInsertedAsTypedExceptQuotes) {
    ImageMapInput in = picture({{Rect{23, 0, 1, 1}, "提示左", "https://x/?q=提示&a=1"},
                                {Rect{23, 0, 1, 1}, "say \"hi\" onclick=x", "l\"<b>"}});
    in.backgroundAddress = "https://x/图宽类名\".png";
    EXPECT_EQ(generateImageMap(in, 7),
              "<img src=\"https://x/图宽类名&quot;.png\" width=\"950\" height=\"500\" "
              "usemap=\"#MIV7\" border=\"0\">\r\n<map name=\"MIV7\">\r\n"
              "  <area shape=\"rect\" coords=\"0,0,1,1\" href=\"https://x/?q=提示&a=1\" "
              "alt=\"提示左\">\r\n"
              "  <area shape=\"rect\" coords=\"0,0,1,1\" href=\"l&quot;<b>\" "
              "alt=\"say &quot;hi&quot; onclick=x\">\r\n</map>");
}

// What a browser would read as a character reference is escaped; query strings keep their bytes.
TEST(ImageMap, AmpersandsThatWouldStartAReferenceAreEscaped) {
    EXPECT_EQ(quoteSafe("A&amp;B &copy 2024"), "A&amp;amp;B &amp;copy 2024");
    EXPECT_EQ(quoteSafe("item?id=1&x=2&copy=3"), "item?id=1&x=2&copy=3");
    EXPECT_EQ(quoteSafe("&#169;&#x41"), "&amp;#169;&amp;#x41");
    EXPECT_EQ(quoteSafe("a&x;b&copy"), "a&amp;x;b&amp;copy");  // before ";", at the end
    EXPECT_EQ(quoteSafe("& && &=1 &中 a&"), "& && &=1 &中 a&");
    ImageMapInput in = picture({{Rect{23, 0, 1, 1}, "A&B \"x\"", "?a=1&b"}});
    in.backgroundAddress = "https://x/a.jpg?v=1&lt";
    EXPECT_EQ(generateImageMap(in, 7),
              "<img src=\"https://x/a.jpg?v=1&amp;lt\" width=\"950\" height=\"500\" "
              "usemap=\"#MIV7\" border=\"0\">\r\n<map name=\"MIV7\">\r\n"
              "  <area shape=\"rect\" coords=\"0,0,1,1\" href=\"?a=1&amp;b\" "
              "alt=\"A&amp;B &quot;x&quot;\">\r\n</map>");
}

TEST(ImageMap, DrawnMapNameStandsTwiceWithTheSameNumber) {
    const std::regex shape(
        ".*usemap=\"#MIV([1-9][0-9]*)\" border=\"0\">\r\n<map name=\"MIV([0-9]+)\">\r\n</map>");
    for (int i = 0; i < 50; ++i) {
        std::smatch m;
        const std::string code = generateImageMap(picture());
        ASSERT_TRUE(std::regex_match(code, m, shape)) << code;
        EXPECT_EQ(m[1].str(), m[2].str());
        EXPECT_LE(std::stoi(m[1].str()), kMapNumberMax);
    }
}

// Two pictures, the lower one narrower: each gets its own map, a hotspot across the join a part
// in each, relative to its picture, and one beside the narrower picture no part at all.
TEST(ImageMap, StackedPageHasAPairPerPictureWithTheHotspotsCutAtTheJoin) {
    ImageMapInput in{"a.jpg",
                     Rect{10, 5, 100, 90},
                     {{Rect{30, 10, 10, 10}, "上", "u"},
                      {Rect{20, 35, 30, 40}, "跨", "x?a=1&b"},
                      {Rect{95, 60, 10, 10}, "外", "o"}},
                     {{"a.jpg", 100, 50}, {"b\".jpg", 80, 40}}};
    EXPECT_EQ(generateImageMap(in, 7),
              "<img src=\"a.jpg\" width=\"100\" height=\"50\" usemap=\"#MIV7\" border=\"0\" "
              "style=\"display:block\">\r\n<map name=\"MIV7\">"
              "\r\n  <area shape=\"rect\" coords=\"20,5,30,15\" href=\"u\" alt=\"上\">"
              "\r\n  <area shape=\"rect\" coords=\"10,30,40,50\" href=\"x?a=1&amp;b\" alt=\"跨\">"
              "\r\n</map>\r\n"
              "<img src=\"b&quot;.jpg\" width=\"80\" height=\"40\" usemap=\"#MIV7_2\" border=\"0\" "
              "style=\"display:block\">\r\n<map name=\"MIV7_2\">"
              "\r\n  <area shape=\"rect\" coords=\"10,0,40,20\" href=\"x?a=1&amp;b\" alt=\"跨\">"
              "\r\n</map>");
}

}  // namespace
}  // namespace velquist
