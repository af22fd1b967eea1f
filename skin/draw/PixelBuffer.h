#pragma once
#include <cstdint>
#include <vector>

#include "skin/stream/SkinIni.h"

// A pixel as a 32-bit device-independent bitmap stores it: 0x00RRGGBB.
using Pixel = uint32_t;

inline constexpr Pixel kMagenta = 0xFF00FF;

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
    // Copies source onto this buffer at (x, y), skipping pixels equal to
    // `skip` when given (the transparent colour).
    void Paste(const PixelBuffer& source, int x, int y, const Pixel* skip = nullptr);

private:
    Rect Clip(Rect area) const;

    int FWidth = 0;
    int FHeight = 0;
    std::vector<Pixel> FPixels;
};
