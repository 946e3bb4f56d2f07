// Text routines: number reading, counting, case folding.
#include "core/text.h"

#include <gtest/gtest.h>

namespace velquist {
namespace {

TEST(TextToInteger, ReadsLeadingNumberLikeTheSettingsBoxes) {
    EXPECT_EQ(textToInteger("120px"), 120);
    EXPECT_EQ(textToInteger("１２０"), 120);  // full-width digits
    EXPECT_EQ(textToInteger(" 80"), 80);
    EXPECT_EQ(textToInteger("px"), 0);
    EXPECT_EQ(textToInteger("1-2"), 1);
    EXPECT_EQ(textToInteger(""), 0);
    EXPECT_EQ(textToInteger("-"), 0);
    EXPECT_EQ(textToInteger("- 5"), 0);
    EXPECT_EQ(textToInteger("-485"), -485);
    EXPECT_EQ(textToInteger("+7x"), 7);
    EXPECT_EQ(textToInteger("\t\r\n 9"), 9);
    EXPECT_EQ(textToInteger("007"), 7);
}

TEST(TextToInteger, FoldsFullWidthSignsAndSpaces) {
    EXPECT_EQ(textToInteger("－５"), -5);
    EXPECT_EQ(textToInteger("＋１２"), 12);
    EXPECT_EQ(textToInteger("　　３４"), 34);  // ideographic spaces
    EXPECT_EQ(textToInteger("１２３ｐｘ"), 123);
    EXPECT_EQ(textToInteger("一二三"), 0);  // other characters end the number
    EXPECT_EQ(textToInteger("5中"), 5);
}

TEST(TextToInteger, SaturatesInsteadOfWrapping) {
    EXPECT_EQ(textToInteger("2147483647"), 2147483647);
    EXPECT_EQ(textToInteger("2147483648"), 2147483647);
    EXPECT_EQ(textToInteger("99999999999999999999999"), 2147483647);
    EXPECT_EQ(textToInteger("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(textToInteger("-2147483649"), -2147483647 - 1);
    EXPECT_EQ(textToInteger("-99999999999999999999999"), -2147483647 - 1);
}

TEST(CountOccurrences, CountsNonOverlappingIgnoringAsciiCase) {
    EXPECT_EQ(countOccurrences("aaaa", "aa"), 2);
    EXPECT_EQ(countOccurrences("aaa", "aa"), 1);
    EXPECT_EQ(countOccurrences("<AREA SHAPE= <area shape=", "<area shape="), 2);
    EXPECT_EQ(countOccurrences("<AREA SHAPE= <area shape=", "<area shape=", true), 1);
    EXPECT_EQ(countOccurrences("", "a"), 0);
    EXPECT_EQ(countOccurrences("abc", ""), 0);
    EXPECT_EQ(countOccurrences("提示提示", "提示"), 2);
    // Folding touches ASCII only: full-width letters are not ASCII letters.
    EXPECT_EQ(countOccurrences("ＡＢ", "ａｂ"), 0);
}

TEST(FindText, NeverMatchesInsideAMultiByteCharacter) {
    EXPECT_EQ(findText("傲係", "係"), 3u);
    EXPECT_EQ(findText("x傲", "傲", 2), std::string_view::npos);
    EXPECT_EQ(findText("HTTP://a", "http", 0, true), 0u);
    EXPECT_EQ(findText("HTTP://a", "http"), std::string_view::npos);
    EXPECT_EQ(findText("ab", "abc", 0, true), std::string_view::npos);
    EXPECT_EQ(findText("ab", "b", 5, true), std::string_view::npos);
}

TEST(CaseFolding, TouchesOnlyAsciiLetters) {
    EXPECT_TRUE(equalsIgnoreAsciiCase("Velquist.EXE 中文Ａ", "velquist.exe 中文Ａ"));
    EXPECT_TRUE(equalsIgnoreAsciiCase("VELQUIST", "velquist"));
    EXPECT_FALSE(equalsIgnoreAsciiCase("velquist", "velquis"));
    EXPECT_FALSE(equalsIgnoreAsciiCase("Ａ", "ａ"));
}

TEST(ReplaceFirst, StopsAtTheLimitAndMatchesCaseExactly) {
    EXPECT_EQ(replaceFirst("a<b<c<", "<", "[", 2), "a[b[c<");
    EXPECT_EQ(replaceFirst("<X<x", "<x", "!", 5), "<X!");
    EXPECT_EQ(replaceFirst("abc", "", "!", 3), "abc");
    EXPECT_EQ(replaceFirst("abc", "b", "bb", 0), "abc");
}

TEST(FormatNumber, IsPlainDecimal) {
    EXPECT_EQ(formatNumber(0), "0");
    EXPECT_EQ(formatNumber(-102), "-102");
    EXPECT_EQ(formatNumber(90000), "90000");
}

}  // namespace
}  // namespace velquist
