#include "skin/draw/PixelBuffer.h"

#include <algorithm>
#include <cstdlib>
#include <new>

namespace {

// Counted in 64 bits: on a 32-bit system a product that wraps would give a
// small buffer that the rows then run past.
size_t PixelCount(int width, int height) {
    uint64_t count = uint64_t(width) * uint64_t(height);
    if (count > std::vector<Pixel>().max_size()) throw std::bad_alloc();
    return size_t(count);
}

}  // namespace

PixelBuffer::PixelBuffer(int width, int height, Pixel fill)
    : FWidth(std::max(width, 0)), FHeight(std::max(height, 0)),
      FPixels(PixelCount(FWidth, FHeight), fill) {
    if (FWidth == 0 || FHeight == 0) FWidth = FHeight = 0;
}

Rect PixelBuffer::Clip(Rect area) const {
    int left = std::max(area.Left, 0), top = std::max(area.Top, 0);
    int right = std::min<int64_t>(int64_t(area.Left) + area.Width, FWidth);
    int bottom = std::min<int64_t>(int64_t(area.Top) + area.Height, FHeight);
    return {left, top, std::max(right - left, 0), std::max(bottom - top, 0)};
}

void PixelBuffer::Fill(Rect area, Pixel pixel) {
    Rect clipped = Clip(area);
    for (int y = clipped.Top; y < clipped.Top + clipped.Height; ++y)
        std::fill_n(Row(y) + clipped.Left, clipped.Width, pixel);
}

PixelBuffer PixelBuffer::Crop(Rect area) const {
    Rect clipped = Clip(area);
    PixelBuffer part(clipped.Width, clipped.Height);
    for (int y = 0; y < part.FHeight; ++y)
        std::copy_n(Row(clipped.Top + y) + clipped.Left, part.FWidth, part.Row(y));
    return part;
}

void PixelBuffer::Paste(const PixelBuffer& source, int x, int y, bool keyed) {
    LayOver(FPixels.data(), FWidth, FHeight, source, x, y, keyed);
}

void LayOver(Pixel* target, int width, int height, const PixelBuffer& picture, int x, int y, bool keyed) {
    int left = std::max(x, 0), top = std::max(y, 0);
    int right = int(std::min<int64_t>(int64_t(x) + picture.Width(), width));
    int bottom = int(std::min<int64_t>(int64_t(y) + picture.Height(), height));
    for (int row = top; row < bottom; ++row) {
        const Pixel* from = picture.Row(row - y) + (left - x);
        Pixel* to = target + size_t(row) * width + left;
        for (int i = 0; i < right - left; ++i)
            if (!keyed || !IsKeyedOut(from[i])) to[i] = from[i];
    }
}

bool IsOutsideRegion(Pixel pixel) {
    auto near = [](int channel, int target) { return std::abs(channel - target) <= 1; };
    return near(pixel >> 16 & 0xFF, 0xFF) && near(pixel >> 8 & 0xFF, 0) && near(pixel & 0xFF, 0xFF);
}

Pixel Blend(Pixel from, Pixel to, int weight) {
    Pixel out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        int a = from >> shift & 0xFF, b = to >> shift & 0xFF;
        out |= Pixel(a + (b - a) * weight / 255) << shift;
    }
    return out;
}
