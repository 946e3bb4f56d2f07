// Click-outline toggle: round trip, case rules and a caption that disagrees with the text.
#include "codegen/click_outline.h"

#include <gtest/gtest.h>

#include "codegen/image_map.h"

namespace velquist {
namespace {

// Outlines on: the button removes them; removed: it restores them.
constexpr bool kRemove = false;
constexpr bool kRestore = true;

TEST(ClickOutline, RemoveThenRestoreGivesBackTheTextByteForByte) {
    // Three area lines, one tip that holds the plain form itself.
    const std::string code = generateImageMap(
        {"", Rect{}, {{Rect{1, 2, 3, 4}, "t", "#"}, {Rect{}, "<area shape=", ""}, {}}, {}}, 42);
    const OutlineToggle removed = toggleClickOutline(code, kRemove);
    EXPECT_TRUE(removed.removed);
    EXPECT_EQ(outlineCaption(removed.removed), "恢复点击框");
    EXPECT_EQ(removed.message, "已消除热点点击框");
    EXPECT_EQ(removed.text.find("<area shape="), std::string::npos);
    EXPECT_NE(
        removed.text.find("\n  <area style=\"outline:none;\" shape=\"rect\" coords=\"1,2,4,6\""),
        std::string::npos);
    EXPECT_EQ(removed.text.size(), code.size() + 4 * 22);

    const OutlineToggle restored = toggleClickOutline(removed.text, removed.removed);
    EXPECT_EQ(restored.text, code);
    EXPECT_FALSE(restored.removed);
    EXPECT_EQ(restored.message, "已恢复热点点击框");
}

TEST(ClickOutline, EveryLetterCaseIsChangedAndKeptAsWritten) {
    const std::string mixed = "<AREA SHAPE=\"a\"><area shape=\"b\"><Area Shape=";
    const OutlineToggle removed = toggleClickOutline(mixed, kRemove);
    EXPECT_EQ(removed.text,
              "<AREA style=\"outline:none;\" SHAPE=\"a\"><area style=\"outline:none;\" "
              "shape=\"b\"><Area style=\"outline:none;\" Shape=");
    EXPECT_TRUE(removed.textChanged);
    EXPECT_EQ(toggleClickOutline(removed.text, removed.removed).text, mixed);
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
    EXPECT_FALSE(restore.removed);  // a failed restore switches back all the same
    EXPECT_FALSE(restore.textChanged);
    EXPECT_EQ(toggleClickOutline(fresh, restore.removed).message, "已消除热点点击框");

    const OutlineToggle again =
        toggleClickOutline(toggleClickOutline(fresh, kRemove).text, kRemove);
    EXPECT_EQ(again.message, "消除热点点击框失败");
    EXPECT_FALSE(again.removed);
}

}  // namespace
}  // namespace velquist
