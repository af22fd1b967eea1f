#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "skin/checkbox/ToggleButtonLook.h"

namespace {

struct FrameCase {
    CheckMark Mark;
    bool Enabled;
    int FrameCount, Frame;
};

// Twelve frames: unchecked, checked, mixed, each normal, hot, pressed,
// disabled. Any other count: unchecked, checked, and both disabled, a mixed
// box showing the fourth.
TEST(ToggleFrame, PicksTheFrameOfTheMarkAndEnablingForTheImagesLayout) {
    const FrameCase cases[] = {
        {CheckMark::Unchecked, true, 12, 1}, {CheckMark::Unchecked, false, 12, 4}, {CheckMark::Checked, true, 12, 5},
        {CheckMark::Checked, false, 12, 8},  {CheckMark::Mixed, true, 12, 9},      {CheckMark::Mixed, false, 12, 12},
        {CheckMark::Unchecked, true, 4, 1},  {CheckMark::Checked, true, 4, 2},     {CheckMark::Unchecked, false, 4, 3},
        {CheckMark::Checked, false, 4, 4},   {CheckMark::Mixed, true, 4, 4},       {CheckMark::Mixed, false, 4, 4},
        {CheckMark::Mixed, true, 8, 4},      {CheckMark::Unchecked, true, 5, 1},   {CheckMark::Unchecked, true, 13, 1},
    };
    for (const FrameCase& c : cases)
        EXPECT_EQ(ToggleFrame(c.Mark, c.Enabled, c.FrameCount), c.Frame)
            << int(c.Mark) << " " << c.Enabled << " of " << c.FrameCount;
}

struct LayoutCase {
    int Width, Height;
    bool TextOnLeft;
    Rect Box, Text;
};

// A 13 x 13 box: at the one edge, centred down; the caption beside it, 2
// pixels away, over the full height.
TEST(LayOutToggle, PutsTheBoxAtOneEdgeAndTheCaptionBesideIt) {
    const LayoutCase cases[] = {
        {77, 17, false, {0, 2, 13, 13}, {15, 0, 62, 17}},
        {77, 17, true, {64, 2, 13, 13}, {0, 0, 62, 17}},
        {10, 17, false, {0, 2, 13, 13}, {10, 0, 0, 17}},  // no room for text
        {50, 9, false, {0, -2, 13, 13}, {15, 0, 35, 9}},  // centred above the top
    };
    auto edges = [](Rect r) { return std::tuple{r.Left, r.Top, r.Width, r.Height}; };
    for (const LayoutCase& c : cases) {
        ToggleLayout layout = LayOutToggle(c.Width, c.Height, 13, 13, c.TextOnLeft);
        EXPECT_EQ(edges(layout.Box), edges(c.Box)) << c.Width << "x" << c.Height << " " << c.TextOnLeft;
        EXPECT_EQ(edges(layout.Text), edges(c.Text)) << c.Width << "x" << c.Height << " " << c.TextOnLeft;
    }
}

// An image of frameCount frames of 2x2 pixels, each filled with its frame
// number.
PixelBuffer NumberedFrames(int frameCount) {
    PixelBuffer image(frameCount * 2, 2);
    for (int frame = 1; frame <= frameCount; ++frame) image.Fill({(frame - 1) * 2, 0, 2, 2}, Pixel(frame));
    return image;
}

std::vector<Pixel> StripCells(const PixelBuffer& strip) {
    std::vector<Pixel> cells;
    for (int x = 0; x < strip.Width(); x += 2) cells.push_back(strip.At(x, 1));
    return cells;
}

TEST(ToggleGlyphStrip, HoldsUncheckedCheckedAndTheirDisabledBoxesInThatOrder) {
    PixelBuffer four = NumberedFrames(4), twelve = NumberedFrames(12);
    PixelBuffer fromFour = ToggleGlyphStrip({.Image = &four, .FrameCount = 4});
    EXPECT_EQ(fromFour.Height(), 2);
    EXPECT_EQ(StripCells(fromFour), (std::vector<Pixel>{1, 2, 3, 4}));
    EXPECT_EQ(StripCells(ToggleGlyphStrip({.Image = &twelve, .FrameCount = 12})), (std::vector<Pixel>{1, 5, 4, 8}));
}

TEST(ToggleGlyphStrip, NoBoxGivesNoStrip) {
    PixelBuffer none;
    EXPECT_TRUE(ToggleGlyphStrip({.Image = &none, .FrameCount = 4}).Empty());
}

}  // namespace
