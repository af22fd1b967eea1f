#include <gtest/gtest.h>

#include "skin/checkbox/ToggleButtonLook.h"

namespace {

// The built skin's images: unchecked, checked, mixed; each normal, hot,
// pressed, disabled.
TEST(ToggleFrame, TwelveFrames_NormalAndDisabledOfEachMark) {
    EXPECT_EQ(ToggleFrame(CheckMark::Unchecked, true, 12), 1);
    EXPECT_EQ(ToggleFrame(CheckMark::Unchecked, false, 12), 4);
    EXPECT_EQ(ToggleFrame(CheckMark::Checked, true, 12), 5);
    EXPECT_EQ(ToggleFrame(CheckMark::Checked, false, 12), 8);
    EXPECT_EQ(ToggleFrame(CheckMark::Mixed, true, 12), 9);
    EXPECT_EQ(ToggleFrame(CheckMark::Mixed, false, 12), 12);
}

TEST(ToggleFrame, FourFrames_DisabledAddsTwo) {
    EXPECT_EQ(ToggleFrame(CheckMark::Unchecked, true, 4), 1);
    EXPECT_EQ(ToggleFrame(CheckMark::Checked, true, 4), 2);
    EXPECT_EQ(ToggleFrame(CheckMark::Unchecked, false, 4), 3);
    EXPECT_EQ(ToggleFrame(CheckMark::Checked, false, 4), 4);
}

TEST(ToggleFrame, MixedShowsTheFourthFrameOfImagesNotOfTwelve) {
    EXPECT_EQ(ToggleFrame(CheckMark::Mixed, true, 4), 4);
    EXPECT_EQ(ToggleFrame(CheckMark::Mixed, false, 4), 4);
    EXPECT_EQ(ToggleFrame(CheckMark::Mixed, true, 8), 4);
}

// An enabled box never looks disabled, whatever the image holds.
TEST(ToggleFrame, AnEnabledUncheckedBoxIsTheFirstFrame) {
    for (int frames : {4, 5, 8, 12, 13}) EXPECT_EQ(ToggleFrame(CheckMark::Unchecked, true, frames), 1) << frames;
}

TEST(LayOutToggle, BoxAtTheLeftCentredDownTextBesideItTwoPixelsAway) {
    ToggleLayout layout = LayOutToggle(77, 17, 13, 13, false);
    EXPECT_EQ(layout.Box.Left, 0);
    EXPECT_EQ(layout.Box.Top, 2);
    EXPECT_EQ(layout.Box.Width, 13);
    EXPECT_EQ(layout.Box.Height, 13);
    EXPECT_EQ(layout.Text.Left, 15);
    EXPECT_EQ(layout.Text.Width, 62);
    EXPECT_EQ(layout.Text.Top, 0);
    EXPECT_EQ(layout.Text.Height, 17);
}

TEST(LayOutToggle, TextOnTheLeft_PutsTheBoxAtTheRightEdge) {
    ToggleLayout layout = LayOutToggle(77, 17, 13, 13, true);
    EXPECT_EQ(layout.Box.Left, 64);
    EXPECT_EQ(layout.Text.Left, 0);
    EXPECT_EQ(layout.Text.Width, 62);
}

TEST(LayOutToggle, ControlNarrowerThanTheBox_LeavesNoRoomForText) {
    ToggleLayout layout = LayOutToggle(10, 17, 13, 13, false);
    EXPECT_EQ(layout.Box.Left, 0);
    EXPECT_EQ(layout.Text.Width, 0);
}

TEST(LayOutToggle, ControlLowerThanTheBox_CentresItAboveTheTop) {
    EXPECT_EQ(LayOutToggle(50, 9, 13, 13, false).Box.Top, -2);
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
