#include <gtest/gtest.h>

#include "skin/button/MenuButtonLayout.h"

namespace {
int Right(const Rect& r) { return r.Left + r.Width; }
int Bottom(const Rect& r) { return r.Top + r.Height; }
}  // namespace

TEST(MenuButtonLayout, ArrowSitsAtTheRightCentredDown_CaptionTakesTheRest) {
    MenuButtonParts parts = LayOutMenuButton(100, 30, 2);
    ASSERT_FALSE(parts.Arrow.Empty());
    EXPECT_EQ(parts.Arrow.Width, kMenuArrowWidth);
    EXPECT_EQ(parts.Arrow.Height, kMenuArrowHeight);
    EXPECT_EQ(Right(parts.Arrow), 100 - 2 - 4);
    EXPECT_EQ(parts.Arrow.Top, 2 + (26 - kMenuArrowHeight) / 2);
    EXPECT_EQ(parts.Caption.Left, 2);
    EXPECT_EQ(parts.Caption.Top, 2);
    EXPECT_EQ(Bottom(parts.Caption), 28);
    EXPECT_EQ(Right(parts.Caption), parts.Arrow.Left - 4);
}

TEST(MenuButtonLayout, NarrowButton_ShowsTheCaptionAloneInsideTheInset) {
    MenuButtonParts parts = LayOutMenuButton(20, 30, 2);
    EXPECT_TRUE(parts.Arrow.Empty());
    EXPECT_EQ(parts.Caption.Left, 2);
    EXPECT_EQ(parts.Caption.Width, 16);
    EXPECT_EQ(parts.Caption.Height, 26);
}

TEST(MenuButtonLayout, ButtonSmallerThanItsInset_GivesEmptyPartsAndNoArrow) {
    MenuButtonParts parts = LayOutMenuButton(3, 3, 2);
    EXPECT_TRUE(parts.Arrow.Empty());
    EXPECT_TRUE(parts.Caption.Empty());
}

TEST(MenuButtonLayout, ArrowNarrowsRowByRowToASingleTipPixel) {
    EXPECT_EQ(MenuArrowRow(0), (ArrowRow{0, kMenuArrowWidth - 1}));
    ArrowRow tip = MenuArrowRow(kMenuArrowHeight - 1);
    EXPECT_EQ(tip.First, tip.Last);
    EXPECT_EQ(tip.First, kMenuArrowWidth / 2);
}
