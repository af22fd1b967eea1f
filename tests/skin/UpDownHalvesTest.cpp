#include <gtest/gtest.h>

#include "skin/updown/UpDownHalves.h"
#include "tests/skin/ExpectRect.h"

namespace {

using enum UpDownButton;

TEST(UpDownHalves, UprightSplitsTopAndBottom_TheOddPixelBelow) {
    UpDownHalves halves = SplitUpDown(16, 23, false);
    ExpectRect(halves.First, 0, 0, 16, 11);
    ExpectRect(halves.Second, 0, 11, 16, 12);
}

TEST(UpDownHalves, LevelSplitsLeftAndRight) {
    UpDownHalves halves = SplitUpDown(31, 16, true);
    ExpectRect(halves.First, 0, 0, 15, 16);
    ExpectRect(halves.Second, 15, 0, 16, 16);
}

TEST(UpDownHalves, ThePointFindsItsButton) {
    UpDownHalves halves = SplitUpDown(16, 22, false);
    EXPECT_EQ(UpDownButtonAt(halves, 0, 0), First);
    EXPECT_EQ(UpDownButtonAt(halves, 15, 10), First);
    EXPECT_EQ(UpDownButtonAt(halves, 15, 11), Second);
    EXPECT_EQ(UpDownButtonAt(halves, 8, 21), Second);
    EXPECT_EQ(UpDownButtonAt(halves, 8, 22), None);
    EXPECT_EQ(UpDownButtonAt(halves, -1, 5), None);
    EXPECT_EQ(UpDownButtonAt(halves, 16, 5), None);
}

TEST(UpDownHalves, FrameByButtonAndState_DisabledOverridesPressedOverridesHot) {
    EXPECT_EQ(UpDownFrame(First, {}), 1);
    EXPECT_EQ(UpDownFrame(First, {.Pressed = true, .Hot = true}), 2);
    EXPECT_EQ(UpDownFrame(First, {.Hot = true}), 3);
    EXPECT_EQ(UpDownFrame(First, {.Enabled = false, .Pressed = true}), 4);
    EXPECT_EQ(UpDownFrame(Second, {}), 5);
    EXPECT_EQ(UpDownFrame(Second, {.Pressed = true}), 6);
    EXPECT_EQ(UpDownFrame(Second, {.Hot = true}), 7);
    EXPECT_EQ(UpDownFrame(Second, {.Enabled = false, .Hot = true}), 8);
}

TEST(UpDownHalves, TheGlyphIsCentredAndMayStandOutEvenly) {
    ExpectRect(CentreGlyph({0, 11, 16, 12}, 8, 4), 4, 15, 8, 4);
    ExpectRect(CentreGlyph({0, 0, 6, 6}, 10, 10), -2, -2, 10, 10);
}

}  // namespace
