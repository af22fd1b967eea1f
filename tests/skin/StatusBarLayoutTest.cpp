#include <gtest/gtest.h>

#include "skin/statusbar/StatusBarLayout.h"
#include "tests/skin/ExpectRect.h"

namespace {

constexpr int kWidth = 300, kHeight = 22;

TEST(StatusBarLayout, PanelsEndAtTheirEdges_TheLastRunsToTheEnd) {
    StatusBarLayout layout = LayOutStatusBar(kWidth, kHeight, {{100, 200, -1}});
    ASSERT_EQ(layout.Panels.size(), 3u);
    ExpectRect(layout.Panels[0].Area, 2, 2, 98, 19);
    ExpectRect(layout.Panels[1].Area, 102, 2, 98, 19);
    ExpectRect(layout.Panels[2].Area, 202, 2, 96, 19);
    EXPECT_EQ(layout.Panels[2].Part, 2);
    EXPECT_TRUE(layout.Grip.Empty());
}

TEST(StatusBarLayout, ASimpleBarHasOnePanelAcross) {
    StatusBarLayout layout = LayOutStatusBar(kWidth, kHeight, {{100, 200, -1}, true});
    ASSERT_EQ(layout.Panels.size(), 1u);
    ExpectRect(layout.Panels[0].Area, 2, 2, 296, 19);
    EXPECT_EQ(layout.Panels[0].Part, 0);
}

TEST(StatusBarLayout, TheGripTakesTheRightEndAndThePanelsStopBeforeIt) {
    StatusBarLayout layout = LayOutStatusBar(kWidth, kHeight, {{100, -1}, false, true, 16});
    ExpectRect(layout.Grip, 284, 0, 16, 22);
    ASSERT_EQ(layout.Panels.size(), 2u);
    EXPECT_EQ(layout.Panels[1].Area.Left + layout.Panels[1].Area.Width, 284);
    EXPECT_TRUE(LayOutStatusBar(kWidth, kHeight, {{-1}, false, true, 0}).Grip.Empty());
}

TEST(StatusBarLayout, PartsWithNoRoomLeftAreNotShown) {
    // Edges past the end, out of order, or a bar too low for a panel.
    StatusBarLayout layout = LayOutStatusBar(kWidth, kHeight, {{250, 100, 900, -1}});
    ASSERT_EQ(layout.Panels.size(), 2u);
    ExpectRect(layout.Panels[1].Area, 252, 2, 46, 19);
    EXPECT_EQ(layout.Panels[1].Part, 2);  // its own text, not the skipped part's
    EXPECT_TRUE(LayOutStatusBar(kWidth, 3, {{-1}}).Panels.empty());
    EXPECT_TRUE(LayOutStatusBar(1, kHeight, {{-1}}).Panels.empty());
}

}  // namespace
