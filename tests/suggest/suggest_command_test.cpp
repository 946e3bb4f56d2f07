// `velquist --suggest` run as a process: the map file it writes and the reason it gives.
#include <gtest/gtest.h>

#include <filesystem>

#include "mapfile/map_file.h"
#include "support/programs.h"
#include "support/temp_dir.h"

namespace velquist {
namespace {

TEST(SuggestCommand, WritesTheProposalsOfAPictureIntoAMapFile) {
    test::TempDir dir;
    const std::string out = dir.path() + "/banner.vqmap";
    const test::ProgramRun run =
        test::runProgram(VELQUIST_EXE, {"--suggest", VELQUIST_SAMPLE_PICTURE, out});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.output, "");
    const Result<MapDocument> load = loadMapFile(out);
    ASSERT_TRUE(load.ok()) << load.error();
    EXPECT_EQ(load->pictureAddress, VELQUIST_SAMPLE_PICTURE);
    EXPECT_EQ(load->pictureWidth, 950);
    EXPECT_EQ(load->pictureHeight, 500);
    ASSERT_EQ(load->hotspots.size(), 3u);
    for (const MapHotspot& h : load->hotspots) {
        EXPECT_EQ(h.rect.top, 150);
        EXPECT_EQ(h.rect.height, 320);
        EXPECT_EQ(h.tip, "");
        EXPECT_EQ(h.link, "");
    }
}

TEST(SuggestCommand, ABadPictureEndsWithItsReasonAndNoFile) {
    test::TempDir dir;
    const std::string picture = dir.path() + "/notes.png";
    { std::ofstream(test::fsPath(picture)) << "not a picture"; }
    const std::string out = dir.path() + "/notes.vqmap";
    const test::ProgramRun bad = test::runProgram(VELQUIST_EXE, {"--suggest", picture, out});
    EXPECT_NE(bad.exitCode, 0);
    EXPECT_NE(bad.output.find("图片无法读取："), std::string::npos) << bad.output;
    EXPECT_FALSE(std::filesystem::exists(test::fsPath(out)));

    const test::ProgramRun missing = test::runProgram(VELQUIST_EXE, {"--suggest", picture});
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_NE(missing.output.find("用法："), std::string::npos) << missing.output;
}

}  // namespace
}  // namespace velquist
