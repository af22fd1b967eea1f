#include <gtest/gtest.h>

#include <algorithm>

#include "skin/scrollbar/ScrollbarLayout.h"
#include "tests/skin/ExpectRect.h"

namespace {
using enum ScrollbarPart;

ScrollbarFacts Vertical(int width, int height, int thumbStart = 0, int thumbEnd = 0) {
    return {.Kind = ScrollbarKind::Vertical, .Width = width, .Height = height, .ThumbStart = thumbStart,
            .ThumbEnd = thumbEnd};
}

ScrollbarFacts Horizontal(int width, int height, int thumbStart = 0, int thumbEnd = 0) {
    return {.Kind = ScrollbarKind::Horizontal, .Width = width, .Height = height, .ThumbStart = thumbStart,
            .ThumbEnd = thumbEnd};
}

ScrollbarLook Over(ScrollbarPart part, bool pressed = false) { return {.Hot = part, .Pressed = pressed}; }
}  // namespace

TEST(ScrollbarLayout, ArrowsAreSquaresAsThickAsTheBarWithTheShaftBetween) {
    ScrollbarLayout vertical = LayOutScrollbar(Vertical(17, 200));
    ExpectRect(vertical.FirstArrow, 0, 0, 17, 17);
    ExpectRect(vertical.SecondArrow, 0, 183, 17, 17);
    ExpectRect(vertical.Shaft, 0, 17, 17, 166);

    ScrollbarLayout horizontal = LayOutScrollbar(Horizontal(150, 16));
    ExpectRect(horizontal.FirstArrow, 0, 0, 16, 16);
    ExpectRect(horizontal.SecondArrow, 134, 0, 16, 16);
    ExpectRect(horizontal.Shaft, 16, 0, 118, 16);
}

TEST(ScrollbarLayout, ABarShorterThanTwoArrowsGivesEachArrowHalf) {
    ScrollbarLayout vertical = LayOutScrollbar(Vertical(17, 21));
    ExpectRect(vertical.FirstArrow, 0, 0, 17, 10);
    ExpectRect(vertical.SecondArrow, 0, 11, 17, 10);
    ExpectRect(vertical.Shaft, 0, 10, 17, 1);

    ScrollbarLayout exact = LayOutScrollbar(Horizontal(32, 16));
    ExpectRect(exact.FirstArrow, 0, 0, 16, 16);
    ExpectRect(exact.SecondArrow, 16, 0, 16, 16);
    EXPECT_TRUE(exact.Shaft.Empty());
}

TEST(ScrollbarLayout, TheThumbLiesWhereTheSystemSaysInsideTheShaftOnlyOnAnEnabledBar) {
    ExpectRect(LayOutScrollbar(Vertical(17, 200, 40, 90)).Thumb, 0, 40, 17, 50);
    ExpectRect(LayOutScrollbar(Horizontal(150, 16, 16, 30)).Thumb, 16, 0, 14, 16);
    // Numbers running over the arrows are cut at the shaft.
    ExpectRect(LayOutScrollbar(Vertical(17, 200, 5, 300)).Thumb, 0, 17, 17, 166);

    ScrollbarFacts disabled = Vertical(17, 200, 40, 90);
    disabled.Enabled = false;
    EXPECT_TRUE(LayOutScrollbar(disabled).Thumb.Empty());
    EXPECT_TRUE(LayOutScrollbar(Vertical(17, 200, 90, 90)).Thumb.Empty());
    EXPECT_TRUE(LayOutScrollbar(Vertical(17, 200, 90, 40)).Thumb.Empty());
}

TEST(ScrollbarLayout, OddSizesGiveEmptyPartsNotNegativeOnes) {
    for (ScrollbarFacts facts : {Vertical(0, 0, 3, 9), Vertical(-5, -7, 1, 2), Horizontal(1, 16, -4, 9)}) {
        ScrollbarLayout layout = LayOutScrollbar(facts);
        for (Rect part : {layout.FirstArrow, layout.SecondArrow, layout.Shaft, layout.Thumb}) {
            EXPECT_GE(part.Left, 0);
            EXPECT_GE(part.Top, 0);
            EXPECT_GE(part.Width, 0);
            EXPECT_GE(part.Height, 0);
            EXPECT_LE(part.Left + part.Width, std::max(facts.Width, 0));
            EXPECT_LE(part.Top + part.Height, std::max(facts.Height, 0));
        }
    }
    EXPECT_TRUE(LayOutScrollbar(Vertical(0, 0, 3, 9)).Thumb.Empty());
}

TEST(ScrollbarLayout, ThePartUnderAPoint) {
    ScrollbarLayout layout = LayOutScrollbar(Vertical(17, 200, 40, 90));
    EXPECT_EQ(ScrollbarPartAt(layout, 0, 0), FirstArrow);
    EXPECT_EQ(ScrollbarPartAt(layout, 16, 16), FirstArrow);
    EXPECT_EQ(ScrollbarPartAt(layout, 8, 17), None);  // the shaft above the thumb
    EXPECT_EQ(ScrollbarPartAt(layout, 8, 40), Thumb);
    EXPECT_EQ(ScrollbarPartAt(layout, 8, 89), Thumb);
    EXPECT_EQ(ScrollbarPartAt(layout, 8, 90), None);
    EXPECT_EQ(ScrollbarPartAt(layout, 8, 183), SecondArrow);
    EXPECT_EQ(ScrollbarPartAt(layout, 8, 199), SecondArrow);
    EXPECT_EQ(ScrollbarPartAt(layout, 8, 200), None);
    EXPECT_EQ(ScrollbarPartAt(layout, 17, 5), None);
    EXPECT_EQ(ScrollbarPartAt(layout, -1, 5), None);
}

