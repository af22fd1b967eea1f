#pragma once
// Compares what a skinned control shows with the skin's own element pixels.
// Win32-free, so the end-to-end tests use it on screen pixels too.
#include <functional>

#include "skin/draw/ElementDrawing.h"

// The button's ring: its outer 2 pixels all round, which neither its caption
// nor its focus rectangle reaches.
inline bool InButtonRing(int x, int y, int width, int height) {
    const int ring = 2;
    return x < ring || y < ring || x >= width - ring || y >= height - ring;
}

// How many pixels of `shown`, from (left, top) on, differ from `expected`
// laid over the background (its magenta pixels let the background through);
// only pixels for which counts(x, y) holds, in the picture's coordinates.
inline int Mismatches(const PixelBuffer& shown, int left, int top, const PixelBuffer& expected, Pixel background,
                      const std::function<bool(int, int)>& counts = [](int, int) { return true; }) {
    int mismatches = 0;
    for (int y = 0; y < expected.Height(); ++y)
        for (int x = 0; x < expected.Width(); ++x) {
            if (!counts(x, y)) continue;
            Pixel want = expected.At(x, y) == kMagenta ? background : expected.At(x, y);
            int sx = left + x, sy = top + y;
            bool inside = sx >= 0 && sy >= 0 && sx < shown.Width() && sy < shown.Height();
            if (!inside || shown.At(sx, sy) != want) ++mismatches;
        }
    return mismatches;
}
