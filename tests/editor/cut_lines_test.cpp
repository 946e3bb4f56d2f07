#include "editor/cut_lines.h"

#include <gtest/gtest.h>

namespace velquist {
namespace {

using Rows = std::vector<int>;

TEST(CutLines, APressTakesTheNearestLineWithinFourRowsOnly) {
    CutLines lines({300, 308}, 1000);
    EXPECT_FALSE(lines.grab(295));  // five rows off
    EXPECT_FALSE(lines.holding());
    ASSERT_TRUE(lines.grab(305));  // three from 308, five from 300
    lines.release(350);
    EXPECT_EQ(lines.cuts(), (Rows{300, 350}));
    ASSERT_TRUE(lines.grab(296));
    lines.release(290);
    EXPECT_EQ(lines.cuts(), (Rows{290, 350}));
}

TEST(CutLines, ALineDraggedPastAnotherStaysInOrderAndOffThePictureGoes) {
    CutLines lines({200, 500, 800}, 1000);
    ASSERT_TRUE(lines.grab(200));
    lines.drag(900);
    lines.release(900);
    EXPECT_EQ(lines.cuts(), (Rows{500, 800, 900}));
    ASSERT_TRUE(lines.grab(500));
    lines.drag(-40);
    lines.release(-40);  // above the top
    ASSERT_TRUE(lines.grab(900));
    lines.release(1000);  // on the bottom edge: an empty slice
    EXPECT_EQ(lines.cuts(), Rows{800});
    EXPECT_EQ(lines.rows(), Rows{800});
    // A line dropped on another is one cut.
    lines.add(100);
    ASSERT_TRUE(lines.grab(100));
    lines.release(800);
    EXPECT_EQ(lines.rows(), Rows{800});
}

TEST(CutLines, LinesAreAddedInsideThePictureOnceEach) {
    CutLines lines({600}, 1000);
    lines.add(250);
    lines.add(600);
    lines.add(0);
    lines.add(1000);
    lines.add(-5);
    EXPECT_EQ(lines.rows(), (Rows{250, 600}));
}

}  // namespace
}  // namespace velquist
