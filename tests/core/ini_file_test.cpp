// INI files: private-profile look-up rules, GB18030 on disk, atomic replacement.
#include "core/ini_file.h"

#include <gtest/gtest.h>

#include "core/encoding.h"
#include "core/file_io.h"
#include "support/read_only.h"
#include "support/temp_dir.h"

namespace velquist {
namespace {

std::string contents(const std::string& path) {
    auto bytes = readWholeFile(path);
    return bytes ? *bytes : std::string("<missing>");
}

TEST(IniFile, MissingFileSectionOrKeyReadsEmpty) {
    test::TempDir dir;
    const std::string ini = dir.file("pz.ini");
    EXPECT_EQ(readIniValue(ini, "配置", "背景图"), "");
    ASSERT_TRUE(writeIniValue(ini, "other", "k", "v").ok());
    EXPECT_EQ(readIniValue(ini, "配置", "背景图"), "");
    EXPECT_EQ(readIniValue(ini, "other", "missing"), "");
}

TEST(IniFile, CreatesTheFileAsGb18030WithCrLf) {
    test::TempDir dir;
    const std::string ini = dir.file("pz.ini");
    ASSERT_TRUE(
        writeIniValue(ini, "配置", "背景图", "https://img.example.com/a.jpg?x=1&y=中").ok());
    EXPECT_EQ(contents(ini),
              "[\xC5\xE4\xD6\xC3]\r\n\xB1\xB3\xBE\xB0\xCD\xBC=https://img.example.com/a.jpg?x=1&y="
              "\xD6\xD0\r\n");
    EXPECT_EQ(readIniValue(ini, "配置", "背景图"), "https://img.example.com/a.jpg?x=1&y=中");
}

TEST(IniFile, WritesKeepEverythingElse) {
    test::TempDir dir;
    const std::string ini = dir.file("gx.ini");
    // A hand-made file with a comment, blank lines and three sections.
    ASSERT_TRUE(writeFileAtomically(ini,
                                    "; note\r\n[Other]\r\nA = 1\r\n\r\n[\xC5\xE4\xD6\xC3]\r\n"
                                    "\xB0\xE6\xB1\xBE=v0\r\nextra=keep\r\n\r\n[Tail]\r\nB=2\r\n")
                    .ok());
    ASSERT_TRUE(writeIniValue(ini, "配置", "版本", "v1.0.0").ok());
    ASSERT_TRUE(writeIniValue(ini, "配置", "id", "1").ok());
    ASSERT_TRUE(writeIniValue(ini, "tail", "c", "3").ok());
    EXPECT_EQ(readIniValue(ini, "other", "a"), "1");
    EXPECT_EQ(readIniValue(ini, "配置", "版本"), "v1.0.0");
    EXPECT_EQ(readIniValue(ini, "配置", "extra"), "keep");
    EXPECT_EQ(readIniValue(ini, "配置", "ID"), "1");
    EXPECT_EQ(readIniValue(ini, "Tail", "B"), "2");
    EXPECT_EQ(readIniValue(ini, "TAIL", "C"), "3");
    // New keys go at the end of their own section, before the blank line that ends it.
    EXPECT_EQ(contents(ini),
              "; note\r\n[Other]\r\nA = 1\r\n\r\n[\xC5\xE4\xD6\xC3]\r\n\xB0\xE6\xB1\xBE=v1.0.0\r\n"
              "extra=keep\r\nid=1\r\n\r\n[Tail]\r\nB=2\r\nc=3\r\n");
}

TEST(IniFile, LongValuesAreCutAtTheLimitWithoutSplittingACharacter) {
    test::TempDir dir;
    const std::string ini = dir.file("pz.ini");
    const std::string ascii(12000, 'a');
    ASSERT_TRUE(writeIniValue(ini, "s", "k", ascii).ok());
    EXPECT_EQ(readIniValue(ini, "s", "k"), std::string(kIniValueLimit, 'a'));
    // Each "中" is two bytes on disk: 10,239 bytes hold 5,119 of them.
    std::string wide;
    for (int i = 0; i < 6000; ++i) {
        wide += "中";
    }
    ASSERT_TRUE(writeIniValue(ini, "s", "k", wide).ok());
    EXPECT_EQ(readIniValue(ini, "s", "k").size(), 5119u * 3);
    // "偏" is C6 AB on disk, which alone would pass for UTF-8 "ƫ": the cut still reads "偏".
    std::string slanted;
    for (int i = 0; i < 6000; ++i) {
        slanted += "偏";
    }
    ASSERT_TRUE(writeFileAtomically(ini, "[s]\nk=" + slanted + "\n").ok());
    EXPECT_EQ(readIniValue(ini, "s", "k"), slanted.substr(0, 5119u * 3));
    // U+E78D has no GB18030 bytes in iconv, so there that value is kept as UTF-8 and cut as
    // UTF-8: 10,239 bytes hold 3,413 of its three-byte characters. Windows' code pages have
    // two bytes for it, as for "中".
    std::string privateUse;
    for (int i = 0; i < 4000; ++i) {
        privateUse += "\xEE\x9E\x8D";
    }
    ASSERT_TRUE(writeIniValue(ini, "s", "k", privateUse).ok());
    const size_t kept = utf8ToGb18030("\xEE\x9E\x8D").ok() ? 5119u : 3413u;
    EXPECT_EQ(readIniValue(ini, "s", "k"), privateUse.substr(0, kept * 3));
}

TEST(IniFile, ValuesThatGb18030CannotCarryReadBackAsWritten) {
    test::TempDir dir;
    const std::string ini = dir.file("pz.ini");
    // GB18030 "女装" passes for UTF-8 "Ůװ"; U+E78D has no GB18030 bytes in iconv.
    ASSERT_TRUE(writeIniValue(ini, "女装", "鞋", "女装").ok());
    EXPECT_EQ(readIniValue(ini, "女装", "鞋"), "女装");
    ASSERT_TRUE(writeIniValue(ini, "女装", "k", "中").ok());
    ASSERT_TRUE(writeIniValue(ini, "other", "k", "\xEE\x9E\x8D").ok());
    EXPECT_EQ(readIniValue(ini, "女装", "鞋"), "女装");
    EXPECT_EQ(readIniValue(ini, "女装", "k"), "中");
    EXPECT_EQ(readIniValue(ini, "other", "k"), "\xEE\x9E\x8D");
}

TEST(IniFile, ValuesThatWouldBreakTheFileAreRefused) {
    test::TempDir dir;
    const std::string ini = dir.file("pz.ini");
    ASSERT_TRUE(writeIniValue(ini, "配置", "背景图", "old").ok());
    const Status st = writeIniValue(ini, "配置", "背景图", "http://a\r\n[配置]\r\n背景图=evil");
    EXPECT_FALSE(st.ok());
    EXPECT_EQ(readIniValue(ini, "配置", "背景图"), "old");
}

TEST(IniFile, ReadOnlyFolderIsAClearErrorAndTheOldFileStays) {
    test::TempDir dir;
    const std::string ini = dir.file("pz.ini");
    ASSERT_TRUE(writeIniValue(ini, "配置", "背景图", "old").ok());
    const std::string before = contents(ini);
    {
        test::ReadOnlyFolder readOnly(dir.path());
        if (!readOnly.holds()) {
            GTEST_SKIP() << test::ReadOnlyFolder::kWhyNot;
        }
        const Status st = writeIniValue(ini, "配置", "背景图", "new");
        EXPECT_FALSE(st.ok());
        EXPECT_FALSE(st.message().empty());
    }
    EXPECT_EQ(contents(ini), before);
}

}  // namespace
}  // namespace velquist
