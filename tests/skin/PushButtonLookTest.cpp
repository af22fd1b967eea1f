#include <gtest/gtest.h>

#include "skin/button/PushButtonLook.h"

namespace {

TEST(PushButtonFrame, PressedWinsOverHotAndHotOverFocused) {
    EXPECT_EQ(PushButtonFrameOf({.Pressed = true, .Hot = true, .Focused = true}), PushButtonFrame::Pressed);
    EXPECT_EQ(PushButtonFrameOf({.Hot = true, .Focused = true, .Default = true}), PushButtonFrame::Hot);
    EXPECT_EQ(PushButtonFrameOf({.Focused = true}), PushButtonFrame::Focused);
    EXPECT_EQ(PushButtonFrameOf({}), PushButtonFrame::Normal);
}

TEST(PushButtonFrame, TheDefaultButtonLooksFocused) {
    EXPECT_EQ(PushButtonFrameOf({.Default = true}), PushButtonFrame::Focused);
}

TEST(PushButtonFrame, DisabledIsThirdWhateverTheMouseAndFocus) {
    for (bool pressed : {false, true})
        for (bool hot : {false, true})
            for (bool focused : {false, true})
                EXPECT_EQ(PushButtonFrameOf({.Enabled = false, .Pressed = pressed, .Hot = hot, .Focused = focused}), 3);
}

class PushButtonTextColourTest : public ::testing::Test {
protected:
    static constexpr TColor kFont = 0x102030, kShadow = 0x808080;
    PushButtonTextColourTest() {
        buttons.NormalTextColour = 0x000001;
        buttons.MouseOverTextColour = 0x000002;
        buttons.PressedTextColour = 0x000003;
    }
    TColor Colour(int frame) const { return PushButtonTextColour(buttons, frame, kFont, kShadow); }

    TSkinButtonElement buttons;
};

TEST_F(PushButtonTextColourTest, ColoursTheSkinGivesReplaceTheFontsInTheirFrames) {
    buttons.NormalTextGiven = buttons.MouseOverTextGiven = buttons.PressedTextGiven = true;
    EXPECT_EQ(Colour(PushButtonFrame::Normal), 0x000001);
    EXPECT_EQ(Colour(PushButtonFrame::Hot), 0x000002);
    EXPECT_EQ(Colour(PushButtonFrame::Pressed), 0x000003);
    EXPECT_EQ(Colour(PushButtonFrame::Focused), kFont);
}

TEST_F(PushButtonTextColourTest, ColoursTheSkinDoesNotGiveLeaveTheFonts) {
    buttons.MouseOverTextGiven = true;
    EXPECT_EQ(Colour(PushButtonFrame::Normal), kFont);
    EXPECT_EQ(Colour(PushButtonFrame::Hot), 0x000002);
    EXPECT_EQ(Colour(PushButtonFrame::Pressed), kFont);
}

TEST_F(PushButtonTextColourTest, DisabledTakesTheShadowColourEvenWhenTheSkinGivesColours) {
    buttons.NormalTextGiven = buttons.MouseOverTextGiven = buttons.PressedTextGiven = true;
    EXPECT_EQ(Colour(PushButtonFrame::Disabled), kShadow);
}

TEST(PushButtonCaption, FirstDoubleBarBreaksTheLine) {
    EXPECT_EQ(PushButtonCaption(L"\u67E5||\u8BE2"), L"\u67E5\r\n\u8BE2");
    EXPECT_EQ(PushButtonCaption(L"a||b||c"), L"a\r\nb||c");
    EXPECT_EQ(PushButtonCaption(L"||"), L"\r\n");
}

TEST(PushButtonCaption, SingleBarsAndPlainTextStay) {
    EXPECT_EQ(PushButtonCaption(L"a|b"), L"a|b");
    EXPECT_EQ(PushButtonCaption(L""), L"");
    EXPECT_EQ(PushButtonCaption(L"|"), L"|");
}

}  // namespace
