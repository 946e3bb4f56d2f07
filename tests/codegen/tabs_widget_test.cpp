// Tabs-widget snippets: template bytes, sizes, class numbers and nesting.
#include "codegen/tabs_widget.h"

#include <regex>

#include <gtest/gtest.h>

#include "core/encoding.h"

namespace velquist {
namespace {

bool has(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

TEST(TabsWidget, TemplatesHaveTheirGbkLengths) {
    EXPECT_EQ(utf8ToGb18030(kTabsTemplateTmall)->size(), 622u);
    EXPECT_EQ(utf8ToGb18030(kTabsTemplateShop)->size(), 503u);
}

TEST(TabsWidget, ShopEditionsDrawOneClassNumber) {
    const std::string out = convertToTabsWidget({1, "950", "500", "0", "-485", "<map>"});
    std::smatch m;
    ASSERT_TRUE(std::regex_match(
        out, m,
        std::regex(".*'mivami_([0-9]+)'.*class=\"mivami_([0-9]+)\" style=\"height:500px\">.*")));
    EXPECT_EQ(m[1].str(), m[2].str());
    EXPECT_GE(std::stoi(m[1].str()), kClassNumberMin);
    EXPECT_LE(std::stoi(m[1].str()), kClassNumberMax);
    EXPECT_TRUE(has(out, "style=\"height:500px;width:950px;left:-485px;top:0px;\" ><map></div>"));
}

TEST(TabsWidget, TopSpacingAddsToTheTotalHeight) {
    const std::string out = convertToTabsWidget({0, "950", "500", "20", "-960", "CODE"}, 1);
    EXPECT_TRUE(has(out,
                    "style=\"height:520px;overflow:hidden;\">  \t<div "
                    "class=\"mivami140606000635\" style=\"height:520px;\">"));
    EXPECT_TRUE(has(out, "width:950px;height:500px;padding:0px;border:none;left:-960px;top:20px;"));
    EXPECT_TRUE(has(out, "style=\"left:-960px;top:auto;"));
    EXPECT_TRUE(has(out, "\r\n           CODE\r\n</div>"));
    // Boxes go in as typed; only the total reads them as numbers.
    const std::string loose = convertToTabsWidget({-1, "", "５00", "x", "", "c"}, 1);
    EXPECT_TRUE(has(loose, "style=\"height:500px\""));
    EXPECT_TRUE(has(loose, "height:５00px;width:px;left:px;top:xpx;"));
}

TEST(TabsWidget, StyleValuesAreEscapedLikeAttributeValues) {
    const std::string out =
        convertToTabsWidget({1, "950", "500", "2\" onmouseover=\"x", "-485&copy", "&copy"}, 1);
    EXPECT_TRUE(has(out, "left:-485&amp;copypx;top:2&quot; onmouseover=&quot;xpx;\" >&copy</div>"));
    EXPECT_TRUE(has(out, "style=\"height:502px\""));
}

TEST(TabsWidget, ConvertingTwiceNests) {
    const std::string first = convertToTabsWidget({1, "950", "500", "0", "-485", "偏移"}, 11111);
    EXPECT_TRUE(has(first, ">偏移</div>"));  // typed code is never rescanned
    const std::string second = convertToTabsWidget({1, "950", "500", "0", "-485", first}, 22222);
    EXPECT_TRUE(has(second, "mivami_22222'}\" data-widget-type=\"Tabs\"> "));
    EXPECT_TRUE(has(second, "top:0px;\" >" + first + "</div>"));
}

TEST(TabsWidget, EditionOffsets) {
    EXPECT_EQ(editionOffset(0), "-960");
    EXPECT_EQ(editionOffset(1), "-485");
    EXPECT_EQ(editionOffset(2), "-685");
    EXPECT_FALSE(editionOffset(-1));
    EXPECT_FALSE(editionOffset(3));
}

}  // namespace
}  // namespace velquist
