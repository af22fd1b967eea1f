#pragma once
#include "skin/draw/PixelBuffer.h"

// How the states of an element lie in its image.
enum class StateLayout { SideBySide, Stacked };

// What the one drawing rule of skin elements needs to know of an element.
struct ElementPicture {
    const PixelBuffer* Image = nullptr;
    int LeftWidth = 0, TopHeight = 0, RightWidth = 0, BottomHeight = 0;
    bool Tile = false;
    int FrameCount = 1;
    StateLayout States = StateLayout::SideBySide;
    bool Transparent = false;
};

// The cell of a 1-based frame in the element's image (frames out of range
// are taken as the nearest one).
Rect FrameCell(const ElementPicture& element, int frame);

// The element in the given frame, drawn at width x height by the nine-part
// rule: corners unscaled, edges stretched along their length, the centre
// stretched or tiled; margins that do not fit the size are dropped. Parts
// the image cannot fill stay magenta.
PixelBuffer ComposeElement(const ElementPicture& element, int frame, int width, int height);

// Composes the element for the area and copies it onto the target, leaving
// out magenta pixels when the element is transparent.
void DrawElement(PixelBuffer& target, Rect area, const ElementPicture& element, int frame);

// A picture of the program's own (an icon, a menu glyph), drawn whole as an
// element of one frame whose magenta is what it leaves out.
inline ElementPicture KeyedPicture(const PixelBuffer& picture) { return {.Image = &picture, .Transparent = true}; }
