#include <gtest/gtest.h>

#include "skin/scrollbar/ScrollbarPicture.h"

namespace {
const TColor kFace = 0x102030;
const Pixel kFacePixel = PixelFromColor(kFace);

// Cells of 4x4 pixels, frame f painted tone + f, with a magenta top left
// pixel in each cell when the element is transparent.
TSkinElement Element(int frames, Pixel tone, bool transparent) {
    TSkinElement element;
    element.Image = PixelBuffer(4 * frames, 4);
    for (int f = 1; f <= frames; ++f) {
        element.Image.Fill({4 * (f - 1), 0, 4, 4}, tone + f);
        if (transparent) element.Image.Set(4 * (f - 1), 0, kMagenta);
    }
    element.FrameCount = frames;
    element.Trans = transparent;
    return element;
}

const Pixel kParts = 0x100, kShaft = 0x200, kThumb = 0x300;

class ScrollbarPicture : public ::testing::Test {
protected:
    TSkinElement parts = Element(23, kParts, true);
    TSkinElement shaft = Element(4, kShaft, false);
    TSkinElement thumb = Element(3, kThumb, true);
    ScrollbarElements elements{&parts, &shaft, &thumb, kFace};

    // A vertical bar 4 wide and 40 high: arrows 0..3 and 36..39, the thumb
    // 10..29 with the grip at 18..21.
    ScrollbarFacts facts{.Kind = ScrollbarKind::Vertical, .Width = 4, .Height = 40, .ThumbStart = 10, .ThumbEnd = 30};
};
}  // namespace

TEST_F(ScrollbarPicture, ArrowsShaftThumbAndGripEachInTheirFrame) {
    PixelBuffer bar = ComposeScrollbar(facts, {}, elements);
    ASSERT_EQ(bar.Width(), 4);
    ASSERT_EQ(bar.Height(), 40);
    EXPECT_EQ(bar.At(2, 1), kParts + 9);    // up arrow
    EXPECT_EQ(bar.At(2, 38), kParts + 13);  // down arrow
    EXPECT_EQ(bar.At(2, 6), kShaft + 1);
    EXPECT_EQ(bar.At(2, 33), kShaft + 1);
    EXPECT_EQ(bar.At(2, 12), kThumb + 1);
    EXPECT_EQ(bar.At(2, 19), kParts + 20);  // grip
}

TEST_F(ScrollbarPicture, MagentaShowsWhatLiesBeneath) {
    PixelBuffer bar = ComposeScrollbar(facts, {}, elements);
    EXPECT_EQ(bar.At(0, 0), kFacePixel);    // under the up arrow: the button face
    EXPECT_EQ(bar.At(0, 10), kShaft + 1);   // under the thumb: the shaft
    EXPECT_EQ(bar.At(0, 18), kThumb + 1);   // under the grip: the thumb
}

TEST_F(ScrollbarPicture, PressedAndHotPartsShowTheirFrames) {
    PixelBuffer pressedThumb = ComposeScrollbar(facts, {.Hot = ScrollbarPart::Thumb, .Pressed = true}, elements);
    EXPECT_EQ(pressedThumb.At(2, 12), kThumb + 2);
    EXPECT_EQ(pressedThumb.At(2, 19), kParts + 21);
    EXPECT_EQ(pressedThumb.At(2, 1), kParts + 9);

    PixelBuffer hotArrow = ComposeScrollbar(facts, {.Hot = ScrollbarPart::SecondArrow}, elements);
    EXPECT_EQ(hotArrow.At(2, 38), kParts + 16);
    EXPECT_EQ(hotArrow.At(2, 12), kThumb + 1);
}

TEST_F(ScrollbarPicture, ADisabledBarHasTheDisabledShaftAndArrowsAndNoThumb) {
    facts.Enabled = false;
    PixelBuffer bar = ComposeScrollbar(facts, {.Hot = ScrollbarPart::FirstArrow, .Pressed = true}, elements);
    EXPECT_EQ(bar.At(2, 1), kParts + 11);
    EXPECT_EQ(bar.At(2, 38), kParts + 15);
    EXPECT_EQ(bar.At(2, 12), kShaft + 3);
    EXPECT_EQ(bar.At(2, 19), kShaft + 3);
}

TEST_F(ScrollbarPicture, AHorizontalBarTakesTheHorizontalFrames) {
    ScrollbarFacts horizontal{.Kind = ScrollbarKind::Horizontal, .Width = 40, .Height = 4, .ThumbStart = 10,
                              .ThumbEnd = 30};
    PixelBuffer bar = ComposeScrollbar(horizontal, {}, elements);
    EXPECT_EQ(bar.At(1, 2), kParts + 1);
    EXPECT_EQ(bar.At(38, 2), kParts + 5);
    EXPECT_EQ(bar.At(19, 2), kParts + 17);
}

TEST_F(ScrollbarPicture, WithoutAnElementTheBarIsOnlyTheButtonFace) {
    EXPECT_TRUE(elements.Complete());
    TSkinElement empty;
    for (ScrollbarElements partial : {ScrollbarElements{nullptr, &shaft, &thumb, kFace},
                                      ScrollbarElements{&parts, &empty, &thumb, kFace},
                                      ScrollbarElements{&parts, &shaft, nullptr, kFace}}) {
        EXPECT_FALSE(partial.Complete());
        PixelBuffer bar = ComposeScrollbar(facts, {}, partial);
        EXPECT_EQ(bar.Pixels(), std::vector<Pixel>(4 * 40, kFacePixel));
    }
}
