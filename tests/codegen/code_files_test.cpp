// Code files on disk: encodings, zero bytes, the ".txt" rule and the preview page.
#include "codegen/code_files.h"

#include <gtest/gtest.h>

#include "core/encoding.h"
#include "core/file_io.h"
#include "support/temp_dir.h"

namespace velquist {
namespace {

// The bytes a file holding `text` gets: GB18030; where the system lacks it (Wine converts
// through GBK), text with characters outside GBK is kept as UTF-8 with a BOM instead.
std::string expectedBytes(const std::string& text) {
    const Result<std::string> gb = utf8ToGb18030(text);
    EXPECT_TRUE(gb.ok() || !systemHasGb18030());
    return gb.ok() ? *gb : "\xEF\xBB\xBF" + text;
}

TEST(CodeFiles, SaveWritesGb18030WithoutBomAndOpenReadsItBack) {
    test::TempDir dir;
    const std::string code = "<area alt=\"热区\">\r\n한글 😀 ß";  // the last three are not GBK
    ASSERT_TRUE(saveCodeFile(dir.file("a.txt"), code).ok());
    const std::string bytes = *readWholeFile(dir.file("a.txt"));
    EXPECT_EQ(bytes, expectedBytes(code));
    if (systemHasGb18030()) {
        EXPECT_EQ(bytes.substr(0, 15), "<area alt=\"\xC8\xC8\xC7\xF8");  // GBK bytes, no BOM
    }
    EXPECT_EQ(*openCodeFile(dir.file("a.txt")), code);
}

TEST(CodeFiles, CodeThatGb18030CannotCarryOpensAsSaved) {
    test::TempDir dir;
    // GB18030 "女装" is C5 AE D7 B0, also UTF-8 for "Ůװ".
    const std::string code = "<area shape=\"rect\" title=\"女装\">";
    ASSERT_TRUE(saveCodeFile(dir.file("a.txt"), code).ok());
    EXPECT_EQ(*openCodeFile(dir.file("a.txt")), code);
    // A private-use character that GB18030 conversion lacks does not stop the save.
    const std::string privateUse = "<area title=\"中\xEE\x9E\x8D\">";
    ASSERT_TRUE(saveCodeFile(dir.file("b.txt"), privateUse).ok());
    EXPECT_EQ(*openCodeFile(dir.file("b.txt")), privateUse);
}

TEST(CodeFiles, OpenCutsAtTheFirstZeroAndDetectsTheEncoding) {
    test::TempDir dir;
    const auto open = [&](const std::string& bytes) {
        EXPECT_TRUE(writeFileAtomically(dir.file("f"), bytes).ok());
        return *openCodeFile(dir.file("f"));
    };
    EXPECT_EQ(open(std::string("ab\r\n\0cd\0", 8)), "ab\r\n");
    EXPECT_EQ(open("\xEF\xBB\xBF热区 é"), "热区 é");
    EXPECT_EQ(open("alt=\"\xC8\xC8\xC7\xF8\""), "alt=\"热区\"");
    EXPECT_EQ(open(""), "");
    EXPECT_EQ(openCodeFile(dir.file("missing")).error(), "文件或文件夹不存在");
}

// GBK "女装", "童装" and "偏" are valid UTF-8 as well ("Ůװ", "ͯװ", "ƫ").
TEST(CodeFiles, OpenTellsGbkFromUtf8WhenTheBytesAreValidBothWays) {
    test::TempDir dir;
    const auto open = [&](const std::string& bytes) {
        EXPECT_TRUE(writeFileAtomically(dir.file("f"), bytes).ok());
        return *openCodeFile(dir.file("f"));
    };
    const std::string words[] = {"女装", "童装", "偏"};
    std::string longCode = "<map name=\"MIV7\">";
    for (size_t i = 0; i < 200; ++i) {
        longCode +=
            "\r\n  <area shape=\"rect\" coords=\"0,0,9,9\" href=\"https://shop.example/"
            "item.htm?id=" +
            std::to_string(i) + "\" alt=\"" + words[i % 3] + "\">";
    }
    longCode += "\r\n</map>";
    for (const std::string& text :
         {words[0], words[1], words[2], std::string("alt=\"女装 童装 偏\""), longCode}) {
        // Compared whole, reported by their start: the long text fills pages.
        EXPECT_TRUE(open(*utf8ToGb18030(text)) == text) << "GBK: " << text.substr(0, 40);
        EXPECT_TRUE(open(text) == text) << "UTF-8: " << text.substr(0, 40);
    }
    // UTF-8 of Latin-1 and Greek letters is valid GB18030 too ("é" is C3 A9, GBK "茅").
    for (const std::string text : {"Café © 2024", "10μm", "<a href=\"x?a=1&b=2\">"}) {
        EXPECT_EQ(open(text), text);
    }
}

TEST(CodeFiles, TxtIsAddedOnlyWhenMissing) {
    constexpr CodeFileKind kText = CodeFileKind::Text;
    EXPECT_EQ(withCodeExtension("/d/code", kText), "/d/code.txt");
    EXPECT_EQ(withCodeExtension("/d/code.txt", kText), "/d/code.txt");
    EXPECT_EQ(withCodeExtension("/d/CODE.TxT", kText), "/d/CODE.TxT");
    EXPECT_EQ(withCodeExtension("/d/a.txt.bak", kText), "/d/a.txt.bak.txt");
}

TEST(CodeFiles, PreviewPageAloneOrInsideTheTemplate) {
    test::TempDir dir;
    const std::string code = "<map name=\"MIV1\">\r\n  <area alt=\"热区😀\">\r\n</map>";
    const Result<std::string> alone = writePreviewFile(dir.path(), code, false);
    ASSERT_TRUE(alone.ok());
    EXPECT_EQ(*alone, dir.file("yl.htm"));
    EXPECT_EQ(*readWholeFile(*alone), expectedBytes(code));

    const std::string_view page = pageTemplate();
    const size_t marker = page.find(kPageTemplateMarker);
    ASSERT_NE(marker, std::string_view::npos);
    EXPECT_EQ(page.find(kPageTemplateMarker, marker + 1), std::string_view::npos);
    EXPECT_TRUE(page.starts_with("<!DOCTYPE html>"));
    EXPECT_EQ(page.find("http"), std::string_view::npos);  // nothing fetched from outside
    // Its lines end in CR LF like the code put into it.
    size_t lineFeeds = 0;
    for (size_t at = page.find('\n'); at != std::string_view::npos; at = page.find('\n', at + 1)) {
        EXPECT_EQ(page[at - 1], '\r') << "line break at byte " << at;
        ++lineFeeds;
    }
    EXPECT_GT(lineFeeds, 10u);
    const std::string expected = std::string(page.substr(0, marker)) + code +
                                 std::string(page.substr(marker + kPageTemplateMarker.size()));
    ASSERT_TRUE(writePreviewFile(dir.path(), code, true).ok());
    EXPECT_EQ(*readWholeFile(dir.file("yl.htm")), expectedBytes(expected));
}

}  // namespace
}  // namespace velquist