TEST(ScrollbarLayout, ArrowFramesByDirectionAndState) {
    ScrollbarFacts horizontal = Horizontal(150, 16), vertical = Vertical(17, 200);
    EXPECT_EQ(ArrowFrame(horizontal, FirstArrow, {}), 1);
    EXPECT_EQ(ArrowFrame(horizontal, SecondArrow, {}), 5);
    EXPECT_EQ(ArrowFrame(vertical, FirstArrow, {}), 9);
    EXPECT_EQ(ArrowFrame(vertical, SecondArrow, {}), 13);

    EXPECT_EQ(ArrowFrame(vertical, SecondArrow, Over(SecondArrow)), 16);                // hot
    EXPECT_EQ(ArrowFrame(vertical, SecondArrow, Over(SecondArrow, true)), 14);          // pressed
    EXPECT_EQ(ArrowFrame(vertical, FirstArrow, Over(SecondArrow, true)), 9);            // the other one
    EXPECT_EQ(ArrowFrame(horizontal, FirstArrow, Over(Thumb, true)), 1);
    EXPECT_EQ(ArrowFrame(horizontal, FirstArrow, {.Hot = None, .Pressed = true}), 1);

    ScrollbarFacts disabled = vertical;
    disabled.Enabled = false;
    EXPECT_EQ(ArrowFrame(disabled, FirstArrow, Over(FirstArrow, true)), 11);
    EXPECT_EQ(ArrowFrame(disabled, SecondArrow, {}), 15);
    ScrollbarFacts endReached = horizontal;
    endReached.SecondArrowEnabled = false;
    EXPECT_EQ(ArrowFrame(endReached, SecondArrow, Over(SecondArrow)), 7);
    EXPECT_EQ(ArrowFrame(endReached, FirstArrow, Over(FirstArrow)), 4);
}

TEST(ScrollbarLayout, ShaftThumbAndGripFrames) {
    ScrollbarFacts enabled = Vertical(17, 200);
    ScrollbarFacts disabled = enabled;
    disabled.Enabled = false;
    EXPECT_EQ(ShaftFrame(enabled), 1);
    EXPECT_EQ(ShaftFrame(disabled), 3);

    EXPECT_EQ(ThumbFrame({}), 1);
    EXPECT_EQ(ThumbFrame(Over(Thumb, true)), 2);
    EXPECT_EQ(ThumbFrame(Over(Thumb)), 3);
    EXPECT_EQ(ThumbFrame(Over(FirstArrow, true)), 1);

    EXPECT_EQ(GripFrame(ScrollbarKind::Horizontal, {}), 17);
    EXPECT_EQ(GripFrame(ScrollbarKind::Horizontal, Over(Thumb, true)), 18);
    EXPECT_EQ(GripFrame(ScrollbarKind::Horizontal, Over(Thumb)), 19);
    EXPECT_EQ(GripFrame(ScrollbarKind::Vertical, {}), 20);
    EXPECT_EQ(GripFrame(ScrollbarKind::Vertical, Over(Thumb, true)), 21);
    EXPECT_EQ(GripFrame(ScrollbarKind::Vertical, Over(Thumb)), 22);
    EXPECT_EQ(GripFrame(ScrollbarKind::Vertical, Over(SecondArrow)), 20);
}

TEST(ScrollbarLayout, TheGripIsCentredOnAThumbLongerThanItAndTwoPixels) {
    ScrollbarLayout vertical = LayOutScrollbar(Vertical(17, 200, 40, 90));
    ExpectRect(GripArea(vertical, ScrollbarKind::Vertical, 7, 9), 5, 60, 7, 9);
    ScrollbarLayout horizontal = LayOutScrollbar(Horizontal(150, 16, 20, 60));
    ExpectRect(GripArea(horizontal, ScrollbarKind::Horizontal, 17, 17), 31, 0, 17, 17);

    ScrollbarLayout twelve = LayOutScrollbar(Vertical(17, 200, 40, 52));
    ScrollbarLayout eleven = LayOutScrollbar(Vertical(17, 200, 40, 51));
    EXPECT_FALSE(GripArea(twelve, ScrollbarKind::Vertical, 5, 9).Empty());
    EXPECT_TRUE(GripArea(eleven, ScrollbarKind::Vertical, 5, 9).Empty());
    // The glyph's length along the bar counts, not its width across.
    EXPECT_FALSE(GripArea(twelve, ScrollbarKind::Vertical, 30, 9).Empty());
    EXPECT_TRUE(GripArea(LayOutScrollbar(Horizontal(150, 16, 20, 31)), ScrollbarKind::Horizontal, 9, 5).Empty());
    EXPECT_TRUE(GripArea(LayOutScrollbar(Vertical(17, 200)), ScrollbarKind::Vertical, 5, 9).Empty());
}
