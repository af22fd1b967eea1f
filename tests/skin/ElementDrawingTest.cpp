#include <gtest/gtest.h>

#include "skin/draw/ElementDrawing.h"

namespace {

// An image whose every pixel tells where it came from: x + 16 * y.
PixelBuffer Numbered(int width, int height) {
    PixelBuffer image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.Set(x, y, Pixel(x + 16 * y));
    return image;
}

std::vector<Pixel> Row(const PixelBuffer& image, int y) { return {image.Row(y), image.Row(y) + image.Width()}; }
std::vector<Pixel> Column(const PixelBuffer& image, int x) {
    std::vector<Pixel> column;
    for (int y = 0; y < image.Height(); ++y) column.push_back(image.At(x, y));
    return column;
}

TEST(ElementDrawing, FrameCell_SideBySideOrStacked) {
    PixelBuffer image(12, 6);
    ElementPicture picture{&image};
    picture.FrameCount = 3;
    EXPECT_EQ(FrameCell(picture, 2).Left, 4);
    EXPECT_EQ(FrameCell(picture, 2).Width, 4);
    EXPECT_EQ(FrameCell(picture, 9).Left, 8);  // beyond the last frame: the last
    picture.States = StateLayout::Stacked;
    EXPECT_EQ(FrameCell(picture, 3).Top, 4);
    EXPECT_EQ(FrameCell(picture, 3).Height, 2);
    EXPECT_EQ(FrameCell(picture, 3).Width, 12);
}

TEST(ElementDrawing, CornersStayAndTheMiddleStretches) {
    // 4x1 cell with 1-pixel side margins drawn 8 wide: 0 | 1 1 1 2 2 2 | 3.
    PixelBuffer image = Numbered(4, 1);
    ElementPicture picture{&image, 1, 0, 1, 0};
    EXPECT_EQ(Row(ComposeElement(picture, 1, 8, 1), 0), (std::vector<Pixel>{0, 1, 1, 1, 2, 2, 2, 3}));
}

TEST(ElementDrawing, TiledCentre_RepeatsWhileEdgesStretch) {
    // 4x4 with 1-pixel margins all round, drawn 7x7: the centre 2x2 repeats.
    PixelBuffer image = Numbered(4, 4);
    ElementPicture picture{&image, 1, 1, 1, 1, true};
    PixelBuffer out = ComposeElement(picture, 1, 7, 7);
    EXPECT_EQ(Row(out, 1), (std::vector<Pixel>{16, 17, 18, 17, 18, 17, 19}));
    EXPECT_EQ(Row(out, 2), (std::vector<Pixel>{16, 33, 34, 33, 34, 33, 19}));
    // Edges stretch 2 pixels to 5 by nearest pixel centres: 1 1 2 2 2.
    EXPECT_EQ(Row(out, 0), (std::vector<Pixel>{0, 1, 1, 2, 2, 2, 3}));
    EXPECT_EQ(Column(out, 0), (std::vector<Pixel>{0, 16, 16, 32, 32, 32, 48}));
}

TEST(ElementDrawing, TargetSmallerThanMargins_DropsThoseMargins) {
    // Margins 2 + 2 do not fit 3 pixels: the whole cell is stretched to 3.
    PixelBuffer image = Numbered(6, 1);
    ElementPicture picture{&image, 2, 0, 2, 0};
    EXPECT_EQ(Row(ComposeElement(picture, 1, 3, 1), 0), (std::vector<Pixel>{1, 3, 5}));
    // Vertically only: rows drop their margins, columns keep theirs.
    PixelBuffer tall = Numbered(3, 6);
    ElementPicture both{&tall, 1, 3, 1, 3};
    EXPECT_EQ(Column(ComposeElement(both, 1, 3, 2), 0), (std::vector<Pixel>{16, 64}));
}

TEST(ElementDrawing, SecondFrame_IsCutFromItsOwnCell) {
    PixelBuffer image = Numbered(6, 1);
    ElementPicture picture{&image};
    picture.FrameCount = 2;
    EXPECT_EQ(Row(ComposeElement(picture, 2, 3, 1), 0), (std::vector<Pixel>{3, 4, 5}));
}

TEST(ElementDrawing, TransparentElement_LeavesMagentaPixelsOut) {
    PixelBuffer image(2, 1);
    image.Set(0, 0, kMagenta);
    image.Set(1, 0, 0x123456);
    PixelBuffer target(3, 1, 0xAAAAAA);
    ElementPicture picture{&image};
    picture.Transparent = true;
    DrawElement(target, {1, 0, 2, 1}, picture, 1);
    EXPECT_EQ(Row(target, 0), (std::vector<Pixel>{0xAAAAAA, 0xAAAAAA, 0x123456}));
    picture.Transparent = false;
    DrawElement(target, {0, 0, 2, 1}, picture, 1);
    EXPECT_EQ(Row(target, 0), (std::vector<Pixel>{kMagenta, 0x123456, 0x123456}));
}

TEST(ElementDrawing, AreaPartlyOutsideTheTarget_IsClipped) {
    PixelBuffer image = Numbered(2, 2);
    PixelBuffer target(2, 2, 7);
    DrawElement(target, {1, 1, 2, 2}, ElementPicture{&image}, 1);
    EXPECT_EQ(Row(target, 0), (std::vector<Pixel>{7, 7}));
    EXPECT_EQ(Row(target, 1), (std::vector<Pixel>{7, 0}));
}

TEST(ElementDrawing, MarginsLargerThanTheCell_NeverReadOutsideIt) {
    PixelBuffer image = Numbered(4, 1);
    ElementPicture picture{&image, 3, 0, 3, 0};
    picture.FrameCount = 2;  // 2-pixel cells, 6 pixels of margins
    PixelBuffer out = ComposeElement(picture, 1, 8, 1);
    for (Pixel p : Row(out, 0)) EXPECT_TRUE(p == 0 || p == 1 || p == kMagenta) << p;
}

TEST(ElementDrawing, MarginsWhoseSumPassesTheIntegerRange_AreDroppedLikeAnyTooWide) {
    // 2^30 + 2^30 wraps in 32 bits; the margins must still count as too wide.
    PixelBuffer image = Numbered(4, 4);
    ElementPicture picture{&image, 1 << 30, 1 << 30, 1 << 30, 1 << 30};
    PixelBuffer out = ComposeElement(picture, 1, 4, 4);
    EXPECT_EQ(Row(out, 0), (std::vector<Pixel>{0, 1, 2, 3}));
    EXPECT_EQ(Column(out, 3), (std::vector<Pixel>{3, 19, 35, 51}));
}

}  // namespace
