#pragma once
#include "skin/draw/PixelBuffer.h"

// The skin's picture of one scroll bar: where its arrows, shaft, thumb and
// grip lie, which part the pointer is over, and which frame of which
// element each part shows.

enum class ScrollbarKind { Horizontal, Vertical };
enum class ScrollbarPart { None, FirstArrow, SecondArrow, Thumb };

// What the system says of one bar, in the bar's own pixels.
struct ScrollbarFacts {
    ScrollbarKind Kind = ScrollbarKind::Vertical;
    int Width = 0, Height = 0;
    // Along the bar, from its start (the first arrow included); no thumb
    // when the end is not beyond the start.
    int ThumbStart = 0, ThumbEnd = 0;
    bool Enabled = true;
    bool FirstArrowEnabled = true, SecondArrowEnabled = true;
};

struct ScrollbarLayout {
    Rect FirstArrow, SecondArrow, Shaft;
    Rect Thumb;  // empty when the bar shows none
};

// Where the mouse is and whether its left button is down on the bar.
struct ScrollbarLook {
    ScrollbarPart Hot = ScrollbarPart::None;
    bool Pressed = false;
};

// Arrows are square, as thick as the bar, each half the bar when it is
// shorter than two; the thumb lies where the system puts it, inside the
// shaft, and only on an enabled bar.
ScrollbarLayout LayOutScrollbar(const ScrollbarFacts& facts);
ScrollbarPart ScrollbarPartAt(const ScrollbarLayout& layout, int x, int y);

// 1-based frames: arrows and grips of the "Scrollbar" image, the shaft
// ("HorzScroll", "VertScroll") and the thumb ("HorzScrollThumb",
// "VertScrollThumb").
int ArrowFrame(const ScrollbarFacts& facts, ScrollbarPart arrow, const ScrollbarLook& look);
int ShaftFrame(const ScrollbarFacts& facts);
int ThumbFrame(const ScrollbarLook& look);
int GripFrame(ScrollbarKind kind, const ScrollbarLook& look);

// The grip glyph (glyph sized) centred on the thumb; empty when the thumb
// is not longer than the glyph and two pixels.
Rect GripArea(const ScrollbarLayout& layout, ScrollbarKind kind, int glyphWidth, int glyphHeight);
