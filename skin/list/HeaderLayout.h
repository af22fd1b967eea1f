#pragma once
#include <vector>

#include "skin/draw/PixelBuffer.h"

// What a skinned list header shows: its sections as the header places them,
// the one pressed and the one under the mouse (-1 for none), and the one
// the list is sorted by (-1 for none).
struct HeaderStrip {
    std::vector<Rect> Items;
    int Pressed = -1, Hot = -1, Sorted = -1;
    bool Enabled = true;
};

// One section as drawn: its index (kHeaderFiller for the empty rest of the
// header past the last section), where, and its frame of the five-state
// Headerbar element.
inline constexpr int kHeaderFiller = -1;
struct HeaderSection {
    int Index = kHeaderFiller;
    Rect Area;
    int Frame = 1;
};

// Frames: 1 normal, 2 pressed, 3 disabled (every section of a disabled
// header), 4 under the mouse, 5 the sorted column; the filler is always
// normal, or disabled with the header.
int HeaderFrame(const HeaderStrip& strip, int index);

// The sections of a header of width x height, cut to it and to its full
// height, then the filler when room is left at the right.
std::vector<HeaderSection> LayOutHeader(int width, int height, const HeaderStrip& strip);
