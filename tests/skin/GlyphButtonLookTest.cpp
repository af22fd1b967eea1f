#include <gtest/gtest.h>

#include "skin/button/GlyphButtonLook.h"
#include "skin/button/PushButtonLook.h"

TEST(GlyphButtonLook, BitButtonGlyph_FollowsThePressedAndDisabledFrames) {
    EXPECT_EQ(BitButtonGlyphState(PushButtonFrame::Normal), TButtonState::Up);
    EXPECT_EQ(BitButtonGlyphState(PushButtonFrame::Hot), TButtonState::Up);
    EXPECT_EQ(BitButtonGlyphState(PushButtonFrame::Focused), TButtonState::Up);
    EXPECT_EQ(BitButtonGlyphState(PushButtonFrame::Pressed), TButtonState::Down);
    EXPECT_EQ(BitButtonGlyphState(PushButtonFrame::Disabled), TButtonState::Disabled);
}

TEST(GlyphButtonLook, FlatSpeedButton_ShowsAnImageOnlyWhileHotPressedOrDown) {
    EXPECT_EQ(SpeedButtonFrameOf({}), kNoButtonFrame);
    EXPECT_EQ(SpeedButtonFrameOf({.Hot = true}), PushButtonFrame::Hot);
    EXPECT_EQ(SpeedButtonFrameOf({.Pressed = true, .Hot = true}), PushButtonFrame::Pressed);
    EXPECT_EQ(SpeedButtonFrameOf({.Down = true}), PushButtonFrame::Pressed);
    EXPECT_EQ(SpeedButtonFrameOf({.Enabled = false, .Down = true, .Hot = true}), kNoButtonFrame);
}

TEST(GlyphButtonLook, RaisedSpeedButton_AlwaysShowsAnImage) {
    EXPECT_EQ(SpeedButtonFrameOf({.Flat = false}), PushButtonFrame::Normal);
    EXPECT_EQ(SpeedButtonFrameOf({.Hot = true, .Flat = false}), PushButtonFrame::Hot);
    EXPECT_EQ(SpeedButtonFrameOf({.Down = true, .Flat = false}), PushButtonFrame::Pressed);
    EXPECT_EQ(SpeedButtonFrameOf({.Enabled = false, .Pressed = true, .Flat = false}), PushButtonFrame::Disabled);
}

TEST(GlyphButtonLook, SpeedButtonGlyph_PressedBeforeDownAndDisabledBeforeBoth) {
    EXPECT_EQ(SpeedButtonGlyphState({}), TButtonState::Up);
    EXPECT_EQ(SpeedButtonGlyphState({.Down = true}), TButtonState::Exclusive);
    EXPECT_EQ(SpeedButtonGlyphState({.Pressed = true, .Down = true}), TButtonState::Down);
    EXPECT_EQ(SpeedButtonGlyphState({.Enabled = false, .Pressed = true, .Down = true}), TButtonState::Disabled);
}

TEST(GlyphButtonLook, OnlyThePressedFrameMovesTheFace) {
    EXPECT_EQ(PressedFaceShift(PushButtonFrame::Pressed), 1);
    for (int frame : {kNoButtonFrame, PushButtonFrame::Normal, PushButtonFrame::Disabled, PushButtonFrame::Hot,
                      PushButtonFrame::Focused})
        EXPECT_EQ(PressedFaceShift(frame), 0) << frame;
}
