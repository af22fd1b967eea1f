#pragma once
#include <string_view>
#include <vector>

#include "skin/draw/PixelBuffer.h"

// A glyph mask: '#' is the colour, anything else is left alone; one string per row.
using GlyphMask = std::vector<std::string_view>;

inline constexpr Pixel Rgb(int red, int green, int blue) { return Pixel(red << 16 | green << 8 | blue); }

// Drawing helpers for the skin's bitmaps: everything is built from
// rectangles, gradients, bevels and small glyph masks.
class ArtCanvas {
public:
    ArtCanvas(int width, int height, Pixel fill = kMagenta) : FImage(width, height, fill) {}

    PixelBuffer& Image() { return FImage; }

    void Fill(Rect area, Pixel pixel) { FImage.Fill(area, pixel); }
    void Dot(int x, int y, Pixel pixel);
    void Frame(Rect area, Pixel pixel);
    // Top-left lines in one colour, bottom-right in the other.
    void Bevel(Rect area, Pixel topLeft, Pixel bottomRight);
    void VerticalGradient(Rect area, Pixel top, Pixel bottom);
    void HorizontalGradient(Rect area, Pixel left, Pixel right);
    // A one-pixel outline with its corner pixels cut to magenta, and the
    // corner's inner pixel softened towards the fill.
    void RoundedFrame(Rect area, Pixel outline);
    // Clears the outside of rounded corners of the area back to magenta.
    void CutCorners(Rect area);
    void Glyph(const GlyphMask& rows, int x, int y, Pixel pixel);
    void GlyphCentred(const GlyphMask& rows, Rect area, Pixel pixel);

private:
    PixelBuffer FImage;
};
