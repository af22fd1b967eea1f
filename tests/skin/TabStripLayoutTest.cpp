#include <gtest/gtest.h>

#include "skin/tab/TabStripLayout.h"
#include "tests/skin/ExpectRect.h"

namespace {

// Three tabs of a 200 x 100 control, in a row 20 pixels high from the top
// edge, the way the control lays them out.
TabStrip ThreeTabs(int selected) {
    return {.Items = {{2, 2, 40, 18}, {42, 2, 50, 18}, {92, 2, 45, 18}}, .Selected = selected, .VisibleRight = 200};
}

TEST(TabStripLayout, ThePaneLiesBelowTheRowAcrossTheControl) {
    TabStripLayout layout = LayOutTabStrip(200, 100, ThreeTabs(0));
    ExpectRect(layout.Pane, 0, 20, 200, 80);
}

TEST(TabStripLayout, TheChosenTabIsDrawnLastWiderAndOpeningIntoThePane) {
    TabStripLayout layout = LayOutTabStrip(200, 100, ThreeTabs(1));
    ASSERT_EQ(layout.Tabs.size(), 3u);
    EXPECT_EQ(layout.Tabs[0].Index, 0);
    EXPECT_EQ(layout.Tabs[1].Index, 2);
    EXPECT_EQ(layout.Tabs[2].Index, 1);
    ExpectRect(layout.Tabs[2].Area, 40, 2, 54, 19);
}

TEST(TabStripLayout, TheOtherTabsStandLowerOnThePane) {
    TabStripLayout layout = LayOutTabStrip(200, 100, ThreeTabs(1));
    ExpectRect(layout.Tabs[0].Area, 2, 4, 40, 16);
    ExpectRect(layout.Tabs[1].Area, 92, 4, 45, 16);
}

TEST(TabStripLayout, TabsAreCutAtTheScrollButtonsAndTheLeftEdge) {
    TabStrip strip = ThreeTabs(0);
    strip.Items[0] = {0, 2, 42, 18};
    strip.VisibleRight = 60;
    TabStripLayout layout = LayOutTabStrip(200, 100, strip);
    ASSERT_EQ(layout.Tabs.size(), 2u);
    ExpectRect(layout.Tabs[0].Area, 42, 4, 18, 16);  // the second tab, cut
    ExpectRect(layout.Tabs[1].Area, 0, 2, 44, 19);   // the chosen first, widened past the edge
}

TEST(TabStripLayout, NothingIsDrawnOutsideALowControl) {
    TabStripLayout layout = LayOutTabStrip(200, 12, ThreeTabs(0));
    ExpectRect(layout.Pane, 0, 12, 200, 0);
    for (const TabPlace& tab : layout.Tabs) EXPECT_LE(tab.Area.Top + tab.Area.Height, 12);
}

TEST(TabStripLayout, AControlWithoutTabsIsAllPane) {
    TabStripLayout layout = LayOutTabStrip(80, 50, {.VisibleRight = 80});
    EXPECT_TRUE(layout.Tabs.empty());
    ExpectRect(layout.Pane, 0, 0, 80, 50);
}

TEST(TabStripLayout, ButtonTabsKeepTheirPlacesAndOrderWithoutAPane) {
    TabStrip strip = ThreeTabs(1);
    strip.Buttons = true;
    strip.VisibleRight = 120;
    TabStripLayout layout = LayOutTabStrip(200, 100, strip);
    EXPECT_TRUE(layout.Pane.Empty());
    ASSERT_EQ(layout.Tabs.size(), 3u);
    for (int index = 0; index < 3; ++index) EXPECT_EQ(layout.Tabs[index].Index, index);
    ExpectRect(layout.Tabs[1].Area, 42, 2, 50, 18);
    EXPECT_EQ(layout.Tabs[1].Frame, 2);
    ExpectRect(layout.Tabs[2].Area, 92, 2, 28, 18);
}

TEST(TabFrame, ChosenHotAndDisabledTabsTakeTheirFrames) {
    TabStrip strip = ThreeTabs(1);
    strip.Hot = 2;
    EXPECT_EQ(TabFrame(strip, 0), 1);
    EXPECT_EQ(TabFrame(strip, 1), 2);
    EXPECT_EQ(TabFrame(strip, 2), 4);
    strip.Focused = true;
    EXPECT_EQ(TabFrame(strip, 1), 5);
    strip.Enabled = false;
    for (int index = 0; index < 3; ++index) EXPECT_EQ(TabFrame(strip, index), 3);
}

TEST(TabFrame, TheChosenTabUnderTheMouseStaysChosen) {
    TabStrip strip = ThreeTabs(0);
    strip.Hot = 0;
    EXPECT_EQ(TabFrame(strip, 0), 2);
}

// The same three tabs at the foot of the control, as a tab set places them.
TabStrip ThreeHangingTabs(int selected) {
    return {.Items = {{2, 80, 40, 18}, {42, 80, 50, 18}, {92, 80, 45, 18}}, .Selected = selected, .VisibleRight = 200};
}

TEST(TabStripLayout, HangingTabsHaveThePaneAboveTheirRow) {
    TabStripLayout layout = LayOutHangingTabs(200, 100, ThreeHangingTabs(0));
    ExpectRect(layout.Pane, 0, 0, 200, 80);
}

TEST(TabStripLayout, HangingTabsHangFromTheRowTopAndTheChosenOneReachesUpIntoThePane) {
    TabStripLayout layout = LayOutHangingTabs(200, 100, ThreeHangingTabs(1));
    ASSERT_EQ(layout.Tabs.size(), 3u);
    EXPECT_EQ(layout.Tabs.back().Index, 1);
    ExpectRect(layout.Tabs.back().Area, 42 - kTabWidening, 79, 50 + 2 * kTabWidening, 19);
    ExpectRect(layout.Tabs[0].Area, 2, 80, 40, 18 - kTabLowered);
    EXPECT_EQ(layout.Tabs[0].Frame, 1);
    EXPECT_EQ(layout.Tabs.back().Frame, 2);
}

}  // namespace
