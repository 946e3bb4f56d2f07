// The store of recent maps, on real files: newest first, at most 20, the same map kept once,
// entries read back whole, and a folder that cannot be written costs nothing already kept.
#include "mapfile/recent_maps.h"

#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>

#include "core/file_io.h"
#include "mapfile/map_file.h"
#include "support/read_only.h"
#include "support/temp_dir.h"

namespace velquist {
namespace {

MapDocument mapWith(size_t hotspots,
                    std::string address = "https://img.example/店/banner.jpg?v=2") {
    MapDocument map;
    map.pictureAddress = std::move(address);
    map.pictureWidth = 790;
    map.pictureHeight = 400;
    for (size_t i = 0; i < hotspots; ++i) {
        map.hotspots.push_back({Rect{static_cast<int>(i), 0, 10, 10}, "提示", "#"});
    }
    return map;
}

size_t filesIn(const std::string& folder) {
    size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) {
        ++n;
    }
    return n;
}

std::string minuteOf(std::time_t when) {
    char text[16] = {};
    std::strftime(text, sizeof text, "%m-%d %H:%M", std::localtime(&when));
    return text;
}

TEST(RecentMaps, KeepsTheNewestTwentyMostRecentFirstAndReadsThemBack) {
    test::TempDir dir;
    RecentMaps store(dir.path());
    EXPECT_TRUE(store.list().empty());
    const std::time_t start = 1'800'000'000;
    // 22 maps, the last three within one second: their order is still the order kept.
    for (size_t n = 1; n <= 22; ++n) {
        const std::time_t when = start + static_cast<std::time_t>(std::min<size_t>(n, 20) * 60);
        ASSERT_TRUE(store.keep(mapWith(n), when));
    }
    const std::vector<RecentMap> entries = store.list();
    ASSERT_EQ(entries.size(), 20u);
    EXPECT_EQ(filesIn(dir.file("maps")), 20u);
    for (size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].hotspotCount, 22 - i);
    }
    EXPECT_EQ(recentMapCaption(entries[0]),
              "banner.jpg · 22 个热区 · " + minuteOf(start + 20 * 60));
    const Result<MapDocument> back = loadMapFile(entries[5].path);
    ASSERT_TRUE(back.ok()) << back.error();
    EXPECT_EQ(writeMapFile(*back), writeMapFile(mapWith(17)));

    // The same map again moves to the front instead of taking a second place.
    ASSERT_TRUE(store.keep(mapWith(10), start + 3600));
    const std::vector<RecentMap> after = store.list();
    ASSERT_EQ(after.size(), 20u);
    EXPECT_EQ(after[0].hotspotCount, 10u);
    EXPECT_EQ(std::count_if(after.begin(), after.end(),
                            [](const RecentMap& e) { return e.hotspotCount == 10; }),
              1);
    EXPECT_EQ(after[19].hotspotCount, 3u);

    EXPECT_TRUE(store.keptByProgram(after[0].path));
    EXPECT_TRUE(store.keptByProgram(dir.file("maps/../autosave.vqmap")));
    EXPECT_FALSE(store.keptByProgram(dir.file("work.vqmap")));
}

TEST(RecentMaps, AReplacedMapIsKeptOnlyWithHotspotsAndAFailureSaysWhyAndLosesNothing) {
    test::TempDir dir;
    RecentMaps store(dir.path());
    EXPECT_EQ(store.keepReplaced(mapWith(0), 1'800'000'000), "");
    EXPECT_FALSE(std::filesystem::exists(dir.file("maps")));
    EXPECT_EQ(store.keepReplaced(mapWith(8, "C:\\图片\\店招.png"), 1'800'000'000),
              "；原来的 8 个热区已存入“最近的热区”（Ctrl+Z 撤销）");
    ASSERT_EQ(store.list().size(), 1u);
    EXPECT_EQ(store.list()[0].pictureName, "店招.png");

    std::string note;
    {
        test::ReadOnlyFolder readOnly(dir.file("maps"));
        if (!readOnly.holds()) {
            GTEST_SKIP() << test::ReadOnlyFolder::kWhyNot;
        }
        note = store.keepReplaced(mapWith(3), 1'800'000'100);
    }
    EXPECT_TRUE(note.starts_with("；原来的 3 个热区未能存入“最近的热区”（")) << note;
    EXPECT_GT(note.size(),
              std::string("；原来的 3 个热区未能存入“最近的热区”（），Ctrl+Z 可撤销").size());
    ASSERT_EQ(store.list().size(), 1u);
    EXPECT_EQ(store.list()[0].hotspotCount, 8u);

    // A folder that cannot even be made: a file stands where it would go.
    test::TempDir blocked;
    ASSERT_TRUE(writeFileAtomically(blocked.file("maps"), "x"));
    const Status refused = RecentMaps(blocked.path()).keep(mapWith(2), 1'800'000'000);
    ASSERT_FALSE(refused);
    EXPECT_TRUE(refused.message().starts_with("无法建立文件夹 " + blocked.file("maps") + "："))
        << refused.message();
}

}  // namespace
}  // namespace velquist
