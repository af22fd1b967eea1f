#include <gtest/gtest.h>

#include "skin/draw/PictureFlip.h"

namespace {

TEST(PictureFlip, UpsideDownPutsTheLastRowFirstAndKeepsEachRowsOrder) {
    PixelBuffer picture(2, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 2; ++x) picture.Set(x, y, Pixel(10 * y + x));
    PixelBuffer turned = UpsideDown(picture);
    ASSERT_EQ(turned.Width(), 2);
    ASSERT_EQ(turned.Height(), 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 2; ++x) EXPECT_EQ(turned.At(x, y), Pixel(10 * (2 - y) + x)) << x << "," << y;
}

TEST(PictureFlip, AnEmptyPictureStaysEmpty) { EXPECT_TRUE(UpsideDown(PixelBuffer()).Empty()); }

// Two frames of one column: red over magenta, then blue over green.
TEST(PictureFlip, ATurnedElementIsItsFrameTurnedAndKeepsItsTransparency) {
    PixelBuffer image(2, 2);
    image.Set(0, 0, 0xFF0000);
    image.Set(0, 1, kMagenta);
    image.Set(1, 0, 0x0000FF);
    image.Set(1, 1, 0x00FF00);
    for (bool transparent : {true, false}) {
        TurnedElement turned = UpsideDown({.Image = &image, .FrameCount = 2, .Transparent = transparent}, 2, 1, 4);
        ElementPicture picture = turned.Picture();
        EXPECT_EQ(picture.Transparent, transparent);
        ASSERT_EQ(picture.Image, &turned.Image);
        EXPECT_EQ(turned.Image.Pixels(), (std::vector<Pixel>{0x00FF00, 0x00FF00, 0x0000FF, 0x0000FF}));
    }
    EXPECT_EQ(UpsideDown({.Image = &image, .FrameCount = 2}, 1, 1, 2).Image.Pixels(),
              (std::vector<Pixel>{kMagenta, 0xFF0000}));
}

}  // namespace
