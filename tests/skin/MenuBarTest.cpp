#include <gtest/gtest.h>

#include <climits>

#include "skin/menu/MenuBarKeys.h"
#include "skin/menu/MenuBarLayout.h"
#include "tests/skin/ExpectRect.h"

namespace {

TSkinElement BarElement(int leftWidth, int rightWidth) {
    TSkinElement bar;
    bar.LeftWidth = leftWidth;
    bar.RightWidth = rightWidth;
    return bar;
}

// The bar below a 24-pixel caption between 4-pixel borders of a 300-wide window.
constexpr Rect kBar{4, 24, 292, 19};
const std::vector<MenuBarItemSize> kThreeItems{{40, true}, {30, true}, {50, true}};

TEST(MenuBarLayout, ItemsFollowEachOtherFromSixPixelsIn) {
    std::vector<Rect> items = LayoutMenuBar(kThreeItems, kBar, nullptr, false);
    ASSERT_EQ(items.size(), 3u);
    ExpectRect(items[0], 10, 24, 50, 18);
    ExpectRect(items[1], 60, 24, 40, 18);
    ExpectRect(items[2], 100, 24, 60, 18);
}

TEST(MenuBarLayout, HiddenItems_TakeNoRoom) {
    std::vector<Rect> items = LayoutMenuBar({{40, true}, {30, false}, {50, true}}, kBar, nullptr, false);
    EXPECT_TRUE(items[1].Empty());
    EXPECT_EQ(items[2].Left, 60);
}

TEST(MenuBarLayout, SkinElement_SetsTheIndent) {
    TSkinElement bar = BarElement(5, 7);
    EXPECT_EQ(MenuBarIndent(292, &bar, false), 9);
    EXPECT_EQ(MenuBarIndent(292, &bar, true), 15);
    EXPECT_EQ(MenuBarIndent(292, nullptr, true), 6);
    EXPECT_EQ(LayoutMenuBar(kThreeItems, kBar, &bar, false)[0].Left, 4 + 9);
    // A bar narrower than the indent starts its items at 12.
    EXPECT_EQ(MenuBarIndent(8, &bar, false), 12);
}

TEST(MenuBarLayout, RightToLeft_RunsFromTheRightEdge) {
    std::vector<Rect> items = LayoutMenuBar(kThreeItems, kBar, nullptr, true);
    // The bar ends at 296; the first item ends 6 pixels before it.
    ExpectRect(items[0], 240, 24, 50, 18);
    ExpectRect(items[1], 200, 24, 40, 18);
    ExpectRect(items[2], 140, 24, 60, 18);
}

TEST(MenuBarLayout, HugeOrNegativeSkinMargins_GiveSaneItems) {
    TSkinElement huge = BarElement(INT_MAX, INT_MAX);
    EXPECT_EQ(LayoutMenuBar(kThreeItems, kBar, &huge, false)[0].Left, 4 + 12);
    EXPECT_EQ(LayoutMenuBar(kThreeItems, kBar, &huge, true)[0].Left, 296 - 12 - 50);
    TSkinElement negative = BarElement(INT_MIN, INT_MIN);
    EXPECT_EQ(LayoutMenuBar(kThreeItems, kBar, &negative, false)[0].Left, 4 + 4);
    EXPECT_EQ(LayoutMenuBar(kThreeItems, kBar, &negative, true)[0].Left, 296 - 8 - 50);
    // Nor do odd measurements or a bar without height.
    std::vector<Rect> odd = LayoutMenuBar({{-100, true}, {INT_MAX, true}}, {0, 0, 100, 0}, nullptr, false);
    EXPECT_EQ(odd[0].Width, 0);
    EXPECT_EQ(odd[0].Height, 0);
    EXPECT_LE(odd[1].Width, kFrameCoordinateLimit);
}

TEST(MenuBarLayout, ItemAt_FindsTheItemUnderThePoint) {
    std::vector<Rect> items = LayoutMenuBar(kThreeItems, kBar, nullptr, false);
    EXPECT_EQ(MenuBarItemAt(items, {10, 24}), 0);
    EXPECT_EQ(MenuBarItemAt(items, {60, 30}), 1);
    EXPECT_EQ(MenuBarItemAt(items, {159, 41}), 2);
    EXPECT_EQ(MenuBarItemAt(items, {160, 30}), -1);
    EXPECT_EQ(MenuBarItemAt(items, {30, 42}), -1);  // the bar's last row
    EXPECT_EQ(MenuBarItemAt(items, {5, 30}), -1);
}

TEST(MenuBarKeys, RightArrowOnTheThirdOfThreeItems_OpensTheFirst) {
    std::vector<bool> visible{true, true, true};
    EXPECT_EQ(MenuBarItemAfterArrow(visible, 2, MenuArrow::Right, false), 0);
    EXPECT_EQ(MenuBarItemAfterArrow(visible, 0, MenuArrow::Right, false), 1);
    EXPECT_EQ(MenuBarItemAfterArrow(visible, 0, MenuArrow::Left, false), 2);
    EXPECT_EQ(MenuBarItemAfterArrow(visible, 1, MenuArrow::Left, false), 0);
}

TEST(MenuBarKeys, RightToLeftBars_SwapTheArrows) {
    std::vector<bool> visible{true, true, true};
    EXPECT_EQ(MenuBarItemAfterArrow(visible, 2, MenuArrow::Left, true), 0);
    EXPECT_EQ(MenuBarItemAfterArrow(visible, 0, MenuArrow::Right, true), 2);
}

TEST(MenuBarKeys, Arrows_SkipHiddenItems) {
    EXPECT_EQ(MenuBarItemAfterArrow({true, false, true}, 0, MenuArrow::Right, false), 2);
    EXPECT_EQ(MenuBarItemAfterArrow({true, false, false}, 0, MenuArrow::Right, false), 0);
    EXPECT_EQ(MenuBarItemAfterArrow({false, false}, 0, MenuArrow::Right, false), -1);
    EXPECT_EQ(MenuBarItemAfterArrow({}, 0, MenuArrow::Left, false), -1);
    // From no item: right finds the first, left the last.
    EXPECT_EQ(MenuBarItemAfterArrow({true, true, true}, -1, MenuArrow::Right, false), 0);
    EXPECT_EQ(MenuBarItemAfterArrow({true, true, true}, 7, MenuArrow::Left, false), 2);
}

TEST(MenuBarKeys, Accelerator_IsTheCharacterAfterASingleAmpersand) {
    EXPECT_EQ(MenuAccelerator("\xCE\xC4\xBC\xFE(&F)"), 'F');  // 文件(&F)
    EXPECT_EQ(MenuAccelerator("&edit"), 'E');
    EXPECT_EQ(MenuAccelerator("Save && &Quit"), 'Q');
    EXPECT_EQ(MenuAccelerator("Fish && Chips"), std::nullopt);
    EXPECT_EQ(MenuAccelerator("Trailing&"), std::nullopt);
    EXPECT_EQ(MenuAccelerator("Plain"), std::nullopt);
    // A marked double-byte character gives no letter, even though its second byte looks like one.
    EXPECT_EQ(MenuAccelerator("&\xB0\x41"), std::nullopt);
}

TEST(MenuBarKeys, AltLetter_FindsTheVisibleItemWithThatAccelerator) {
    std::vector<std::string> captions{"\xCE\xC4\xBC\xFE(&F)", "\xB0\xEF\xD6\xFA(&H)", "&Hidden"};
    EXPECT_EQ(MenuBarItemForAccelerator(captions, {true, true, true}, 'h'), 1);
    EXPECT_EQ(MenuBarItemForAccelerator(captions, {true, true, true}, 'F'), 0);
    EXPECT_EQ(MenuBarItemForAccelerator(captions, {true, false, true}, 'H'), 2);
    EXPECT_EQ(MenuBarItemForAccelerator(captions, {true, true, true}, 'x'), -1);
}

}  // namespace
