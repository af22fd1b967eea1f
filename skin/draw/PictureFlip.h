#pragma once
#include "skin/draw/ElementDrawing.h"
#include "skin/draw/PixelBuffer.h"

// The picture turned upside down: its last row first.
PixelBuffer UpsideDown(const PixelBuffer& picture);

// An element's frame at the size it is drawn, turned upside down: a picture
// of one frame that keeps the element's transparency.
struct TurnedElement {
    PixelBuffer Image;
    bool Transparent = false;

    ElementPicture Picture() const { return {.Image = &Image, .Transparent = Transparent}; }
};
TurnedElement UpsideDown(const ElementPicture& element, int frame, int width, int height);
