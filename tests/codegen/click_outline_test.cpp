// Click-outline toggle: round trip, case rules and a caption that disagrees with the text.
#include "codegen/click_outline.h"

#include <gtest/gtest.h>

#include "codegen/image_map.h"

namespace velquist {
namespace {

constexpr std::string_view kRemove = "消除点击框";
constexpr std::string_view kRestore = "恢复点击框";

TEST(ClickOutline, RemoveThenRestoreGivesBackTheTextByteForByte) {
    // Three area lines, one tip that holds the plain form itself.
    const std::string code = generateImageMap(
        {"", Rect{}, {{Rect{1, 2, 3, 4}, "t", "#"}, {Rect{}, "<area shape=", ""}, {}}}, 42);
    const OutlineToggle removed = toggleClickOutline(code, kRemove);
    EXPECT_EQ(removed.caption, kRestore);
    EXPECT_EQ(removed.message, "已消除热点点击框");
    EXPECT_EQ(removed.text.find("<area shape="), std::string::npos);
    EXPECT_NE(
        removed.text.find("\n  <area style=\"outline:none;\" shape=\"rect\" coords=\"1,2,4,6\""),
        std::string::npos);
    EXPECT_EQ(removed.text.size(), code.size() + 4 * 22);

    const OutlineToggle restored = toggleClickOutline(removed.text, removed.caption);
    EXPECT_EQ(restored.text, code);
    EXPECT_EQ(restored.caption, kRemove);
    EXPECT_EQ(restored.message, "已恢复热点点击框");
}

TEST(ClickOutline, EveryLetterCaseIsChangedAndKeptAsWritten) {
    const std::string mixed = "<AREA SHAPE=\"a\"><area shape=\"b\"><Area Shape=";
    const OutlineToggle removed = toggleClickOutline(mixed, kRemove);
    EXPECT_EQ(removed.text,
              "<AREA style=\"outline:none;\" SHAPE=\"a\"><area style=\"outline:none;\" "
              "shape=\"b\"><Area style=\"outline:none;\" Shape=");
    EXPECT_TRUE(removed.textChanged);
    EXPECT_EQ(toggleClickOutline(removed.text, removed.caption).text, mixed);
}

// Files saved by earlier versions hold the style in place of the shape attribute.
TEST(ClickOutline, RestoreTakesTheEarlierFormToo) {
    const OutlineToggle restored = toggleClickOutline(
        "<area style=\"outline:none;\"\"rect\" coords=\"1\">"
        "<area style=\"outline:none;\" shape=\"rect\" coords=\"2\">",
        kRestore);
    EXPECT_EQ(restored.text,
              "<area shape=\"rect\" coords=\"1\"><area shape=\"rect\" coords=\"2\">");
    EXPECT_EQ(restored.message, "已恢复热点点击框");
}

TEST(ClickOutline, CaptionThatDisagreesWithTheText) {
    const std::string fresh = "  <area shape=\"rect\">";  // as after a regenerate
    const OutlineToggle restore = toggleClickOutline(fresh, kRestore);
    EXPECT_EQ(restore.message, "恢复热点点击框失败");
    EXPECT_EQ(restore.caption, kRemove);
    EXPECT_FALSE(restore.textChanged);
    EXPECT_EQ(toggleClickOutline(fresh, restore.caption).message, "已消除热点点击框");

    const OutlineToggle again =
        toggleClickOutline(toggleClickOutline(fresh, kRemove).text, kRemove);
    EXPECT_EQ(again.message, "消除热点点击框失败");
    EXPECT_EQ(again.caption, kRemove);
}

}  // namespace
}  // namespace velquist
