#include "slicing/slice_export.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/file_io.h"
#include "pictures/picture_decoder.h"
#include "support/read_only.h"
#include "support/temp_dir.h"

namespace velquist {
namespace {

Picture stripes(int width, int height) {
    Picture p{width, height, std::vector<uint32_t>(size_t(width) * size_t(height)), true, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            p.pixels[size_t(y) * size_t(width) + size_t(x)] = uint32_t(y * 7 + x) & 0xFFFFFF;
        }
    }
    return p;
}

TEST(SliceExport, EverySliceIsExactlyItsRowsAndTheyStackBackIntoThePicture) {
    test::TempDir dir;
    const Picture p = stripes(30, 100);
    const SliceExport plan{dir.path(), "页面", SliceFormat::Png, 0, {40, 75}};
    Result<std::vector<ExportedSlice>> slices = exportSlices(p, plan);
    ASSERT_TRUE(slices) << slices.error();
    ASSERT_EQ(slices->size(), 3u);
    std::vector<uint32_t> stacked;
    for (const ExportedSlice& s : *slices) {
        Result<std::string> bytes = readWholeFile(dir.path() + "/" + s.fileName);
        ASSERT_TRUE(bytes) << s.fileName;
        Result<Picture> back = decodePicture(*bytes);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->height, s.area.height);
        stacked.insert(stacked.end(), back->pixels.begin(), back->pixels.end());
    }
    EXPECT_EQ((*slices)[0].fileName, "页面_01.png");
    EXPECT_EQ((*slices)[2].fileName, "页面_03.png");
    EXPECT_EQ(stacked, p.pixels);
    EXPECT_EQ(sliceFileName("a", 4, 120, SliceFormat::Jpeg), "a_005.jpg");
}

TEST(SliceExport, ASliceOverBudgetIsNamedAndAFolderThatTakesNoFilesNamesTheSlice) {
    test::TempDir dir;
    const Picture p = stripes(30, 100);
    Result<std::vector<ExportedSlice>> tight =
        exportSlices(p, {dir.path(), "b", SliceFormat::Jpeg, 10, {50}});
    ASSERT_TRUE(tight);
    EXPECT_FALSE((*tight)[0].withinBudget);
    EXPECT_NE(overBudgetNote(*tight, 10).find("b_02.jpg"), std::string::npos);

    const std::string locked = dir.path() + "/locked";
    std::filesystem::create_directory(locked);
    test::ReadOnlyFolder readOnly(locked);
    if (!readOnly.holds()) {
        GTEST_SKIP() << test::ReadOnlyFolder::kWhyNot;
    }
    Result<std::vector<ExportedSlice>> refused =
        exportSlices(p, {locked, "页面", SliceFormat::Jpeg, 500 * 1024, {50}});
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.error().find("页面_01.jpg"), std::string::npos) << refused.error();
}

}  // namespace
}  // namespace velquist
