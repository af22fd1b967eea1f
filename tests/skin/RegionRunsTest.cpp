#include <gtest/gtest.h>

#include "skin/frame/RegionRuns.h"
#include "tests/skin/ExpectRect.h"

namespace {

constexpr Pixel O = 0x336699;  // opaque
constexpr Pixel M = kMagenta;

PixelBuffer FromRows(const std::vector<std::vector<Pixel>>& rows) {
    PixelBuffer image(int(rows[0].size()), int(rows.size()));
    for (size_t y = 0; y < rows.size(); ++y)
        for (size_t x = 0; x < rows[y].size(); ++x) image.Set(int(x), int(y), rows[y][x]);
    return image;
}

TEST(RegionRuns, MagentaWithinOneInEachChannel_IsTransparent) {
    EXPECT_TRUE(IsOutsideRegion(0xFF00FF));
    EXPECT_TRUE(IsOutsideRegion(0xFE01FE));
    EXPECT_TRUE(IsOutsideRegion(0xFF01FF));
    EXPECT_FALSE(IsOutsideRegion(0xFD00FF));
    EXPECT_FALSE(IsOutsideRegion(0xFF02FF));
    EXPECT_FALSE(IsOutsideRegion(0xFF00FD));
    EXPECT_FALSE(IsOutsideRegion(0x000000));
}

TEST(RegionRuns, OpaquePixels_BecomeOneRectanglePerRunMovedByTheOffset) {
    PixelBuffer image = FromRows({
        {M, O, O, M, O, M},
        {O, O, O, O, O, O},
        {M, M, M, M, M, M},
        {O, 0xFE01FE, 0xFD00FF, M, M, O},
    });
    auto blocks = OpaqueRunBlocks(image, {100, 20});
    ASSERT_EQ(blocks.size(), 1u);
    const std::vector<Rect>& runs = blocks[0];
    ASSERT_EQ(runs.size(), 6u);
    ExpectRect(runs[0], 101, 20, 2, 1);
    ExpectRect(runs[1], 104, 20, 1, 1);
    ExpectRect(runs[2], 100, 21, 6, 1);
    ExpectRect(runs[3], 100, 23, 1, 1);
    ExpectRect(runs[4], 102, 23, 1, 1);
    ExpectRect(runs[5], 105, 23, 1, 1);
}

TEST(RegionRuns, FullyTransparentOrEmptyImage_GivesNoBlocks) {
    EXPECT_TRUE(OpaqueRunBlocks(PixelBuffer(30, 5, M), {0, 0}).empty());
    EXPECT_TRUE(OpaqueRunBlocks(PixelBuffer(), {0, 0}).empty());
}

TEST(RegionRuns, Blocks_HoldAtMost2000Rectangles) {
    // Alternating pixels, 2001 runs in one row.
    PixelBuffer image(4002, 1, M);
    for (int x = 0; x < 4002; x += 2) image.Set(x, 0, O);
    auto blocks = OpaqueRunBlocks(image, {0, 0});
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0].size(), 2000u);
    EXPECT_EQ(blocks[1].size(), 1u);
    ExpectRect(blocks[1][0], 4000, 0, 1, 1);
    // Exactly 2000 fit one block.
    image.Set(4000, 0, M);
    EXPECT_EQ(OpaqueRunBlocks(image, {0, 0}).size(), 1u);
}

class WindowRegionTest : public ::testing::Test {
protected:
    WindowRegionTest() { skin.Left.Trans = skin.Right.Trans = skin.Top.Trans = skin.Bottom.Trans = false; }

    TSkinHost host;
    TSkinData skin{host};
    FrameMetrics metrics{4, 24, 4, 4, 0};
};

TEST_F(WindowRegionTest, NoTransparentSideOrTop_IsTheWholeWindow) {
    skin.Bottom.Trans = true;  // the bottom alone does not count
    EXPECT_TRUE(PlanWindowRegion(skin, metrics).WholeWindow);
}

TEST_F(WindowRegionTest, TransparentBorders_AreCutFromTheirPixels) {
    skin.Top.Trans = true;
    WindowRegionPlan plan = PlanWindowRegion(skin, metrics);
    EXPECT_FALSE(plan.WholeWindow);
    EXPECT_TRUE(plan.CutTop);
    EXPECT_FALSE(plan.CutLeft);
    EXPECT_FALSE(plan.CutRight);
    EXPECT_FALSE(plan.CutBottom);
    skin.Left.Trans = skin.Right.Trans = skin.Bottom.Trans = true;
    plan = PlanWindowRegion(skin, metrics);
    EXPECT_TRUE(plan.CutLeft && plan.CutRight && plan.CutTop && plan.CutBottom);
}

TEST_F(WindowRegionTest, ThinTopOrBottom_TakesItsPlainRectangle) {
    skin.Left.Trans = skin.Top.Trans = skin.Bottom.Trans = true;
    metrics.Caption = 1;
    metrics.Bottom = 1;
    WindowRegionPlan plan = PlanWindowRegion(skin, metrics);
    EXPECT_FALSE(plan.CutTop);
    EXPECT_FALSE(plan.CutBottom);
    metrics.Caption = 2;
    metrics.Bottom = 2;
    plan = PlanWindowRegion(skin, metrics);
    EXPECT_TRUE(plan.CutTop);
    EXPECT_TRUE(plan.CutBottom);
}

}  // namespace
