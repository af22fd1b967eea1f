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

}  // namespace
