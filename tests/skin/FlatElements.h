#pragma once
// Skin elements of a test's own, whose every pixel the test knows: each
// frame of one flat colour, so that a control drawn with them shows which
// frame lies where. They stand in the test's skin for the test's duration.
#include <memory>
#include <utility>
#include <vector>

#include "skin/data/SkinElements.h"

// Frames of width x height side by side, each filled with its colour.
inline PixelBuffer FlatFrames(const std::vector<Pixel>& colours, int width = 4, int height = 4) {
    PixelBuffer image(width * int(colours.size()), height);
    for (int frame = 0; frame < int(colours.size()); ++frame)
        image.Fill({frame * width, 0, width, height}, colours[size_t(frame)]);
    return image;
}

// A transparent element of those frames, stretched whole (no margins).
template <class Element = TSkinElement>
std::unique_ptr<Element> FlatElement(const std::vector<Pixel>& colours, int width = 4, int height = 4) {
    auto element = std::make_unique<Element>();
    element->Image = FlatFrames(colours, width, height);
    element->FrameCount = int(colours.size());
    element->Trans = true;
    return element;
}

// Holds a value in a slot of the skin while it lives, then gives the slot
// back what it held.
template <class T>
class TSwapped {
public:
    TSwapped(T& slot, T value) : FSlot(slot), FBefore(std::move(slot)) { FSlot = std::move(value); }
    ~TSwapped() { FSlot = std::move(FBefore); }
    TSwapped(const TSwapped&) = delete;
    TSwapped& operator=(const TSwapped&) = delete;

private:
    T& FSlot;
    T FBefore;
};
