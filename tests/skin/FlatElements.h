#pragma once
// Tiny hand-made skin pictures whose every pixel a test knows, swapped into
// the test skin for the test's duration.
#include <initializer_list>
#include <utility>

#include "skin/draw/PixelBuffer.h"

// Frames of width x height side by side, each one flat colour.
inline PixelBuffer FlatFrames(std::initializer_list<Pixel> colours, int width, int height) {
    PixelBuffer image(int(colours.size()) * width, height);
    int left = 0;
    for (Pixel colour : colours) {
        image.Fill({left, 0, width, height}, colour);
        left += width;
    }
    return image;
}

// Holds a value in place of another for its lifetime, then puts the other back.
template <class T>
class TSwappedIn {
public:
    TSwappedIn(T& place, T value) : FPlace(place), FBefore(std::exchange(place, std::move(value))) {}
    ~TSwappedIn() { FPlace = std::move(FBefore); }
    TSwappedIn(const TSwappedIn&) = delete;
    TSwappedIn& operator=(const TSwappedIn&) = delete;

private:
    T& FPlace;
    T FBefore;
};
