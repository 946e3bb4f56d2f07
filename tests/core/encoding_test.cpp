// UTF-8 and GB18030 conversion, and the reading rule for text files.
#include "core/encoding.h"

#include <gtest/gtest.h>

#include "core/messages.h"

namespace velquist {
namespace {

TEST(Gb18030, GbkCharactersHaveTheirGbkBytes) {
    auto gb = utf8ToGb18030("；：×中");
    ASSERT_TRUE(gb.ok());
    EXPECT_EQ(*gb, "\xA3\xBB\xA3\xBA\xA1\xC1\xD6\xD0");
    auto back = gb18030ToUtf8(*gb);
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(*back, "；：×中");
}

TEST(Gb18030, CharactersOutsideGbkRoundTrip) {
    const std::string text = "emoji 😀, €, 𠀀, ñ, 한국어, \x01";
    if (!systemHasGb18030()) {
        // Wine has no GB18030 code page: the GBK fallback must refuse, never write '?'.
        EXPECT_EQ(utf8ToGb18030(text).error(), core_messages::kOutsideGbk);
        EXPECT_EQ(utf8ToGb18030("?").value(), "?");
        return;
    }
    auto gb = utf8ToGb18030(text);
    ASSERT_TRUE(gb.ok());
    auto back = gb18030ToUtf8(*gb);
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(*back, text);
}

TEST(Gb18030, InvalidInputIsAClearFailure) {
    auto bad = utf8ToGb18030("ok\xC3");
    EXPECT_FALSE(bad.ok());
    EXPECT_FALSE(bad.error().empty());
    EXPECT_FALSE(utf8ToGb18030("\xED\xA0\x80").ok());  // a surrogate
    EXPECT_FALSE(gb18030ToUtf8("\xD6").ok());          // lead byte without trail
    EXPECT_FALSE(gb18030ToUtf8("\xFF").ok());
    EXPECT_TRUE(utf8ToGb18030("").ok());
}

TEST(Utf8Validation, RejectsOverlongSurrogatesAndTruncation) {
    EXPECT_TRUE(isValidUtf8("plain 中文 😀"));
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));          // overlong "/"
    EXPECT_FALSE(isValidUtf8("\xE0\x80\xAF"));      // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xB0\x80"));      // surrogate
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80"));  // past U+10FFFF
    EXPECT_FALSE(isValidUtf8("\xE4\xB8"));          // cut short
    EXPECT_FALSE(isValidUtf8("\x80"));
}

TEST(DecodeTextFile, PrefersUtf8ThenGb18030) {
    EXPECT_EQ(decodeTextFile("\xEF\xBB\xBFhello 中"), "hello 中");
    EXPECT_EQ(decodeTextFile("\xD6\xD0\xCE\xC4"), "中文");  // GBK bytes
    // A broken byte costs one replacement character, not the rest of the text.
    EXPECT_EQ(decodeTextFile("a\xFF\xD6\xD0z"), "a\xEF\xBF\xBD中z");
    EXPECT_EQ(decodeTextFile("end\xD6"), "end\xEF\xBF\xBD");
    EXPECT_EQ(decodeTextFile(""), "");
}

TEST(EncodeTextFile, IsGb18030UnlessThoseBytesWouldReadBackAsOtherText) {
    // Without GB18030 (Wine) the emoji has no GBK bytes and the text is kept as UTF-8.
    EXPECT_EQ(*encodeTextFile("中文 😀\r\n"),
              systemHasGb18030() ? *utf8ToGb18030("中文 😀\r\n") : "\xEF\xBB\xBF中文 😀\r\n");
    EXPECT_EQ(*encodeTextFile("ascii"), "ascii");
    // "女装" is C5 AE D7 B0 in GB18030, which is also UTF-8 for "Ůװ"; "锘开" starts with the
    // bytes of a UTF-8 BOM.
    EXPECT_EQ(*encodeTextFile("title=\"女装\""), "\xEF\xBB\xBFtitle=\"女装\"");
    // U+E78D is one of the private-use characters that iconv's GB18030 has no bytes for.
    for (const char* text :
         {"女装", "鞋", "锘开", "\xEF\xBB\xBF女装", "女装 中", "中 \xEE\x9E\x8D"}) {
        EXPECT_EQ(decodeTextFile(*encodeTextFile(text)), text);
    }
    EXPECT_FALSE(encodeTextFile("ok\xC3").ok());
}

}  // namespace
}  // namespace velquist
