// Template filling: placeholders are found in the template only.
#include "core/template_fill.h"

#include <gtest/gtest.h>

namespace velquist {
namespace {

TEST(FillTemplate, InsertedValuesAreNeverRewritten) {
    const std::string_view area = "<area coords=\"左,上\" href=\"#链接\" alt=\"提示\">";
    EXPECT_EQ(fillTemplate(area, {{"左", "1"}, {"上", "2"}, {"#链接", "a提示b"}, {"提示", "tip"}}),
              "<area coords=\"1,2\" href=\"a提示b\" alt=\"tip\">");
    // A value naming a placeholder that comes later stays as typed.
    EXPECT_EQ(fillTemplate("src=背景图 w=图宽", {{"背景图", "x图宽"}, {"图宽", "750"}}),
              "src=x图宽 w=750");
}

TEST(FillTemplate, TakesTheFirstOccurrencesInTemplateOrder) {
    EXPECT_EQ(fillTemplate("类名|类名|类名", {{"类名", "MIV7", 2}}), "MIV7|MIV7|类名");
    EXPECT_EQ(fillTemplate("a X b X", {{"X", "1"}, {"X", "2"}}), "a 1 b 2");
    EXPECT_EQ(fillTemplate("none here", {{"缺", "v"}}), "none here");
    EXPECT_EQ(fillTemplate("", {{"a", "b"}}), "");
    EXPECT_EQ(fillTemplate("keep", {{"", "b"}}), "keep");
}

TEST(FillTemplate, AsciiCaseOnlyWhereAsked) {
    EXPECT_EQ(fillTemplate("[MIVAQQ0]", {{"Mivaqq0", "v", 1, true}}), "[v]");
    EXPECT_EQ(fillTemplate("[MIVAQQ0]", {{"Mivaqq0", "v"}}), "[MIVAQQ0]");
}

TEST(FillTemplate, AdjacentPlaceholdersAndEmptyValues) {
    EXPECT_EQ(fillTemplate("左上右下", {{"左", ""}, {"上", "-3"}, {"右", ""}, {"下", "9"}}), "-39");
}

}  // namespace
}  // namespace velquist
