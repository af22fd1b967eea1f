#include <gtest/gtest.h>

#include <climits>

#include "skin/frame/FrameMetrics.h"
#include "tests/skin/ExpectRect.h"

namespace {

void SetBorder(TSkinFrameBorder& border, int width, int height, int frames, StateLayout states) {
    border.Image = PixelBuffer(width, height, 0x123456);
    border.FrameCount = frames;
    border.States = states;
}

class FrameMetricsTest : public ::testing::Test {
protected:
    FrameMetricsTest() {
        SetBorder(skin.Left, 12, 30, 2, StateLayout::SideBySide);    // 6 wide
        SetBorder(skin.Right, 10, 30, 1, StateLayout::SideBySide);   // 10 wide
        SetBorder(skin.Top, 50, 40, 2, StateLayout::Stacked);        // caption 20
        SetBorder(skin.Bottom, 50, 8, 2, StateLayout::Stacked);      // 4 high
    }

    TSkinHost host;
    TSkinData skin{host};
    // Left 6, caption 20, right 10, bottom 4, menu bar 19.
    FrameMetrics withMenu{6, 20, 10, 4, 19};
    FrameMetrics withoutMenu{6, 20, 10, 4, 0};
};

TEST_F(FrameMetricsTest, Metrics_AreOneStateOfEachBorderImage) {
    FrameMetrics metrics = ComputeFrameMetrics(skin, BorderKind::Sizable, 19);
    EXPECT_EQ(metrics.Left, 6);
    EXPECT_EQ(metrics.Caption, 20);
    EXPECT_EQ(metrics.Right, 10);
    EXPECT_EQ(metrics.Bottom, 4);
    EXPECT_EQ(metrics.MenuBar, 19);
    EXPECT_EQ(ComputeFrameMetrics(skin, BorderKind::Dialog, 0).Caption, 20);
}

TEST_F(FrameMetricsTest, WindowWithoutCaption_HasNoSkinFrame) {
    FrameMetrics metrics = ComputeFrameMetrics(skin, BorderKind::NoCaption, 19);
    EXPECT_EQ(metrics.Left + metrics.Caption + metrics.Right + metrics.Bottom + metrics.MenuBar, 0);
}

TEST_F(FrameMetricsTest, OddFrameCountsAndMissingImages_GiveSmallSaneMetrics) {
    skin.Top.FrameCount = 0;          // taken as one state
    skin.Left.FrameCount = INT_MAX;   // more states than pixels
    skin.Right.Image = PixelBuffer();
    FrameMetrics metrics = ComputeFrameMetrics(skin, BorderKind::Single, -5);
    EXPECT_EQ(metrics.Caption, 40);
    EXPECT_EQ(metrics.Left, 0);
    EXPECT_EQ(metrics.Right, 0);
    EXPECT_EQ(metrics.MenuBar, 0);
}

TEST(BorderState, TwoStateImage_DrawsStateTwoWhileInactive) {
    EXPECT_EQ(BorderState(true, 2), 1);
    EXPECT_EQ(BorderState(false, 2), 2);
    EXPECT_EQ(BorderState(false, 1), 1);  // one state serves both
    EXPECT_EQ(BorderState(false, 0), 1);
}

TEST_F(FrameMetricsTest, Parts_LieAroundTheClientArea) {
    FrameParts parts = LayoutFrameParts({300, 200}, withMenu);
    ExpectRect(parts.Left, 0, 0, 6, 200);
    ExpectRect(parts.Right, 290, 0, 10, 200);
    ExpectRect(parts.Caption, 6, 0, 284, 20);
    ExpectRect(parts.MenuBar, 6, 20, 284, 19);
    ExpectRect(parts.Bottom, 6, 196, 284, 4);
    ExpectRect(parts.Client, 6, 39, 284, 157);
}

TEST_F(FrameMetricsTest, PartsOfATinyWindow_AreNeverNegative) {
    FrameParts parts = LayoutFrameParts({8, 5}, withMenu);
    for (Rect part : {parts.Left, parts.Right, parts.Caption, parts.MenuBar, parts.Bottom, parts.Client}) {
        EXPECT_GE(part.Width, 0);
        EXPECT_GE(part.Height, 0);
        EXPECT_LE(RightOf(part), 8);
        EXPECT_LE(BottomOf(part), 5);
    }
}

TEST_F(FrameMetricsTest, ClientRect_IsTheWindowLessBordersCaptionAndMenuBar) {
    ExpectRect(SkinnedClientRect({100, 50, 300, 200}, withMenu), 106, 89, 284, 157);
    ExpectRect(SkinnedClientRect({100, 50, 300, 200}, withoutMenu), 106, 70, 284, 176);
    // Smaller than its frame: an empty client area, not a negative one.
    ExpectRect(SkinnedClientRect({-40, 0, 10, 30}, withMenu), -34, 39, 0, 0);
}

TEST_F(FrameMetricsTest, HitTest_OnlyNowhereAndCaptionChange) {
    // Client y 0 lies at window y 39 (caption 20 + menu bar 19).
    auto at = [](int windowY) { return Point{50, windowY - 39}; };
    EXPECT_EQ(SkinnedHitTest(1, at(10), withMenu), 1);    // client
    EXPECT_EQ(SkinnedHitTest(10, at(10), withMenu), 10);  // left border
    EXPECT_EQ(SkinnedHitTest(20, at(2), withMenu), 20);   // close box
    EXPECT_EQ(SkinnedHitTest(HitTest::Nowhere, at(3), withMenu), HitTest::Nowhere);
    EXPECT_EQ(SkinnedHitTest(HitTest::Caption, at(3), withMenu), HitTest::Caption);
    EXPECT_EQ(SkinnedHitTest(HitTest::Nowhere, at(4), withMenu), HitTest::Caption);
    EXPECT_EQ(SkinnedHitTest(HitTest::Nowhere, at(19), withMenu), HitTest::Caption);
    EXPECT_EQ(SkinnedHitTest(HitTest::Nowhere, at(20), withMenu), HitTest::Menu);
    EXPECT_EQ(SkinnedHitTest(HitTest::Caption, at(38), withMenu), HitTest::Menu);
    EXPECT_EQ(SkinnedHitTest(HitTest::Nowhere, at(39), withMenu), HitTest::Caption);
    // Without a menu bar its rows are caption too.
    auto atNoMenu = [](int windowY) { return Point{50, windowY - 20}; };
    EXPECT_EQ(SkinnedHitTest(HitTest::Nowhere, atNoMenu(25), withoutMenu), HitTest::Caption);
}

TEST_F(FrameMetricsTest, HitTest_BottomBorderIsNeverTheMenu) {
    // A window 200 high: the bottom border's rows lie far below the menu bar.
    EXPECT_EQ(SkinnedHitTest(HitTest::Nowhere, {50, 197 - 39}, withMenu), HitTest::Caption);
}

TEST_F(FrameMetricsTest, FinishedSize_KeepsTheClientAreaInsideTheSkin) {
    Size withBar = SkinnedWindowSize({200, 100}, withMenu);
    EXPECT_EQ(withBar.Width, 216);
    EXPECT_EQ(withBar.Height, 143);
    EXPECT_EQ(SkinnedWindowSize({200, 100}, withoutMenu).Height, 124);
    // And back: the client rectangle of that window is the client size.
    Rect client = SkinnedClientRect({0, 0, withBar.Width, withBar.Height}, withMenu);
    EXPECT_EQ(client.Width, 200);
    EXPECT_EQ(client.Height, 100);
}

TEST(DialogWidening, LongCaption_WidensAndShiftsChildrenByHalf) {
    TSkinTitleElement title;
    title.TextShift = 10;
    title.TextRightClip = 30;
    DialogWidening widened = WidenDialogForCaption(200, 220, title, 1024);
    EXPECT_EQ(widened.Width, 260);
    EXPECT_EQ(widened.ChildShift, 30);
    DialogWidening fits = WidenDialogForCaption(300, 220, title, 1024);
    EXPECT_EQ(fits.Width, 300);
    EXPECT_EQ(fits.ChildShift, 0);
    DialogWidening exact = WidenDialogForCaption(260, 220, title, 1024);
    EXPECT_EQ(exact.Width, 260);
    EXPECT_EQ(exact.ChildShift, 0);
}

TEST(DialogWidening, HugeOrNegativeTitleMargins_StayWithinTheScreen) {
    TSkinTitleElement title;
    title.TextShift = INT_MAX;
    title.TextRightClip = INT_MAX;
    DialogWidening widened = WidenDialogForCaption(200, INT_MAX, title, 1024);
    EXPECT_EQ(widened.Width, 1024);
    EXPECT_EQ(widened.ChildShift, 412);
    title.TextShift = INT_MIN;
    title.TextRightClip = INT_MIN;
    EXPECT_EQ(WidenDialogForCaption(200, 500, title, 1024).Width, 200);
    // A window already wider than the screen is never narrowed.
    title.TextShift = 0;
    title.TextRightClip = 0;
    EXPECT_EQ(WidenDialogForCaption(2000, 2500, title, 1024).Width, 2000);
}

}  // namespace
