#pragma once
#include <cstdint>
#include <vector>

#include "skin/stream/SkinIni.h"

// A pixel as a 32-bit device-independent bitmap stores it: 0x00RRGGBB.
using Pixel = uint32_t;

// Magenta is what a skin's picture leaves out. Painting keys on it exactly.
// A window's region, cut from its painted borders, also leaves out magenta
// within 1 in each channel, which a bitmap editor's rounding may leave.
inline constexpr Pixel kMagenta = 0xFF00FF;
inline bool IsKeyedOut(Pixel pixel) { return pixel == kMagenta; }
bool IsOutsideRegion(Pixel pixel);

inline Pixel PixelFromColor(TColor color) {
    return Pixel((color & 0xFF) << 16 | (color & 0xFF00) | (color >> 16 & 0xFF));
}
inline TColor ColorFromPixel(Pixel pixel) { return TColor(PixelFromColor(TColor(pixel))); }

// The colour weight/255 of the way from one pixel to the other.
Pixel Blend(Pixel from, Pixel to, int weight);

struct Rect {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    bool Empty() const { return Width <= 0 || Height <= 0; }
};

// A top-down image in memory, the canvas every skin element is composed on
// before it reaches a device in one piece.
class PixelBuffer {
public:
    PixelBuffer() = default;
    PixelBuffer(int width, int height, Pixel fill = 0);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    bool Empty() const { return FWidth == 0 || FHeight == 0; }

    Pixel At(int x, int y) const { return FPixels[size_t(y) * FWidth + x]; }
    void Set(int x, int y, Pixel pixel) { FPixels[size_t(y) * FWidth + x] = pixel; }
    const Pixel* Row(int y) const { return FPixels.data() + size_t(y) * FWidth; }
    Pixel* Row(int y) { return FPixels.data() + size_t(y) * FWidth; }
    const std::vector<Pixel>& Pixels() const { return FPixels; }

    // Both clip to the buffer.
    void Fill(Rect area, Pixel pixel);
    PixelBuffer Crop(Rect area) const;
    // Copies source onto this buffer at (x, y); keyed leaves out its
    // magenta pixels.
    void Paste(const PixelBuffer& source, int x, int y, bool keyed = false);

private:
    Rect Clip(Rect area) const;

    int FWidth = 0;
    int FHeight = 0;
    std::vector<Pixel> FPixels;
};

// Lays picture over the pixels of a width x height image whose rows lie top
// down from target, at (x, y) and clipped to it; keyed leaves out the
// picture's magenta pixels. Every picture reaches every canvas this way.
void LayOver(Pixel* target, int width, int height, const PixelBuffer& picture, int x, int y, bool keyed);
