#pragma once
#include <gtest/gtest.h>

#include "skin/draw/PixelBuffer.h"

inline void ExpectRect(Rect actual, int left, int top, int width, int height) {
    EXPECT_EQ(actual.Left, left);
    EXPECT_EQ(actual.Top, top);
    EXPECT_EQ(actual.Width, width);
    EXPECT_EQ(actual.Height, height);
}
