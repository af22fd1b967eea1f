#pragma once
#include <cstdint>
#include <vector>

#include "skin/SkinIni.h"

// A pixel as a 32-bit device-independent bitmap stores it: 0x00RRGGBB.
using Pixel = uint32_t;

inline constexpr Pixel kMagenta = 0xFF00FF;

inline Pixel PixelFromColor(TColor color) {
    return Pixel((color & 0xFF) << 16 | (color & 0xFF00) | (color >> 16 & 0xFF));
}
inline TColor ColorFromPixel(Pixel pixel) { return TColor(PixelFromColor(TColor(pixel))); }

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

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }

    Pixel At(int x, int y) const { return pixels_[size_t(y) * width_ + x]; }
    void Set(int x, int y, Pixel pixel) { pixels_[size_t(y) * width_ + x] = pixel; }
    const Pixel* Row(int y) const { return pixels_.data() + size_t(y) * width_; }
    Pixel* Row(int y) { return pixels_.data() + size_t(y) * width_; }
    const std::vector<Pixel>& Pixels() const { return pixels_; }

    // Both clip to the buffer.
    void Fill(Rect area, Pixel pixel);
    PixelBuffer Crop(Rect area) const;
    // Copies source onto this buffer at (x, y), skipping pixels equal to
    // `skip` when given (the transparent colour).
    void Paste(const PixelBuffer& source, int x, int y, const Pixel* skip = nullptr);

private:
    Rect Clip(Rect area) const;

    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel> pixels_;
};
