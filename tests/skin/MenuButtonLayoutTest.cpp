#include <gtest/gtest.h>

#include "skin/button/MenuButtonLayout.h"

// Where the arrow fits, the skinner's test reads it on the screen.
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
