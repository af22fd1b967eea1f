#include "skin/PixelBuffer.h"

#include <algorithm>

PixelBuffer::PixelBuffer(int width, int height, Pixel fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      pixels_(size_t(width_) * height_, fill) {
    if (width_ == 0 || height_ == 0) width_ = height_ = 0;
}

Rect PixelBuffer::Clip(Rect area) const {
    int left = std::max(area.Left, 0), top = std::max(area.Top, 0);
    int right = std::min<int64_t>(int64_t(area.Left) + area.Width, width_);
    int bottom = std::min<int64_t>(int64_t(area.Top) + area.Height, height_);
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
    for (int y = 0; y < part.height_; ++y)
        std::copy_n(Row(clipped.Top + y) + clipped.Left, part.width_, part.Row(y));
    return part;
}

void PixelBuffer::Paste(const PixelBuffer& source, int x, int y, const Pixel* skip) {
    Rect target = Clip({x, y, source.width_, source.height_});
    for (int row = target.Top; row < target.Top + target.Height; ++row) {
        const Pixel* from = source.Row(row - y) + (target.Left - x);
        Pixel* to = Row(row) + target.Left;
        for (int i = 0; i < target.Width; ++i)
            if (!skip || from[i] != *skip) to[i] = from[i];
    }
}
