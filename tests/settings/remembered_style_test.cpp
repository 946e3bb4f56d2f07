// The settings window's values kept in pz.ini: read back as written, damage falls back quietly.
#include "settings/remembered_style.h"

#include <gtest/gtest.h>

#include "core/ini_file.h"
#include "support/temp_dir.h"

namespace velquist {
namespace {

bool sameStyle(const HotspotStyle& a, const HotspotStyle& b) {
    return a.width == b.width && a.height == b.height && a.transparency == b.transparency &&
           a.fillColor == b.fillColor && a.borderColor == b.borderColor;
}

TEST(RememberedStyle, ReadsBackWhatWasKeptAndDefaultsForDamagedValues) {
    test::TempDir dir;
    EXPECT_TRUE(sameStyle(readRememberedStyle(dir.path()), HotspotStyle{}));
    EXPECT_EQ(readRememberedWorkAreaColor(dir.path()), std::nullopt);

    const HotspotStyle kept{240, 36, 1, rgb(0x12, 0xAB, 0xEF), rgb(0, 0, 0)};
    ASSERT_TRUE(rememberStyle(dir.path(), kept));
    ASSERT_TRUE(rememberWorkAreaColor(dir.path(), rgb(0x20, 0x40, 0x60)));
    EXPECT_TRUE(sameStyle(readRememberedStyle(dir.path()), kept));
    EXPECT_EQ(readRememberedWorkAreaColor(dir.path()), rgb(0x20, 0x40, 0x60));

    // Edited by hand: each bad value is the default's, the good ones stay.
    const std::string ini = dir.path() + "/pz.ini";
    const std::pair<const char*, const char*> damaged[] = {
        {"热点区宽度", "30000"},  // 30000 x 30000 is past the picture limit
        {"热点区高度", "30000"},
        {"热区透明度", "0"},
        {"热点区背景色", "#12ABEG"},
        {"工作区背景色", "red"}};
    for (const auto& [key, value] : damaged) {
        ASSERT_TRUE(writeIniValue(ini, "设置", key, value));
    }
    HotspotStyle expected;
    expected.borderColor = kept.borderColor;
    EXPECT_TRUE(sameStyle(readRememberedStyle(dir.path()), expected));
    EXPECT_EQ(readRememberedWorkAreaColor(dir.path()), std::nullopt);

    ASSERT_TRUE(writeIniValue(ini, "设置", "热点区宽度", "12px"));
    ASSERT_TRUE(writeIniValue(ini, "设置", "热点区高度", "40"));
    EXPECT_EQ(readRememberedStyle(dir.path()).width, 100);
}

}  // namespace
}  // namespace velquist
