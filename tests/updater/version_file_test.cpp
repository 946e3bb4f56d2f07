// Reading the published version file in its encodings and its broken forms.
#include "updater/version_file.h"

#include <gtest/gtest.h>

#include "core/encoding.h"

namespace velquist {
namespace {

constexpr const char* kVersionFile =
    "[Velquist]\r\n"
    "主程序版本=v1.1 正式版\r\n"
    "主程序下载地址=http://dl.example.com/Velquist v1.1\r\n"
    "说明=修正若干问题\r\n";

void expectNewVersion(const Result<VersionInfo>& info) {
    ASSERT_TRUE(info) << info.error();
    EXPECT_EQ(info->version, "v1.1 正式版");
    EXPECT_EQ(info->downloadAddress, "http://dl.example.com/Velquist v1.1");
}

TEST(VersionFile, ReadsGbkUtf8AndAnyLineBreaks) {
    expectNewVersion(readVersionFile(utf8ToGb18030(kVersionFile).value()));
    expectNewVersion(readVersionFile(kVersionFile));
    expectNewVersion(readVersionFile(std::string("\xEF\xBB\xBF") + kVersionFile));
    expectNewVersion(readVersionFile(
        "主程序版本=v1.1 正式版\n主程序下载地址=http://dl.example.com/Velquist v1.1"));
    expectNewVersion(readVersionFile(
        "主程序下载地址=http://dl.example.com/Velquist v1.1\r主程序版本=v1.1 正式版\r"));
    // The first occurrence of a key counts.
    expectNewVersion(readVersionFile(std::string(kVersionFile) + "主程序版本=v9\r\n"));
}

TEST(VersionFile, ChecksumIsALineOfItsOwn) {
    EXPECT_EQ(readVersionFile(kVersionFile)->sha256, "");
    EXPECT_EQ(
        readVersionFile(std::string(kVersionFile) + "  SHA256= AbC12 \r\nsha256=ff\r\n")->sha256,
        "abc12");
    // Inside another line (here the address) it is not the checksum.
    EXPECT_EQ(readVersionFile("主程序版本=v2\r\n主程序下载地址=http://x/?sha256=abc\r\n")->sha256,
              "");
}

TEST(VersionFile, NamesTheMissingOrEmptyKey) {
    EXPECT_EQ(readVersionFile("主程序下载地址=http://x/\r\n").error(),
              "版本文件里没有“主程序版本=”");
    EXPECT_EQ(readVersionFile("主程序版本=v2\r\n").error(), "版本文件里没有“主程序下载地址=”");
    EXPECT_EQ(readVersionFile("主程序版本=\r\n主程序下载地址=http://x/\r\n").error(),
              "版本文件里“主程序版本=”后面是空的");
    EXPECT_EQ(readVersionFile("主程序版本=v2\r\n主程序下载地址=").error(),
              "版本文件里“主程序下载地址=”后面是空的");
    // An HTML error page or binary junk is no version file either.
    EXPECT_FALSE(readVersionFile("<html><body>404 Not Found</body></html>"));
    EXPECT_FALSE(readVersionFile(std::string("\x00\xff\xfe\x81\x30", 5)));
    EXPECT_FALSE(readVersionFile(""));
}

}  // namespace
}  // namespace velquist
