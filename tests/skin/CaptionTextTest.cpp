#include <gtest/gtest.h>

#include <climits>

#include "skin/frame/CaptionText.h"

namespace {

class CaptionTextTest : public ::testing::Test {
protected:
    CaptionTextTest() {
        input.WindowWidth = 300;
        input.CaptionHeight = 24;
        input.TextWidth = 100;
        input.TextHeight = 14;
        title.TextShift = 24;
        title.TextRightClip = 60;
    }

    CaptionTextLayout Layout() const { return LayoutCaptionText(input, title); }

    CaptionTextInput input;
    TSkinTitleElement title;
};

TEST_F(CaptionTextTest, LeftAligned_StartsAtTextShiftAndIsCentredVertically) {
    CaptionTextLayout layout = Layout();
    EXPECT_EQ(layout.TextRect.Left, 24);
    EXPECT_EQ(layout.TextRect.Width, 100);
    EXPECT_EQ(layout.TextRect.Top, 5);
    EXPECT_EQ(layout.TextRect.Height, 14);
    EXPECT_EQ(layout.ClipRight, 240);
    EXPECT_TRUE(layout.TextBackRect.Empty());  // no TextBack image
}

TEST_F(CaptionTextTest, VerticalShift_MovesByHalf) {
    title.TextShiftVert = 6;
    EXPECT_EQ(Layout().TextRect.Top, 8);
    title.TextShiftVert = -3;
    EXPECT_EQ(Layout().TextRect.Top, 4);
}

TEST_F(CaptionTextTest, DialogWithoutIcon_StartsSixteenFurtherLeft) {
    input.DialogKind = true;
    EXPECT_EQ(Layout().TextRect.Left, 8);
    title.TextAlignment = 1;  // only left-aligned text moves
    EXPECT_EQ(Layout().TextRect.Left, 100);
}

TEST_F(CaptionTextTest, CentredAndRightAligned_IncludeTheTextBackEnds) {
    title.TextBackLeft = 10;
    title.TextBackRight = 20;
    title.TextAlignment = 1;
    // Block 130 wide centred in 300: 85; the text follows the left end.
    EXPECT_EQ(Layout().TextRect.Left, 95);
    title.TextAlignment = 2;
    title.TextRightClip = 20;
    // Block ends TextRightClip from the right: 300 - 20 - 130.
    EXPECT_EQ(Layout().TextRect.Left, 160);
    EXPECT_EQ(Layout().TextRect.Width, 100);
}

TEST_F(CaptionTextTest, RightToLeft_IsAlwaysRightAligned) {
    input.RightToLeft = true;
    title.TextAlignment = 0;
    EXPECT_EQ(Layout().TextRect.Left, 300 - 60 - 100);
}

TEST_F(CaptionTextTest, TextBack_SpansTheBlockAtItsImageHeight) {
    title.Image = PixelBuffer(40, 18);
    title.TextBackLeft = 10;
    title.TextBackRight = 20;
    CaptionTextLayout layout = Layout();
    EXPECT_EQ(layout.TextBackRect.Left, 24);
    EXPECT_EQ(layout.TextBackRect.Width, 130);
    EXPECT_EQ(layout.TextBackRect.Top, 3);
    EXPECT_EQ(layout.TextBackRect.Height, 18);
    EXPECT_EQ(layout.TextRect.Left, 34);
    // An image taller than the caption is cut to it.
    title.Image = PixelBuffer(40, 50);
    EXPECT_EQ(Layout().TextBackRect.Top, 0);
    EXPECT_EQ(Layout().TextBackRect.Height, 24);
}

TEST_F(CaptionTextTest, LongText_IsClippedAtTheRightClipOrTheRightButtons) {
    input.TextWidth = 400;
    title.Image = PixelBuffer(40, 18);
    CaptionTextLayout layout = Layout();
    EXPECT_EQ(layout.ClipRight, 240);
    EXPECT_EQ(RightOf(layout.TextRect), 240);
    EXPECT_EQ(RightOf(layout.TextBackRect), 240);
    input.RightButtonsLeft = 250;
    layout = Layout();
    EXPECT_EQ(layout.ClipRight, 250);
    EXPECT_EQ(RightOf(layout.TextRect), 250);
}

TEST_F(CaptionTextTest, CentredTextWiderThanTheWindow_StartsAtTheLeftEdge) {
    input.TextWidth = 500;
    title.TextAlignment = 1;
    CaptionTextLayout layout = Layout();
    EXPECT_EQ(layout.TextRect.Left, 0);
    EXPECT_EQ(layout.TextRect.Width, 240);
}

TEST_F(CaptionTextTest, HugeOrNegativeTitleSettings_GiveSaneRectangles) {
    title.Image = PixelBuffer(40, 18);
    for (int value : {INT_MAX, INT_MIN}) {
        title.TextShift = title.TextShiftVert = title.TextRightClip = value;
        title.TextBackLeft = title.TextBackRight = value;
        for (int alignment : {0, 1, 2, 7}) {
            title.TextAlignment = alignment;
            CaptionTextLayout layout = Layout();
            for (Rect part : {layout.TextRect, layout.TextBackRect}) {
                EXPECT_GE(part.Left, 0);
                EXPECT_GE(part.Width, 0);
                EXPECT_GE(part.Height, 0);
                EXPECT_LE(RightOf(part), 300);
                EXPECT_LE(std::abs(part.Top), kFrameCoordinateLimit);
            }
            EXPECT_GE(layout.ClipRight, 0);
            EXPECT_LE(layout.ClipRight, 300);
        }
    }
}

}  // namespace
